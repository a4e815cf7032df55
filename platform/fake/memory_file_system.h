#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace tessaly {

// Files in memory, with faults that tests switch on: missing folders, paths
// that cannot be written, removed or replaced, and a full disk that leaves
// half-written files behind.
class MemoryFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) override;
  bool Read(const std::string& path, std::string* data) override;
  bool Write(const std::string& path, const std::string& data) override;
  bool Remove(const std::string& path) override;
  bool Replace(const std::string& from, const std::string& to) override;
  std::vector<std::string> FilesStartingWith(const std::string& prefix) override;
  uint32_t ProcessId() override;
  bool ProcessRuns(uint32_t id) override;
  // ProcessId() is 1 unless set; every id runs but those marked as ended.
  void SetProcessId(uint32_t id) { process_id_ = id; }
  void EndProcess(uint32_t id) { ended_.insert(id); }

  // Folders that exist; a write into another folder fails. Empty (the
  // default) means every folder exists.
  void AddFolder(const std::string& folder) { folders_.insert(Fold(folder)); }
  void SetReadOnly(const std::string& path, bool read_only);
  void FailWritesTo(const std::string& path) { failing_writes_.insert(Fold(path)); }
  void FailReplaces(bool fail) { fail_replaces_ = fail; }
  // Reads of the file fail although it exists (another process holds it).
  void FailReadsOf(const std::string& path) { failing_reads_.insert(Fold(path)); }
  // The next `count` writes fail, whatever the path.
  void FailNextWrites(int count) { failing_next_writes_ = count; }
  // Every write stores half of its data and fails (a full disk).
  void SetDiskFull(bool full) { disk_full_ = full; }

  // Direct access for tests.
  std::string Get(const std::string& path) const;
  void Put(const std::string& path, const std::string& data) { files_[Fold(path)] = data; }
  std::vector<std::string> Paths() const;
  int writes() const { return writes_; }
  int replaces() const { return replaces_; }

 private:
  // Windows paths: case-insensitive, backslash as separator.
  static std::string Fold(const std::string& path);
  bool FolderExists(const std::string& path) const;

  std::map<std::string, std::string> files_;
  std::set<std::string> folders_;
  std::set<std::string> read_only_;
  std::set<std::string> failing_writes_;
  std::set<std::string> failing_reads_;
  bool fail_replaces_ = false;
  int failing_next_writes_ = 0;
  bool disk_full_ = false;
  int writes_ = 0;
  int replaces_ = 0;
  uint32_t process_id_ = 1;
  std::set<uint32_t> ended_;
};

}  // namespace tessaly
