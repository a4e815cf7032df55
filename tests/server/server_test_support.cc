#include "tests/server/server_test_support.h"

namespace tessaly {

std::wstring ServerDllPath() {
  // Wine maps drive Z: to the root of the host's file system.
  std::string unix_path = TQ_SERVER_DLL;
  std::wstring path = L"Z:";
  for (char c : unix_path) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

DWORD RunRegsvr32(const std::wstring& dll, bool unregister) {
  std::wstring command = L"regsvr32.exe /s ";
  if (unregister) command += L"/u ";
  command += L"\"" + dll + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return static_cast<DWORD>(-1);
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = static_cast<DWORD>(-1);
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

ErrorObject TakeErrorObject() {
  ErrorObject out;
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || !info) return out;
  out.present = true;
  info->GetGUID(&out.guid);
  BSTR text = nullptr;
  if (SUCCEEDED(info->GetSource(&text)) && text) out.source = text;
  SysFreeString(text);
  text = nullptr;
  if (SUCCEEDED(info->GetDescription(&text)) && text) out.description = text;
  SysFreeString(text);
  info->GetHelpContext(&out.help_context);
  info->Release();
  return out;
}

std::wstring ReadClassesRootValue(const std::wstring& key, const std::wstring& name,
                                  bool* found) {
  if (found) *found = false;
  wchar_t data[1024] = {0};
  DWORD size = sizeof data - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name.empty() ? nullptr : name.c_str(),
                   RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) {
    return L"";
  }
  if (found) *found = true;
  return data;
}

bool ClassesRootKeyExists(const std::wstring& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(handle);
  return true;
}

namespace {

const wchar_t kTessalyKey[] = L"Software\\Orvane\\Orvane Tessaly";
const wchar_t kInstallValue[] = L"Installation Path";

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(h, &found));
    FindClose(h);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScopedInstallFolder::ScopedInstallFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + L"tessaly-install-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(path_.c_str(), nullptr);
  CreateDirectoryW((path_ + L"\\Profiles").c_str(), nullptr);
  wchar_t data[1024] = {0};
  DWORD size = sizeof data - sizeof(wchar_t);
  had_previous_ = RegGetValueW(HKEY_CURRENT_USER, kTessalyKey, kInstallValue, RRF_RT_REG_SZ,
                               nullptr, data, &size) == ERROR_SUCCESS;
  previous_ = data;
  RegSetKeyValueW(HKEY_CURRENT_USER, kTessalyKey, kInstallValue, REG_SZ, path_.c_str(),
                  static_cast<DWORD>((path_.size() + 1) * sizeof(wchar_t)));
}

ScopedInstallFolder::~ScopedInstallFolder() {
  if (had_previous_) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kTessalyKey, kInstallValue, REG_SZ, previous_.c_str(),
                    static_cast<DWORD>((previous_.size() + 1) * sizeof(wchar_t)));
  } else {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kTessalyKey, kInstallValue);
  }
  RemoveTree(path_);
}

}  // namespace tessaly
