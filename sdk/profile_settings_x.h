#pragma once

#include <string>

#include "main_object/settings_ref.h"
#include "platform/code_page.h"
#include "profiles/profile_keys.h"
#include "sdk/automation_object.h"
#include "sdk/property_x.h"
#include "sdk/settings_conversions.h"
#include "typelib/TessalySDK.h"

namespace tessaly {

// IqvProfileSettingsX over one profile's settings accessor: every property
// is one key of the profile's section, read or written at once. Generated
// from the key table; the object only converts between automation types and
// the accessor's.
class TqvProfileSettingsX : public AutomationObject<IqvProfileSettingsX> {
 public:
  TqvProfileSettingsX(TqvSettingsRef settings, const CodePage* code_page);

  STDMETHODIMP get_Name(BSTR* Value) override {
    return Get(Value, [&] { return name_; });
  }

#define TQ_PROFILE_KEY(property, dispid, kind, type, key, default_value)                    \
  TQ_PROPERTY_X(IqvProfileSettingsX, property,                                              \
                settings_x::ToCom<ProfileKind::k##kind>(settings_->property(), *code_page_), \
                settings_->Set##property(settings_x::FromCom<ProfileKind::k##kind>(         \
                    Value, [&] { return settings_->property(); }, *code_page_)))
#include "profiles/profile_keys.def"

 private:
  TqvSettingsRef settings_;
  const CodePage* code_page_;
  std::wstring name_;  // the accessor's profile name, taken at creation
};

}  // namespace tessaly
