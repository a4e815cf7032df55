// A fake Office application as a program of its own, as COM starts it for
// CLSCTX_LOCAL_SERVER ("FakeOfficeServer.exe Word -Embedding"): the class
// named by the first argument, one application object for every client,
// registered as running so that GetActiveObject finds it. It ends when the
// last client has let go of the application and of every object it handed out,
// or after a minute in which no client came.
#include <windows.h>

#include <oleauto.h>

#include <string>

#include "tests/office/office_server/host.h"

using namespace tessaly;

namespace {

constexpr UINT kCheckMs = 200;
constexpr DWORD kIdleMs = 60000;

}  // namespace

int main(int argc, char** argv) {
  const FakeClass* fake =
      argc > 1 ? FakeClassNamed(std::wstring(argv[1], argv[1] + strlen(argv[1]))) : nullptr;
  if (!fake) return 3;
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  HostedFake hosted = fake->host();
  std::unique_ptr<FakeServer> server = std::move(hosted.server);
  bool connected = false;
  DWORD clients = 0;
  ComPtr<ScriptedObject> app = hosted.application;
  app->OnConnections([&](DWORD strong) {
    clients = strong;
    connected = connected || strong > 0;
  });
  ComPtr<IClassFactory> factory = FakeFactory([&] { return ComPtr<IDispatch>::Share(app.Get()); });
  DWORD class_cookie = 0, active_cookie = 0;
  if (FAILED(CoRegisterClassObject(fake->clsid, factory.Get(), CLSCTX_LOCAL_SERVER,
                                   REGCLS_MULTIPLEUSE, &class_cookie))) {
    return 2;
  }
  // Weak: the table of running objects does not keep the fake alive.
  RegisterActiveObject(app.Get(), fake->clsid, ACTIVEOBJECT_WEAK, &active_cookie);
  server->log(L"Server started");
  SetTimer(nullptr, 0, kCheckMs, nullptr);
  const DWORD started = GetTickCount();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER) {
      bool released = connected && clients == 0 && ScriptedObject::Alive() == 1;
      bool idle = !connected && GetTickCount() - started > kIdleMs;
      if (released || idle) break;
    }
    DispatchMessageW(&message);
  }
  server->log(L"Server ended");
  RevokeActiveObject(active_cookie, nullptr);
  CoRevokeClassObject(class_cookie);
  app.Reset();
  factory.Reset();
  CoUninitialize();
  return 0;
}
