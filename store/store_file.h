#pragma once

#include <memory>
#include <string>

#include "common/ini_file.h"
#include "platform/env.h"

namespace tessaly {

// Writes `text` as a new store file at `path`. False when it cannot be
// written.
bool WriteNewStoreFile(const Env& env, const std::string& path, const std::string& text);

// The working name of a store file: the folder with its trailing
// backslash, another backslash, the name without its last four characters,
// ".~qvf". The in-memory INI file carries it; each write goes through a
// working file named after it and unique to the writer (platform/working_file.h).
std::string StoreWorkingName(const std::string& path);

// Writes `text` as the store file at `path` through its working file, which
// then takes the store file's place in one step: the file is never missing
// or half written. False when it cannot be written; the old file then stays
// as it was.
bool ReplaceStoreFile(const Env& env, const std::string& path, const std::string& text);

// One compressed INI store file (Profiles.qvf, PlugIn.qvf) and the
// in-memory INI file it is opened into, counted by opens. It reports every
// failure by throwing; what the user is told is up to its owner.
class TqvStoreFile {
 public:
  TqvStoreFile(const Env& env, std::string path);
  ~TqvStoreFile();

  // Opens the store: the first open removes the working files of writers
  // that are gone and reads the file into the INI file, each later one only
  // counts. A missing or unreadable file opens as an empty store. Throws
  // EStoreCorrupt for a file that does not decode or holds more lines or
  // sections than an INI file takes in, which leaves the store closed.
  IniFile& Load();
  // Writes the store back (3 attempts, 1 s apart) and releases one open;
  // the INI file goes away with the last one. When the file could not be
  // written, throws Exception after releasing; the old file stays as it was.
  // Nothing happens to a store that is not open.
  void Save();
  // Releases every open without writing: what changed in memory is lost
  // and the file stays as it was.
  void Discard();
  // Writes the store to disk without releasing it. False when it is not
  // open or the file could not be written; never throws.
  bool Flush();

  // The open INI file; throws Exception when the store failed to open.
  IniFile& ini();
  bool is_open() const { return ini_ != nullptr; }
  const std::string& path() const { return path_; }
  const std::string& working_name() const { return working_name_; }
  int open_count() const { return open_count_; }

 private:
  // Encodes the INI text and puts it in place of the store file through
  // the working file, so that the store file is never half written.
  bool WriteOut();

  const Env& env_;
  std::string path_;
  std::string working_name_;
  int open_count_ = 0;
  std::unique_ptr<IniFile> ini_;
};

}  // namespace tessaly
