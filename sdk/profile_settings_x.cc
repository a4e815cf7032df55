#include "sdk/profile_settings_x.h"

namespace tessaly {

TqvProfileSettingsX::TqvProfileSettingsX(TqvSettingsRef settings, const CodePage* code_page)
    : AutomationObject(CLSID_qvProfileSettingsX),
      settings_(std::move(settings)),
      code_page_(code_page),
      name_(settings_->Name()) {}

}  // namespace tessaly
