#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

#include "com/class_info.h"

namespace tessaly {

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
  virtual void SetValue(const RegistryValue& value) = 0;
  // Both ignore failures.
  virtual void UnregisterTypeLibrary(const ClassInfo& info) = 0;
  virtual void DeleteKey(const std::wstring& key) = 0;
};

// HKEY_CLASSES_ROOT and the system's type-library registration.
class Win32ServerRegistry : public ServerRegistry {
 public:
  void RegisterTypeLibrary(ITypeLib* library, const std::wstring& path,
                           const std::wstring& help_directory) override;
  void SetValue(const RegistryValue& value) override;
  void UnregisterTypeLibrary(const ClassInfo& info) override;
  void DeleteKey(const std::wstring& key) override;
};

// Registers the type library (path: `module_path` in its long form; help
// directory: its folder) and then writes the values of ClassRegistryValues.
// Throws at the first step that fails; steps done stay done.
void RegisterServer(const ClassInfo& info, ITypeLib* library, const std::wstring& module_path,
                    ServerRegistry& registry);
// Unregisters the type library and deletes the keys; never fails.
void UnregisterServer(const ClassInfo& info, ServerRegistry& registry);

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
std::wstring GuidText(const GUID& guid);

}  // namespace tessaly
