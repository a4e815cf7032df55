#pragma once

#include <string>

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
};

}  // namespace tessaly
