#pragma once

#include "addin/addin_keys.h"
#include "addin/addin_values.h"
#include "addin/office_settings.h"

// A facade property over an accessor property: booleans cross as
// automation booleans, enumerations are reduced by the setter mask.
#define TQ_OFFICE_ADDIN_PROPERTY(Property, dispid, accessor, accessor_property, Type, set_mask, \
                                 get_mask)                                                     \
  addin_type::Type::Automation Property() const {                                              \
    return addin_type::Type::ToAutomation(accessor##_.accessor_property());                    \
  }                                                                                            \
  void Set##Property(addin_type::Type::Automation value) {                                      \
    accessor##_.Set##accessor_property(addin_type::Type::FromAutomation(value, set_mask));     \
  }

namespace tessaly {

// The Office add-in settings as the automation object and the Office flows
// see them: the Word, Excel and PowerPoint sections behind one set of
// properties.
class TqvOfficeAddinSettings {
 public:
  explicit TqvOfficeAddinSettings(TqvStoreFile* store)
      : word_(store), excel_(store), ppt_(store) {}

  TQ_OFFICE_ADDIN_PROPERTIES(TQ_OFFICE_ADDIN_PROPERTY)

  TqvWordSettings& word() { return word_; }
  TqvExcelSettings& excel() { return excel_; }
  TqvPowerPointSettings& ppt() { return ppt_; }

 private:
  // Created in this order.
  TqvWordSettings word_;
  TqvExcelSettings excel_;
  TqvPowerPointSettings ppt_;
};

}  // namespace tessaly
