// The four entry points of TessalySDK.dll, exported undecorated through
// TessalySDK.def.

#include <windows.h>

#include "com/class_info.h"
#include "common/exception.h"
#include "platform/env.h"
#include "sdk/error_conversion.h"
#include "sdk/server_state.h"
#include "sdk/tessaly_object.h"
#include "server/class_factory.h"
#include "server/registration.h"
#include "typelib/TessalySDK.h"

namespace tessaly {
namespace {

// The creatable class, read from the type library on first need.
const ClassInfo& TessalyClass() {
  static const ClassInfo info = ReadClassInfo(ServerTypeLibrary(), CLSID_qvTessaly, "TqvTessaly");
  return info;
}

ClassFactory& TessalyFactory() {
  static ClassFactory factory(CreateTessalyObject, DefaultEnv().messages);
  return factory;
}

}  // namespace
}  // namespace tessaly

// Thread notifications stay on: the statically linked runtime frees its
// per-thread data through them.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    // FreeLibrary, not process exit: the system libraries are still there.
    tessaly::ReleaseServerState();
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_qvTessaly)) return CLASS_E_CLASSNOTAVAILABLE;
  return tessaly::Guarded(
      [&] {
        tessaly::TessalyClass();
        return tessaly::TessalyFactory().QueryInterface(riid, out);
      },
      tessaly::Answering(CLASS_E_CLASSNOTAVAILABLE));
}

STDAPI DllCanUnloadNow() { return tessaly::ServerCanUnload() ? S_OK : S_FALSE; }

// Registration answers any failure with E_FAIL, the code regsvr32 and
// installers expect; the steps already done stay done.
STDAPI DllRegisterServer() {
  return tessaly::Guarded(
      [] {
        tessaly::Win32ServerRegistry registry;
        tessaly::RegisterServer(tessaly::TessalyClass(), tessaly::ServerTypeLibrary(),
                                tessaly::ServerModulePath(), registry);
        return S_OK;
      },
      tessaly::Answering(E_FAIL));
}

STDAPI DllUnregisterServer() {
  return tessaly::Guarded(
      [] {
        tessaly::Win32ServerRegistry registry;
        tessaly::UnregisterServer(tessaly::TessalyClass(), registry);
        return S_OK;
      },
      tessaly::Answering(E_FAIL));
}
