#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/ini_file.h"
#include "platform/env.h"
#include "profiles/profile_keys.h"
#include "profiles/profile_settings.h"
#include "store/store_file.h"
#include "tools/tqstore/tool_context.h"
#include "watermarks/watermark_manager.h"

namespace tessaly {

// The stores of one Profiles folder, opened as they are: unlike the SDK,
// the tool creates no missing file and shows no message. The Profiles file
// must be there; the PlugIn and watermark files may be missing.
class FolderStores {
 public:
  FolderStores(const Env& env, const std::string& dir);

  const Env& env() const { return env_; }
  const StoreFolder& paths() const { return paths_; }
  IniFile& profiles() { return profiles_.ini(); }
  // nullptr when the file is missing. Throws ToolError when it is corrupt.
  TqvStoreFile* plugin();
  TqvWatermarkManager* watermarks();

  // The profile sections in file order, "General Settings" left out.
  std::vector<std::string> ProfileNames();
  // The section of a profile named on the command line (exactly, as the
  // SDK compares names); ToolError for an unknown one.
  std::string SectionOf(const std::string& utf8_name);
  std::unique_ptr<TqvProfileSettings> Settings(const std::string& section);
  // Writes the Profiles file through its working file; ToolError when it
  // cannot be written (the old file is then unchanged).
  void SaveProfiles();

 private:
  const Env& env_;
  StoreFolder paths_;
  TqvStoreFile profiles_;
  TqvStoreFile plugin_;
  bool plugin_tried_ = false;
  TqvWatermarkManager watermarks_;
  bool watermarks_tried_ = false;
};

// A profile key named on the command line by its property or its stored
// key, in any letter case; ToolError for an unknown one.
const ProfileKey& ProfileKeyNamed(const std::string& name);

// A value as the automation getter gives it, in text form (UTF-8): booleans
// "true"/"false", lists as comma text, fonts in their text form. A value
// that does not read at all gives "(unreadable: why)".
std::string ReadProfileValue(const Env& env, const TqvProfileSettings& settings,
                             ProfileProperty property);
// What a read of a missing key gives.
std::string DefaultProfileValue(const Env& env, ProfileProperty property);
// Sets the value through the automation setter, from the same text form.
// ToolError for text that is not of the key's type.
void WriteProfileValue(const Env& env, TqvProfileSettings& settings, ProfileProperty property,
                       const std::string& text);

}  // namespace tessaly
