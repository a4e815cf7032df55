// Compares what an installer left in the registry with the server's own
// registration table (server/registration.h), for one view:
//   tq_registration_check present <win32|win64> <installed DLL path>
//   tq_registration_check absent <win32|win64>
// present: every value that DllRegisterServer writes for a DLL at that path,
// the type library's path for that platform and the interfaces' type
// library keys; absent: none of the class's keys, the type library's path
// or the interfaces are left. Prints each difference and exits 1 on any.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "com/class_info.h"
#include "com/com_ptr.h"
#include "sdk/server_state.h"
#include "server/registration.h"
#include "typelib/TessalySDK.h"

namespace tessaly {
namespace {

REGSAM ViewFlag(SYSKIND syskind) {
  return syskind == SYS_WIN64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

bool ReadValue(SYSKIND syskind, const std::wstring& key, const std::wstring& name,
               std::wstring* out) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ | ViewFlag(syskind), &handle) !=
      ERROR_SUCCESS) {
    return false;
  }
  wchar_t data[1024] = {0};
  DWORD size = sizeof(data) - sizeof(wchar_t), type = 0;
  LONG result = RegQueryValueExW(handle, name.empty() ? nullptr : name.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(handle);
  if (result != ERROR_SUCCESS || type != REG_SZ) return false;
  *out = data;
  return true;
}

bool KeyExists(SYSKIND syskind, const std::wstring& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ | ViewFlag(syskind), &handle) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(handle);
  return true;
}

std::wstring LongPath(const std::wstring& path) {
  wchar_t out[MAX_PATH] = {0};
  return GetLongPathNameW(path.c_str(), out, MAX_PATH) ? out : path;
}

int Check(bool present, SYSKIND syskind, const std::wstring& path) {
  ClassInfo info = ReadClassInfo(ServerTypeLibrary(), CLSID_qvTessaly, "TqvTessaly");
  info.syskind = syskind;
  const std::wstring libid = GuidText(info.libid);
  const std::wstring version =
      std::to_wstring(info.major_version) + L"." + std::to_wstring(info.minor_version);
  // The class's values, then the type library's path for this platform.
  std::vector<RegistryValue> expected =
      ClassRegistryValues(info, present ? InprocServerPath(LongPath(path)) : L"");
  expected.push_back({L"TypeLib\\" + libid + L"\\" + version + L"\\409\\" +
                          (syskind == SYS_WIN64 ? L"win64" : L"win32"),
                      L"", present ? LongPath(path) : L""});
  ITypeLib* library = ServerTypeLibrary();
  for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
    TYPEKIND kind;
    ComPtr<ITypeInfo> type;
    if (FAILED(library->GetTypeInfoType(i, &kind)) || kind != TKIND_DISPATCH ||
        FAILED(library->GetTypeInfo(i, type.Out()))) {
      continue;
    }
    TYPEATTR* attr = nullptr;
    type->GetTypeAttr(&attr);
    expected.push_back({L"Interface\\" + GuidText(attr->guid) + L"\\TypeLib", L"", libid});
    type->ReleaseTypeAttr(attr);
  }

  int differences = 0;
  for (const RegistryValue& value : expected) {
    std::wstring found;
    bool there = ReadValue(syskind, value.key, value.name, &found);
    bool right = present ? there && found == value.value : !KeyExists(syskind, value.key);
    if (right) continue;
    ++differences;
    std::printf("registration-check: %ls [%ls]: %ls%ls%ls\n", value.key.c_str(),
                value.name.c_str(), there ? found.c_str() : L"missing",
                present ? L", expected " : L" is left", present ? value.value.c_str() : L"");
  }
  std::printf("registration-check: %s %s, %zu values, %d differences\n",
              present ? "present" : "absent", syskind == SYS_WIN64 ? "win64" : "win32",
              expected.size(), differences);
  return differences == 0 ? 0 : 1;
}

}  // namespace
}  // namespace tessaly

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  const std::wstring view = argc > 2 ? argv[2] : L"";
  const bool present = mode == L"present";
  if ((!present && mode != L"absent") || (view != L"win32" && view != L"win64") ||
      argc != (present ? 4 : 3)) {
    std::printf("usage: tq_registration_check present <win32|win64> <dll> | absent <view>\n");
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int result = tessaly::Check(present, view == L"win64" ? SYS_WIN64 : SYS_WIN32,
                              present ? argv[3] : L"");
  CoUninitialize();
  return result;
}
