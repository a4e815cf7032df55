// The fake Word as a program of its own, as COM starts it for
// CLSCTX_LOCAL_SERVER: one application object for every client, registered
// as running so that GetActiveObject finds it. It ends when the last
// client has let go of the application and of every object it handed out,
// or after a minute in which no client came.
#include <windows.h>

#include <oleauto.h>

#include "tests/office/word_server/word_host.h"

using namespace tessaly;

namespace {

constexpr UINT kCheckMs = 200;
constexpr DWORD kIdleMs = 60000;

}  // namespace

int main() {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  std::unique_ptr<FakeWordServer> server = HostedFakeWord();
  bool connected = false;
  DWORD clients = 0;
  ComPtr<ScriptedObject> app = FakeWordApplication(server.get());
  app->OnConnections([&](DWORD strong) {
    clients = strong;
    connected = connected || strong > 0;
  });
  ComPtr<IClassFactory> factory =
      FakeWordFactory([&] { return ComPtr<IDispatch>::Share(app.Get()); });
  DWORD class_cookie = 0, active_cookie = 0;
  if (FAILED(CoRegisterClassObject(kFakeWordClsid, factory.Get(), CLSCTX_LOCAL_SERVER,
                                   REGCLS_MULTIPLEUSE, &class_cookie))) {
    return 2;
  }
  // Weak: the table of running objects does not keep the fake alive.
  RegisterActiveObject(app.Get(), kFakeWordClsid, ACTIVEOBJECT_WEAK, &active_cookie);
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
