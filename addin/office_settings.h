#pragma once

#include <cstdint>
#include <string>

#include "addin/addin_keys.h"
#include "addin/addin_values.h"
#include "addin/plugin_file.h"

// A getter and a setter over one key of the accessor's section.
#define TQ_ADDIN_SETTING(Property, key, Type, default_value)                   \
  addin_type::Type::Value Property() const {                                   \
    return addin_type::Type::Read(ini(), section_, key, default_value);        \
  }                                                                            \
  void Set##Property(addin_type::Type::Arg value) {                            \
    addin_type::Type::Write(ini(), section_, key, value);                      \
  }
#define TQ_ADDIN_SETTING_WITH_DISPID(Property, key, Type, default_value, dispid) \
  TQ_ADDIN_SETTING(Property, key, Type, default_value)

namespace tessaly {

// Excel print options, as ordinals of the type library's enumeration.
constexpr int32_t kPrintEntireWorkbook = 0;  // poEntireWorkbook
constexpr int32_t kPrintActiveWorkSheet = 1;  // poActiveWorkSheet

// Section "WordSettings": what the Word flow turns into PDF navigation.
class TqvWordSettings : public TqvPlugInSection {
 public:
  explicit TqvWordSettings(TqvStoreFile* store) : TqvPlugInSection(store, kWordSettingsSection) {}
  TQ_WORD_SETTINGS_KEYS(TQ_ADDIN_SETTING)
};

// Section "Ppt Settings": the same for PowerPoint.
class TqvPowerPointSettings : public TqvPlugInSection {
 public:
  explicit TqvPowerPointSettings(TqvStoreFile* store)
      : TqvPlugInSection(store, kPptSettingsSection) {}
  TQ_PPT_SETTINGS_KEYS(TQ_ADDIN_SETTING)
};

// Section "Excel Settings".
class TqvExcelSettings : public TqvPlugInSection {
 public:
  explicit TqvExcelSettings(TqvStoreFile* store)
      : TqvPlugInSection(store, kExcelSettingsSection) {}
  TQ_EXCEL_SETTINGS_KEYS(TQ_ADDIN_SETTING)

  // Read from "Excel Entire WorkBook" alone (default true: the entire
  // workbook).
  int32_t PrintOption() const;
  // A value whose low byte is non-zero selects the active worksheet, any
  // other the entire workbook; "Excel Active WorkSheet" and "Excel Entire
  // WorkBook" are always written as a complementary pair, in that order.
  void SetPrintOption(int32_t value);
};

// Section "Document Properties": the document information of the output.
class TqvDocumentProperties : public TqvPlugInSection {
 public:
  explicit TqvDocumentProperties(TqvStoreFile* store)
      : TqvPlugInSection(store, kDocumentPropertiesSection) {}
  TQ_DOCUMENT_PROPERTIES_KEYS(TQ_ADDIN_SETTING_WITH_DISPID)
};

}  // namespace tessaly
