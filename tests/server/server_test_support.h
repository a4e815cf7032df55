#pragma once

#include <windows.h>

#include <oaidl.h>
#include <objbase.h>

#include <string>

namespace tessaly {

// COM for the calling thread for the life of the object.
class ComApartment {
 public:
  ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~ComApartment() { CoUninitialize(); }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
};

// The Windows path of the DLL this build made.
std::wstring ServerDllPath();

// Runs regsvr32 /s (with /u to unregister) on `dll` and returns its exit
// code: 0 when the server's function succeeded.
DWORD RunRegsvr32(const std::wstring& dll, bool unregister = false);

// The thread's error information, taken (and so cleared) by GetErrorInfo.
struct ErrorObject {
  bool present = false;
  GUID guid{};
  std::wstring source, description;
  DWORD help_context = 0;
};
ErrorObject TakeErrorObject();

// A REG_SZ value of HKEY_CLASSES_ROOT; `found` false when key or value is
// missing.
std::wstring ReadClassesRootValue(const std::wstring& key, const std::wstring& name,
                                  bool* found = nullptr);
bool ClassesRootKeyExists(const std::wstring& key);

// A fresh installation folder (with its Profiles folder) named in the
// current user's "Installation Path" for the life of the object; the
// previous value and the folder's files go afterwards. Tests that use it
// must not run beside others that do (CTest RUN_SERIAL).
class ScopedInstallFolder {
 public:
  ScopedInstallFolder();
  ~ScopedInstallFolder();
  ScopedInstallFolder(const ScopedInstallFolder&) = delete;
  ScopedInstallFolder& operator=(const ScopedInstallFolder&) = delete;
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
  std::wstring previous_;
  bool had_previous_ = false;
};

}  // namespace tessaly
