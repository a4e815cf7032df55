#include "sdk/server_state.h"

#include <map>
#include <memory>
#include <mutex>

#include "com/com_error.h"
#include "com/com_ptr.h"

namespace tessaly {
namespace {

LONG g_objects = 0;
LONG g_locks = 0;

struct IidLess {
  bool operator()(const IID& a, const IID& b) const { return memcmp(&a, &b, sizeof(IID)) < 0; }
};

// Guards the type library and the cache; objects are created from any
// thread ("Both" threading model).
std::mutex g_mutex;
ITypeLib* g_type_library = nullptr;
std::map<IID, std::unique_ptr<InterfaceTypeInfo>, IidLess>* g_interfaces = nullptr;

ITypeLib* LoadedTypeLibrary() {
  if (!g_type_library) {
    std::wstring path = ServerModulePath();
    CheckHr(LoadTypeLibEx(path.c_str(), REGKIND_NONE, &g_type_library),
            "Loading the type library of TessalySDK");
  }
  return g_type_library;
}

std::unique_ptr<InterfaceTypeInfo> LookUpInterface(REFIID iid) {
  ComPtr<ITypeInfo> dispatch, vtable;
  CheckHr(LoadedTypeLibrary()->GetTypeInfoOfGuid(iid, dispatch.Out()), "Finding an interface");
  // The dispatch information of a dual interface refers to its vtable
  // interface as implemented type -1. Invoking through the dispatch
  // information would call IDispatch::Invoke again.
  HREFTYPE vtable_ref = 0;
  CheckHr(dispatch->GetRefTypeOfImplType(-1, &vtable_ref), "Finding a dual interface");
  CheckHr(dispatch->GetRefTypeInfo(vtable_ref, vtable.Out()), "Finding a dual interface");

  auto info = std::make_unique<InterfaceTypeInfo>();
  // The interface and the interfaces it derives from, up to IDispatch.
  for (ComPtr<ITypeInfo> current = vtable; current;) {
    TYPEATTR* attr = nullptr;
    CheckHr(current->GetTypeAttr(&attr), "Reading an interface");
    IID this_iid = attr->guid;
    bool has_base = attr->cImplTypes > 0;
    current->ReleaseTypeAttr(attr);
    if (IsEqualIID(this_iid, IID_IDispatch) || IsEqualIID(this_iid, IID_IUnknown)) break;
    info->iids.push_back(this_iid);
    ComPtr<ITypeInfo> base;
    HREFTYPE base_ref = 0;
    if (has_base && SUCCEEDED(current->GetRefTypeOfImplType(0, &base_ref))) {
      current->GetRefTypeInfo(base_ref, base.Out());
    }
    current = base;
  }
  info->dispatch = dispatch.Detach();
  info->vtable = vtable.Detach();
  return info;
}

}  // namespace

void CountObjectCreated() { InterlockedIncrement(&g_objects); }
void CountObjectDestroyed() { InterlockedDecrement(&g_objects); }
long LiveObjectCount() { return InterlockedCompareExchange(&g_objects, 0, 0); }

void LockServer(bool lock) {
  if (lock) {
    InterlockedIncrement(&g_locks);
  } else {
    InterlockedDecrement(&g_locks);
  }
}
long ServerLockCount() { return InterlockedCompareExchange(&g_locks, 0, 0); }

bool ServerCanUnload() { return LiveObjectCount() == 0 && ServerLockCount() == 0; }

HMODULE ServerModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ServerModule), &module);
  return module;
}

std::wstring ServerModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(ServerModule(), &path[0], static_cast<DWORD>(path.size()));
    if (n == 0) CheckHr(HRESULT_FROM_WIN32(GetLastError()), "Finding the server's file");
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

ITypeLib* ServerTypeLibrary() {
  std::lock_guard<std::mutex> lock(g_mutex);
  return LoadedTypeLibrary();
}

const InterfaceTypeInfo& TypeInfoOfInterface(REFIID iid) {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (!g_interfaces) g_interfaces = new std::map<IID, std::unique_ptr<InterfaceTypeInfo>, IidLess>;
  auto& slot = (*g_interfaces)[iid];
  if (!slot) slot = LookUpInterface(iid);
  return *slot;
}

ITypeInfo* TypeInfoOfGuid(REFGUID guid) {
  std::lock_guard<std::mutex> lock(g_mutex);
  ITypeInfo* info = nullptr;
  CheckHr(LoadedTypeLibrary()->GetTypeInfoOfGuid(guid, &info), "Finding a type");
  return info;
}

void ReleaseServerState() {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (g_interfaces) {
    for (auto& entry : *g_interfaces) {
      if (!entry.second) continue;
      entry.second->dispatch->Release();
      entry.second->vtable->Release();
    }
    delete g_interfaces;
    g_interfaces = nullptr;
  }
  if (g_type_library) {
    g_type_library->Release();
    g_type_library = nullptr;
  }
}

}  // namespace tessaly
