#include "platform/fake/memory_file_system.h"

namespace tessaly {

std::string MemoryFileSystem::Fold(const std::string& path) {
  std::string out = path;
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c == '/') c = '\\';
  }
  return out;
}

bool MemoryFileSystem::FolderExists(const std::string& path) const {
  if (folders_.empty()) return true;
  size_t slash = path.rfind('\\');
  std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
  return folders_.count(folder) != 0;
}

bool MemoryFileSystem::Exists(const std::string& path) { return files_.count(Fold(path)) != 0; }

bool MemoryFileSystem::Read(const std::string& path, std::string* data) {
  auto it = files_.find(Fold(path));
  if (it == files_.end() || failing_reads_.count(it->first) != 0) return false;
  *data = it->second;
  return true;
}

bool MemoryFileSystem::Write(const std::string& path, const std::string& data) {
  std::string key = Fold(path);
  ++writes_;
  if (failing_next_writes_ > 0) {
    --failing_next_writes_;
    return false;
  }
  if (!FolderExists(key) || read_only_.count(key) != 0 || failing_writes_.count(key) != 0) {
    return false;
  }
  if (disk_full_) {
    files_[key] = data.substr(0, data.size() / 2);  // half written, then no space
    return false;
  }
  files_[key] = data;
  return true;
}

bool MemoryFileSystem::Remove(const std::string& path) {
  std::string key = Fold(path);
  if (read_only_.count(key) != 0) return false;
  return files_.erase(key) != 0;
}

bool MemoryFileSystem::Replace(const std::string& from, const std::string& to) {
  std::string src = Fold(from), dst = Fold(to);
  ++replaces_;
  if (fail_replaces_ || read_only_.count(dst) != 0) return false;
  auto it = files_.find(src);
  if (it == files_.end()) return false;
  files_[dst] = it->second;
  files_.erase(src);
  return true;
}

std::vector<std::string> MemoryFileSystem::FilesStartingWith(const std::string& prefix) {
  std::string key = Fold(prefix);
  size_t slash = key.rfind('\\');
  std::vector<std::string> paths;
  for (auto it = files_.lower_bound(key); it != files_.end(); ++it) {
    if (it->first.compare(0, key.size(), key) != 0) break;
    if (it->first.rfind('\\') == slash) paths.push_back(it->first);
  }
  return paths;
}

uint32_t MemoryFileSystem::ProcessId() { return process_id_; }

bool MemoryFileSystem::ProcessRuns(uint32_t id) { return ended_.count(id) == 0; }

void MemoryFileSystem::SetReadOnly(const std::string& path, bool read_only) {
  if (read_only) {
    read_only_.insert(Fold(path));
  } else {
    read_only_.erase(Fold(path));
  }
}

std::string MemoryFileSystem::Get(const std::string& path) const {
  auto it = files_.find(Fold(path));
  return it == files_.end() ? std::string() : it->second;
}

std::vector<std::string> MemoryFileSystem::Paths() const {
  std::vector<std::string> paths;
  for (const auto& f : files_) paths.push_back(f.first);
  return paths;
}

}  // namespace tessaly
