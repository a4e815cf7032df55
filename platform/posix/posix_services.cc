#include "platform/posix/posix_services.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>

#include "common/exception.h"
#include "platform/cp1252.h"

namespace tessaly {

namespace {

struct RegistryValue {
  char type;
  std::string data;
};
// key (upper-cased) -> name (upper-cased) -> value; the spelling of the
// first write is kept in the file.
using RegistryData = std::map<std::string, std::map<std::string, std::pair<std::string, RegistryValue>>>;

std::string Upper(std::string s) {
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return s;
}

RegistryData LoadRegistry(const std::string& path, std::map<std::string, std::string>* spelled) {
  RegistryData data;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string key, name, type, value;
    if (!std::getline(fields, key, '\t') || !std::getline(fields, name, '\t') ||
        !std::getline(fields, type, '\t')) {
      continue;
    }
    std::getline(fields, value);
    (*spelled)[Upper(key)] = key;
    data[Upper(key)][Upper(name)] = {name, RegistryValue{type.empty() ? 'S' : type[0], value}};
  }
  return data;
}

bool WriteFile(const std::string& path, const std::string& data) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      close(fd);
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return close(fd) == 0;
}

bool SyncPath(const std::string& path, int flags) {
  int fd = open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  bool synced = fsync(fd) == 0;
  return close(fd) == 0 && synced;
}

// Puts `from` in the place of `to` so that a crash leaves one of the two
// whole: the data reaches the disk before the name points at it, and the
// folder's new entry reaches it before the call returns.
bool DurableRename(const std::string& from, const std::string& to) {
  if (!SyncPath(from, O_RDONLY) || std::rename(from.c_str(), to.c_str()) != 0) return false;
  size_t slash = to.rfind('/');
  std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : to.substr(0, slash);
  return SyncPath(folder, O_RDONLY | O_DIRECTORY);
}

}  // namespace

PosixRegistry::PosixRegistry(std::string path) : path_(std::move(path)) {}

std::string PosixRegistry::DefaultPath() {
  if (const char* p = std::getenv("TESSALY_REGISTRY")) return p;
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/.tessaly-registry";
}

bool PosixRegistry::KeyExists(const std::string& key) {
  std::map<std::string, std::string> spelled;
  return LoadRegistry(path_, &spelled).count(Upper(key)) != 0;
}

bool PosixRegistry::ValueExists(const std::string& key, const std::string& name) {
  std::map<std::string, std::string> spelled;
  RegistryData data = LoadRegistry(path_, &spelled);
  auto k = data.find(Upper(key));
  return k != data.end() && k->second.count(Upper(name)) != 0;
}

std::string PosixRegistry::ReadString(const std::string& key, const std::string& name) {
  std::map<std::string, std::string> spelled;
  RegistryData data = LoadRegistry(path_, &spelled);
  auto k = data.find(Upper(key));
  if (k == data.end()) return "";
  auto v = k->second.find(Upper(name));
  if (v == k->second.end()) return "";
  if (v->second.second.type != 'S') {
    throw Exception(FormatMessage1("Invalid data type for '%s'", name));
  }
  return v->second.second.data;
}

void PosixRegistry::WriteString(const std::string& key, const std::string& name,
                                const std::string& value) {
  std::map<std::string, std::string> spelled;
  RegistryData data = LoadRegistry(path_, &spelled);
  if (!spelled.count(Upper(key))) spelled[Upper(key)] = key;
  auto& slot = data[Upper(key)][Upper(name)];
  if (slot.first.empty()) slot.first = name;
  slot.second = RegistryValue{'S', value};

  std::string text;
  for (const auto& k : data) {
    for (const auto& v : k.second) {
      text += spelled[k.first] + "\t" + v.second.first + "\t" + v.second.second.type + "\t" +
              v.second.second.data + "\n";
    }
  }
  // A temporary file of this process's own: processes that write at once
  // must not write into each other's.
  std::string temp = path_ + ".new." + std::to_string(getpid());
  if (!WriteFile(temp, text) || !DurableRename(temp, path_)) {
    unlink(temp.c_str());
    throw Exception("Could not write the registry file " + path_);
  }
}

std::string PosixFileSystem::NativePath(const std::string& path) {
  std::string out = path;
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

bool PosixFileSystem::Exists(const std::string& path) {
  return access(NativePath(path).c_str(), F_OK) == 0;
}

bool PosixFileSystem::Read(const std::string& path, std::string* data) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  *data = buffer.str();
  return true;
}

bool PosixFileSystem::Write(const std::string& path, const std::string& data) {
  return WriteFile(NativePath(path), data);
}

bool PosixFileSystem::Remove(const std::string& path) {
  return unlink(NativePath(path).c_str()) == 0;
}

bool PosixFileSystem::Replace(const std::string& from, const std::string& to) {
  return DurableRename(NativePath(from), NativePath(to));
}

std::vector<std::string> PosixFileSystem::FilesStartingWith(const std::string& prefix) {
  size_t slash = prefix.find_last_of("\\/");
  std::string folder = slash == std::string::npos ? std::string() : prefix.substr(0, slash + 1);
  std::string start = prefix.substr(folder.size());
  std::vector<std::string> paths;
  DIR* dir = opendir(folder.empty() ? "." : NativePath(folder).c_str());
  if (dir == nullptr) return paths;
  while (const dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name.compare(0, start.size(), start) == 0) paths.push_back(folder + name);
  }
  closedir(dir);
  return paths;
}

uint32_t PosixFileSystem::ProcessId() { return static_cast<uint32_t>(getpid()); }

bool PosixFileSystem::ProcessRuns(uint32_t id) {
  return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

void PosixMessageBoxes::ShowDialog(const std::string& text, const std::string& caption,
                                   MessageIcon icon) {
  MessageRoute route;
  route.kind = MessageRoute::kStderr;
  WriteMessage(route, text, caption, icon);
}

PosixCodePage::PosixCodePage() {
  BuildCp1252UpperTable(upper_);
  const char* point = std::localeconv()->decimal_point;
  separator_ = point != nullptr && *point != '\0' ? *point : '.';
}

std::string PosixCodePage::ToAnsi(const std::wstring& text) const {
  return WideToCp1252(text);
}

std::wstring PosixCodePage::FromAnsi(const std::string& text) const {
  return Cp1252ToWide(text);
}

void PosixSleeper::SleepMs(unsigned milliseconds) {
  timespec ts{static_cast<time_t>(milliseconds / 1000),
              static_cast<long>(milliseconds % 1000) * 1000000L};
  while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
  }
}

}  // namespace tessaly
