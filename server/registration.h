#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

#include "com/class_info.h"

namespace tessaly {

// The two views of HKEY_CLASSES_ROOT on 64-bit Windows. A server registers
// in the view of its own width: its CLSID (and the interfaces that the type
// library registers) stand apart in each view, while the ProgID keys and
// the type library's version key are shared by both. 32-bit Windows has the
// 32-bit view only.
enum class RegistryView { k32, k64 };

// The view of a server whose type library has `info.syskind`.
RegistryView ViewOf(const ClassInfo& info);

// One REG_SZ value under HKEY_CLASSES_ROOT; an empty name is the key's
// default value.
struct RegistryValue {
  std::wstring key;
  std::wstring name;
  std::wstring value;
};

// The values that register `info`, in the order they are written.
// `inproc_path` is what goes into InprocServer32.
std::vector<RegistryValue> ClassRegistryValues(const ClassInfo& info,
                                               const std::wstring& inproc_path);
// The keys that unregistration deletes, in order (subkeys first).
std::vector<std::wstring> ClassRegistryKeys(const ClassInfo& info);
// Whether `key` of ClassRegistryKeys is shared by both views.
bool IsSharedKey(const ClassInfo& info, const std::wstring& key);

// The path COM loads the server from: the full path, or its short (8.3)
// form when it contains a blank and the file system offers one.
std::wstring InprocServerPath(const std::wstring& full_path);

// Where registration goes: the system in the DLL, a recording fake in tests.
class ServerRegistry {
 public:
  virtual ~ServerRegistry() = default;
  // Both throw Exception on failure.
  virtual void RegisterTypeLibrary(ITypeLib* library, const std::wstring& path,
                                   const std::wstring& help_directory) = 0;
  virtual void SetValue(RegistryView view, const RegistryValue& value) = 0;
  // Both ignore failures.
  virtual void UnregisterTypeLibrary(const ClassInfo& info) = 0;
  virtual void DeleteKey(RegistryView view, const std::wstring& key) = 0;
  // False also for a view that this system does not have.
  virtual bool KeyExists(RegistryView view, const std::wstring& key) = 0;
};

// HKEY_CLASSES_ROOT and the system's type-library registration.
class Win32ServerRegistry : public ServerRegistry {
 public:
  void RegisterTypeLibrary(ITypeLib* library, const std::wstring& path,
                           const std::wstring& help_directory) override;
  void SetValue(RegistryView view, const RegistryValue& value) override;
  void UnregisterTypeLibrary(const ClassInfo& info) override;
  void DeleteKey(RegistryView view, const std::wstring& key) override;
  bool KeyExists(RegistryView view, const std::wstring& key) override;
};

// Registers the type library (path: `module_path` in its long form; help
// directory: its folder) and then writes the values of ClassRegistryValues
// in the view of `info`. Throws at the first step that fails; steps done
// stay done.
void RegisterServer(const ClassInfo& info, ITypeLib* library, const std::wstring& module_path,
                    ServerRegistry& registry);
// Unregisters the type library and deletes the keys of the view of `info`;
// the shared keys stay while the class is still registered in the other
// view, whose server needs them. Never fails.
void UnregisterServer(const ClassInfo& info, ServerRegistry& registry);

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
std::wstring GuidText(const GUID& guid);

}  // namespace tessaly
