// The fake Office applications as an in-process server. DllRegisterServer
// registers each class under its ProgID in both forms: this DLL, and
// FakeOfficeServer.exe beside it started with the class's name.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/office/office_server/host.h"

namespace tessaly {
namespace {

HMODULE g_module = nullptr;
// Every fake handed out stays for the life of the process: objects of an
// earlier one may still be held when the next is made.
std::vector<std::unique_ptr<FakeServer>> g_servers;

std::wstring ModulePath() {
  wchar_t path[MAX_PATH] = {0};
  GetModuleFileNameW(g_module, path, MAX_PATH);
  return path;
}

std::wstring ClsidText(const CLSID& clsid) {
  wchar_t text[40] = {0};
  StringFromGUID2(clsid, text, 40);
  return text;
}

bool SetValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  LONG result =
      RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return result == ERROR_SUCCESS;
}

}  // namespace
}  // namespace tessaly

using namespace tessaly;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  *out = nullptr;
  const FakeClass* fake = FakeClassOf(clsid);
  if (!fake) return CLASS_E_CLASSNOTAVAILABLE;
  ComPtr<IClassFactory> factory = FakeFactory([fake] {
    HostedFake hosted = fake->host();
    g_servers.push_back(std::move(hosted.server));
    return ComPtr<IDispatch>::Share(hosted.application.Get());
  });
  return factory->QueryInterface(iid, out);
}

// The fakes live as long as the process.
extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  const std::wstring dll = ModulePath();
  const std::wstring exe = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"FakeOfficeServer.exe";
  bool ok = true;
  for (const FakeClass& c : FakeClasses()) {
    const std::wstring key = L"CLSID\\" + ClsidText(c.clsid);
    const std::wstring title = std::wstring(L"Fake ") + c.name;
    ok = ok && SetValue(key, nullptr, title) && SetValue(key + L"\\InprocServer32", nullptr, dll) &&
         SetValue(key + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
         SetValue(key + L"\\LocalServer32", nullptr, L"\"" + exe + L"\" " + c.name) &&
         SetValue(key + L"\\ProgID", nullptr, c.prog_id) && SetValue(c.prog_id, nullptr, title) &&
         SetValue(std::wstring(c.prog_id) + L"\\CLSID", nullptr, ClsidText(c.clsid));
  }
  return ok ? S_OK : E_ACCESSDENIED;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  for (const FakeClass& c : FakeClasses()) {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + ClsidText(c.clsid)).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, c.prog_id);
  }
  return S_OK;
}
