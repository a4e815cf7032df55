// The fake Word as an in-process server. DllRegisterServer registers both
// forms under "Word.Application": this DLL and FakeWordServer.exe beside it.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/office/word_server/word_host.h"

namespace tessaly {
namespace {

HMODULE g_module = nullptr;
// Every fake handed out stays for the life of the process: objects of an
// earlier one may still be held when the next is made.
std::vector<std::unique_ptr<FakeWordServer>> g_servers;

std::wstring ModulePath() {
  wchar_t path[MAX_PATH] = {0};
  GetModuleFileNameW(g_module, path, MAX_PATH);
  return path;
}

std::wstring ClsidText() {
  wchar_t text[40] = {0};
  StringFromGUID2(kFakeWordClsid, text, 40);
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
  if (clsid != kFakeWordClsid) return CLASS_E_CLASSNOTAVAILABLE;
  ComPtr<IClassFactory> factory = FakeWordFactory([] {
    g_servers.push_back(HostedFakeWord());
    ComPtr<ScriptedObject> app = FakeWordApplication(g_servers.back().get());
    return ComPtr<IDispatch>::Share(app.Get());
  });
  return factory->QueryInterface(iid, out);
}

// The fakes live as long as the process.
extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  const std::wstring dll = ModulePath();
  const std::wstring exe = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"FakeWordServer.exe";
  const std::wstring key = L"CLSID\\" + ClsidText();
  bool ok = SetValue(key, nullptr, L"Fake Word") &&
            SetValue(key + L"\\InprocServer32", nullptr, dll) &&
            SetValue(key + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
            SetValue(key + L"\\LocalServer32", nullptr, L"\"" + exe + L"\"") &&
            SetValue(key + L"\\ProgID", nullptr, L"Word.Application") &&
            SetValue(L"Word.Application", nullptr, L"Fake Word") &&
            SetValue(L"Word.Application\\CLSID", nullptr, ClsidText());
  return ok ? S_OK : E_ACCESSDENIED;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + ClsidText()).c_str());
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Word.Application");
  return S_OK;
}
