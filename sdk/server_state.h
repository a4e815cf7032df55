#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

namespace tessaly {

// The state of the loaded server: what DllCanUnloadNow answers from, and
// the server's own type library with the type information of its
// interfaces, loaded on first need and kept until the server unloads.

// Every automation object the server hands out counts as live from its
// construction to its destruction, so that no object outlives the code it
// runs. Changed by interlocked increment and decrement only.
void CountObjectCreated();
void CountObjectDestroyed();
long LiveObjectCount();

// IClassFactory::LockServer.
void LockServer(bool lock);
long ServerLockCount();

// True when no object is alive and no lock is held.
bool ServerCanUnload();

// The module (DLL, or test program) this code is linked into, and its path.
HMODULE ServerModule();
std::wstring ServerModulePath();

// The type library of the server module (resource TYPELIB 1). Throws a
// ComError when it cannot be loaded.
ITypeLib* ServerTypeLibrary();

// What the automation base needs of one dual interface: the dispatch type
// information (IDispatch::GetTypeInfo), the vtable type information that
// names and invocations go through, and the interface with the automation
// interfaces it derives from (own IID first; IDispatch left out).
struct InterfaceTypeInfo {
  ITypeInfo* dispatch = nullptr;
  ITypeInfo* vtable = nullptr;
  std::vector<IID> iids;
};
// Looked up once per interface and kept; throws a ComError when the type
// library has no dual interface of that IID.
const InterfaceTypeInfo& TypeInfoOfInterface(REFIID iid);
// The type information of a coclass or any other type, looked up each time;
// the caller releases it.
ITypeInfo* TypeInfoOfGuid(REFGUID guid);

// Releases the type library and the cached type information; called when
// the DLL is unloaded with FreeLibrary (not at process exit, when the
// libraries they live in may be gone already).
void ReleaseServerState();

}  // namespace tessaly
