#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessaly {

// Whole-file operations on Windows-style paths ("C:\dir\file").
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool Exists(const std::string& path) = 0;
  // Reads the whole file into *data; false when it cannot be read.
  virtual bool Read(const std::string& path, std::string* data) = 0;
  // Creates or truncates the file and writes data; false on any failure.
  virtual bool Write(const std::string& path, const std::string& data) = 0;
  virtual bool Remove(const std::string& path) = 0;
  // Atomically puts the file `from` in the place of `to`, which may exist.
  // After a failure `to` is unchanged.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
  // The paths of the files of one folder whose path begins with `prefix`
  // (the folder and the start of a name), compared as the file system
  // compares names.
  virtual std::vector<std::string> FilesStartingWith(const std::string& prefix) = 0;

  // The id of this process, which names the working files it writes, and
  // whether the process of an id still runs: a working file of a process
  // that is gone is a leftover.
  virtual uint32_t ProcessId() = 0;
  virtual bool ProcessRuns(uint32_t id) = 0;
};

}  // namespace tessaly
