#include "profiles/profile_settings.h"

#include "profiles/profile_sections.h"

namespace tessaly {

TqvProfileSettings::TqvProfileSettings(IniFile* store, const CodePage* code_page,
                                       TqvWatermarkManager* watermarks, std::string section,
                                       std::string profile_name, bool copy_template)
    : store_(store),
      code_page_(code_page),
      watermarks_(watermarks),
      section_(std::move(section)),
      profile_name_(std::move(profile_name)) {
  if (copy_template) CopySection(*store_, kBuiltInProfileSection, section_);
}

std::wstring TqvProfileSettings::Name() const { return code_page_->FromAnsi(profile_name_); }

}  // namespace tessaly
