#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/ini_file.h"
#include "platform/env.h"

namespace tessaly {

extern const char kStoreCaption[];        // "Orvane Tessaly"
extern const char kStoreErrorText[];      // "Tessaly has encountered error while printing the document."
extern const char kErrorWritingFile[];    // "Error Writing File"

// Writes `lines` (each ended by CR LF), deflated, as the file at `path`.
// On failure shows the "Error Writing File" dialog and returns false.
bool CreateDefaultStoreFile(const Env& env, const std::string& path,
                            const std::vector<std::string>& lines);

// One compressed INI store file (Profiles.qvf, PlugIn.qvf) and the
// in-memory INI file it is opened into.
class TqvStoreFile {
 public:
  struct Kind {
    const char* load_error_code;  // "1002" / "1003"
    const char* save_error_code;  // "1001" / "1004"
    // Writes the default file when the store file is missing.
    bool (*create_default)(const Env& env, const std::string& path);
  };

  TqvStoreFile(const Env& env, std::string path, Kind kind);
  ~TqvStoreFile();

  // Opens the store (creating the default file when it is missing) and
  // returns its INI file, or nullptr after a corrupt file (a message box
  // has been shown).
  IniFile* Load();
  // Writes the store back and releases one open; the INI file goes away
  // with the last one. Failures are shown, never thrown.
  void Save();
  // Writes the store to disk without releasing it; never reports anything.
  // False when the file could not be written.
  bool Flush();

  // The open INI file; throws Exception when the store failed to open.
  IniFile& ini();
  bool is_open() const { return ini_ != nullptr; }
  const std::string& path() const { return path_; }
  const std::string& working_name() const { return working_name_; }
  int open_count() const { return open_count_; }

 private:
  // Deflates the INI text and puts it in place of the store file through
  // the working file, so that the store file is never half written.
  bool WriteOut();

  const Env& env_;
  std::string path_;
  Kind kind_;
  std::string working_name_;
  int open_count_ = 0;
  std::unique_ptr<IniFile> ini_;
};

}  // namespace tessaly
