#include "platform/win32/win32_services.h"

#include <windows.h>

#include "common/exception.h"

namespace tessaly {

std::wstring AnsiToWide(const std::string& text) {
  if (text.empty()) return std::wstring();
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
  return out;
}

std::string WideToAnsi(const std::wstring& text) {
  if (text.empty()) return std::string();
  int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr,
                      nullptr);
  return out;
}

namespace {

class Key {
 public:
  Key(const std::string& path, bool create) {
    std::wstring wide = AnsiToWide(path);
    if (create) {
      ok_ = RegCreateKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key_, nullptr) == ERROR_SUCCESS;
    } else {
      ok_ = RegOpenKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, KEY_READ, &key_) == ERROR_SUCCESS;
    }
  }
  ~Key() {
    if (ok_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  bool ok() const { return ok_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
  bool ok_ = false;
};

}  // namespace

bool Win32Registry::KeyExists(const std::string& key) { return Key(key, false).ok(); }

bool Win32Registry::ValueExists(const std::string& key, const std::string& name) {
  Key k(key, false);
  return k.ok() && RegQueryValueExW(k.get(), AnsiToWide(name).c_str(), nullptr, nullptr, nullptr,
                                    nullptr) == ERROR_SUCCESS;
}

std::string Win32Registry::ReadString(const std::string& key, const std::string& name) {
  Key k(key, false);
  if (!k.ok()) return "";
  std::wstring wide_name = AnsiToWide(name);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(k.get(), wide_name.c_str(), nullptr, &type, nullptr, &size) !=
      ERROR_SUCCESS) {
    return "";
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) {
    throw Exception(FormatMessage1("Invalid data type for '%s'", name));
  }
  std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
  DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (RegQueryValueExW(k.get(), wide_name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(&data[0]), &bytes) != ERROR_SUCCESS) {
    return "";
  }
  data.resize(bytes / sizeof(wchar_t));
  while (!data.empty() && data.back() == L'\0') data.pop_back();
  return WideToAnsi(data);
}

void Win32Registry::WriteString(const std::string& key, const std::string& name,
                                const std::string& value) {
  Key k(key, true);
  if (!k.ok()) throw Exception("Failed to create key " + key);
  std::wstring data = AnsiToWide(value);
  if (RegSetValueExW(k.get(), AnsiToWide(name).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(data.c_str()),
                     static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS) {
    throw Exception(FormatMessage1("Failed to set data for '%s'", name));
  }
}

bool Win32FileSystem::Exists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(AnsiToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// A file another process has open for a moment (a reader of the store)
// refuses to be replaced or opened with one of these; they pass.
bool Transient(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED;
}

constexpr int kTransientAttempts = 100;
constexpr DWORD kTransientWaitMs = 10;

}  // namespace

bool Win32FileSystem::Read(const std::string& path, std::string* data) {
  // Other processes replace the stores while this one reads: the file is
  // shared for every kind of access so that their replace can go ahead, and
  // an open that meets one in progress is tried again.
  std::wstring wide = AnsiToWide(path);
  HANDLE h = INVALID_HANDLE_VALUE;
  for (int attempt = 1;; ++attempt) {
    h = CreateFileW(wide.c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE || attempt == kTransientAttempts || !Transient(GetLastError())) {
      break;
    }
    Sleep(kTransientWaitMs);
  }
  if (h == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool ok = GetFileSizeEx(h, &size) && size.QuadPart < 0x40000000;
  if (ok) {
    data->assign(static_cast<size_t>(size.QuadPart), '\0');
    DWORD done = 0;
    ok = data->empty() || (::ReadFile(h, &(*data)[0], static_cast<DWORD>(data->size()), &done,
                                      nullptr) &&
                           done == data->size());
  }
  CloseHandle(h);
  return ok;
}

bool Win32FileSystem::Write(const std::string& path, const std::string& data) {
  HANDLE h = CreateFileW(AnsiToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD done = 0;
  bool ok = data.empty() ||
            (::WriteFile(h, data.data(), static_cast<DWORD>(data.size()), &done, nullptr) &&
             done == data.size());
  ok = CloseHandle(h) && ok;
  return ok;
}

bool Win32FileSystem::Remove(const std::string& path) {
  return ::DeleteFileW(AnsiToWide(path).c_str()) != 0;
}

bool Win32FileSystem::Replace(const std::string& from, const std::string& to) {
  std::wstring source = AnsiToWide(from);
  std::wstring target = AnsiToWide(to);
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return true;
    }
    if (attempt == kTransientAttempts || !Transient(GetLastError())) return false;
    Sleep(kTransientWaitMs);
  }
}

std::vector<std::string> Win32FileSystem::FilesStartingWith(const std::string& prefix) {
  size_t slash = prefix.find_last_of("\\/");
  std::string folder = slash == std::string::npos ? std::string() : prefix.substr(0, slash + 1);
  std::vector<std::string> paths;
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW(AnsiToWide(prefix + "*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return paths;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      paths.push_back(folder + WideToAnsi(found.cFileName));
    }
  } while (FindNextFileW(h, &found));
  FindClose(h);
  return paths;
}

uint32_t Win32FileSystem::ProcessId() { return GetCurrentProcessId(); }

bool Win32FileSystem::ProcessRuns(uint32_t id) {
  HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, id);
  // A process this user may not open still runs.
  if (h == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  bool runs = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
  CloseHandle(h);
  return runs;
}

void Win32MessageBoxes::ShowDialog(const std::string& text, const std::string& caption,
                                   MessageIcon icon) {
  static const UINT kIcons[] = {0, MB_ICONERROR, MB_ICONWARNING, MB_ICONINFORMATION};
  MessageBoxW(nullptr, AnsiToWide(text).c_str(), AnsiToWide(caption).c_str(),
              MB_OK | MB_TASKMODAL | kIcons[static_cast<int>(icon)]);
}

Win32CodePage::Win32CodePage() {
  for (int i = 0; i < 256; ++i) {
    char c = static_cast<char>(i);
    CharUpperBuffA(&c, 1);
    upper_[i] = static_cast<unsigned char>(c);
  }
}

std::string Win32CodePage::ToAnsi(const std::wstring& text) const { return WideToAnsi(text); }

std::wstring Win32CodePage::FromAnsi(const std::string& text) const { return AnsiToWide(text); }

char Win32CodePage::DecimalSeparator() const {
  wchar_t buf[8] = {0};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, 8) > 0 && buf[0] < 128) {
    return static_cast<char>(buf[0]);
  }
  return '.';
}

void Win32Sleeper::SleepMs(unsigned milliseconds) { ::Sleep(milliseconds); }

}  // namespace tessaly
