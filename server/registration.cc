#include "server/registration.h"

#include "com/com_error.h"
#include "common/exception.h"

namespace tessaly {
namespace {

const char kRegistryError[] = "Error creating system registry entry";

std::wstring ClsidKey(const ClassInfo& info) { return L"CLSID\\" + GuidText(info.clsid); }

RegistryView OtherView(RegistryView view) {
  return view == RegistryView::k32 ? RegistryView::k64 : RegistryView::k32;
}

REGSAM ViewFlag(RegistryView view) {
  return view == RegistryView::k32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

// A 32-bit process sees a 64-bit view only under WOW64.
bool SystemHasView(RegistryView view) {
  if (view == RegistryView::k32 || sizeof(void*) == 8) return true;
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

std::wstring LongPath(const std::wstring& path) {
  DWORD n = GetLongPathNameW(path.c_str(), nullptr, 0);
  if (n == 0) return path;
  std::wstring out(n, L'\0');
  n = GetLongPathNameW(path.c_str(), &out[0], n);
  if (n == 0 || n >= out.size()) return path;
  out.resize(n);
  return out;
}

std::wstring FolderOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

std::wstring GuidText(const GUID& guid) {
  wchar_t text[40] = {0};
  StringFromGUID2(guid, text, 40);
  return text;
}

std::vector<RegistryValue> ClassRegistryValues(const ClassInfo& info,
                                               const std::wstring& inproc_path) {
  const std::wstring clsid = ClsidKey(info);
  return {
      {clsid, L"", info.description},
      {clsid + L"\\InprocServer32", L"", inproc_path},
      {clsid + L"\\InprocServer32", L"ThreadingModel", info.threading_model},
      {info.prog_id, L"", info.description},
      {info.prog_id + L"\\Clsid", L"", GuidText(info.clsid)},
      {clsid + L"\\ProgID", L"", info.prog_id},
      {clsid + L"\\Version", L"",
       std::to_wstring(info.major_version) + L"." + std::to_wstring(info.minor_version)},
      {clsid + L"\\TypeLib", L"", GuidText(info.libid)},
  };
}

RegistryView ViewOf(const ClassInfo& info) {
  return info.syskind == SYS_WIN64 ? RegistryView::k64 : RegistryView::k32;
}

bool IsSharedKey(const ClassInfo& info, const std::wstring& key) {
  return key == info.prog_id || key.rfind(info.prog_id + L"\\", 0) == 0;
}

std::vector<std::wstring> ClassRegistryKeys(const ClassInfo& info) {
  const std::wstring clsid = ClsidKey(info);
  return {
      clsid + L"\\TypeLib",     clsid + L"\\Version", clsid + L"\\ProgID",
      info.prog_id + L"\\Clsid", info.prog_id,        clsid + L"\\InprocServer32",
      clsid,
  };
}

std::wstring InprocServerPath(const std::wstring& full_path) {
  if (full_path.find(L' ') == std::wstring::npos) return full_path;
  DWORD n = GetShortPathNameW(full_path.c_str(), nullptr, 0);
  if (n == 0) return full_path;
  std::wstring out(n, L'\0');
  n = GetShortPathNameW(full_path.c_str(), &out[0], n);
  if (n == 0 || n >= out.size()) return full_path;
  out.resize(n);
  return out;
}

void RegisterServer(const ClassInfo& info, ITypeLib* library, const std::wstring& module_path,
                    ServerRegistry& registry) {
  std::wstring long_path = LongPath(module_path);
  registry.RegisterTypeLibrary(library, long_path, FolderOf(long_path));
  for (const RegistryValue& value : ClassRegistryValues(info, InprocServerPath(long_path))) {
    registry.SetValue(ViewOf(info), value);
  }
}

void UnregisterServer(const ClassInfo& info, ServerRegistry& registry) {
  const RegistryView view = ViewOf(info);
  const bool other_view_registered =
      registry.KeyExists(OtherView(view), ClsidKey(info) + L"\\InprocServer32");
  registry.UnregisterTypeLibrary(info);
  for (const std::wstring& key : ClassRegistryKeys(info)) {
    if (other_view_registered && IsSharedKey(info, key)) continue;
    registry.DeleteKey(view, key);
  }
}

void Win32ServerRegistry::RegisterTypeLibrary(ITypeLib* library, const std::wstring& path,
                                              const std::wstring& help_directory) {
  std::wstring path_copy = path, help_copy = help_directory;
  CheckHr(::RegisterTypeLib(library, &path_copy[0], &help_copy[0]),
          "Registering the type library");
}

void Win32ServerRegistry::SetValue(RegistryView view, const RegistryValue& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, value.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE | ViewFlag(view), nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    throw Exception(kRegistryError);
  }
  LONG result = RegSetValueExW(
      key, value.name.empty() ? nullptr : value.name.c_str(), 0, REG_SZ,
      reinterpret_cast<const BYTE*>(value.value.c_str()),
      static_cast<DWORD>((value.value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) throw Exception(kRegistryError);
}

void Win32ServerRegistry::UnregisterTypeLibrary(const ClassInfo& info) {
  ::UnRegisterTypeLib(info.libid, info.major_version, info.minor_version, info.lcid,
                      info.syskind);
}

void Win32ServerRegistry::DeleteKey(RegistryView view, const std::wstring& key) {
  RegDeleteKeyExW(HKEY_CLASSES_ROOT, key.c_str(), ViewFlag(view), 0);
}

bool Win32ServerRegistry::KeyExists(RegistryView view, const std::wstring& key) {
  if (!SystemHasView(view)) return false;
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ | ViewFlag(view), &handle) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(handle);
  return true;
}

}  // namespace tessaly
