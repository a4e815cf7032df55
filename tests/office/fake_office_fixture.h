#pragma once

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "tests/office/office_server/host.h"
#include "tests/server/server_test_support.h"

namespace tessaly {

// One fake of the fake Office server for a test suite: its description and
// log in the temporary folder, named under its key, and the server
// registered (every fake class at once) until Unregister.
class FakeOfficeFixture {
 public:
  explicit FakeOfficeFixture(const wchar_t* name)
      : name_(name),
        description_(TempPath(L"fake-" + name_ + L".ini")),
        log_(TempPath(L"fake-" + name_ + L".log")) {}

  // Returns regsvr32's exit code.
  DWORD Register(const char* description) const {
    std::ofstream(description_.c_str(), std::ios::binary) << description;
    SetValue(L"Documents", description_);
    SetValue(L"Log", log_);
    return RunRegsvr32(Dll());
  }
  void Unregister() const {
    RunRegsvr32(Dll(), true);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tessaly Tests");
    DeleteFileW(description_.c_str());
    DeleteFileW(log_.c_str());
  }
  void ClearLog() const { DeleteFileW(log_.c_str()); }

  std::vector<std::string> Log() const {
    std::ifstream file(log_.c_str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }
  bool Logged(const std::string& line) const {
    std::vector<std::string> lines = Log();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  std::vector<std::string> LinesStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : Log()) {
      if (line.rfind(prefix, 0) == 0) found.push_back(line);
    }
    return found;
  }

 private:
  static std::wstring TempPath(const std::wstring& name) {
    wchar_t folder[MAX_PATH] = {0};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
  }
  static std::wstring Dll() {
    std::wstring path = L"Z:";
    for (char c : std::string(TQ_FAKE_OFFICE_DLL)) {
      path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    }
    return path;
  }
  void SetValue(const wchar_t* value, const std::wstring& data) const {
    RegSetKeyValueW(HKEY_CURRENT_USER, FakeKey(name_.c_str()).c_str(), value, REG_SZ, data.c_str(),
                    static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  }

  std::wstring name_;
  std::wstring description_;
  std::wstring log_;
};

}  // namespace tessaly
