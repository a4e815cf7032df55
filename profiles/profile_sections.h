#pragma once

#include <string_view>

#include "common/ini_file.h"

namespace tessaly {

extern const char kBuiltInProfileSection[];  // "[PDF - Best Quality]"
extern const char kBuiltInProfileName[];     // "PDF - Best Quality"
extern const char kLastSavedStateSection[];  // "Last Saved State"
extern const char kGeneralSettingsSection[]; // "General Settings"

// Copies every entry of `source` into `target` (created by the first
// write; entries only the target has stay). False when no section is named
// exactly `source`.
bool CopySection(IniFile& store, std::string_view source, std::string_view target);

}  // namespace tessaly
