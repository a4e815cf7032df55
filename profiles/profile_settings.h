#pragma once

#include <string>

#include "common/ini_file.h"
#include "platform/code_page.h"

namespace tessaly {

class TqvWatermarkManager;

// The settings of one profile: one section of the Profiles store, read and
// written straight through with no cache.
class TqvProfileSettings {
 public:
  // With `copy_template`, the entries of "[PDF - Best Quality]" are first
  // copied into `section`.
  TqvProfileSettings(IniFile* store, const CodePage* code_page, TqvWatermarkManager* watermarks,
                     std::string section, std::string profile_name, bool copy_template);

  const std::string& section() const { return section_; }
  std::wstring Name() const;

 private:
  IniFile* store_;
  const CodePage* code_page_;
  TqvWatermarkManager* watermarks_;
  std::string section_;
  std::string profile_name_;
};

}  // namespace tessaly
