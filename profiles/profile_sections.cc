#include "profiles/profile_sections.h"

#include <string>

namespace tessaly {

const char kBuiltInProfileSection[] = "[PDF - Best Quality]";
const char kBuiltInProfileName[] = "PDF - Best Quality";
const char kLastSavedStateSection[] = "Last Saved State";
const char kGeneralSettingsSection[] = "General Settings";

bool CopySection(IniFile& store, std::string_view source, std::string_view target) {
  bool found = false;
  for (const std::string& name : store.SectionNames()) {
    if (name == source) {
      found = true;
      break;
    }
  }
  if (!found) return false;
  for (const auto& [key, value] : store.SectionValues(source)) {
    store.WriteString(target, key, value);
  }
  return true;
}

}  // namespace tessaly
