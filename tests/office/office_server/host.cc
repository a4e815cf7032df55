#include "tests/office/office_server/host.h"

#include <string>
#include <vector>

#include "common/exception.h"
#include "common/ini_file.h"
#include "common/store_codec.h"
#include "platform/code_page.h"
#include "platform/env.h"

namespace tessaly {

namespace {

std::wstring UserValue(const wchar_t* key, const wchar_t* name, const std::wstring& fallback) {
  wchar_t data[2048] = {0};
  DWORD size = sizeof data - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, data, &size) !=
      ERROR_SUCCESS) {
    return fallback;
  }
  return data;
}

// The whole file, or nothing when it cannot be read.
std::string FileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  CloseHandle(file);
  return bytes;
}

void AppendLine(const std::wstring& path, const std::wstring& line) {
  if (path.empty()) return;
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  std::string text = DefaultEnv().code_page->ToAnsi(line) + "\r\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

std::wstring DeviceEntry() {
  wchar_t device[512] = {0};
  GetProfileStringW(L"windows", L"device", L"", device, 512);
  return device;
}

std::vector<std::wstring> PlugInLines() {
  std::wstring install = UserValue(L"Software\\Orvane\\Orvane Tessaly", L"Installation Path",
                                   L"C:\\Program Files\\Orvane\\Tessaly");
  std::string bytes = FileBytes(install + L"\\Profiles\\PlugIn.qvf");
  if (bytes.empty()) return {L"(no file)"};
  std::string text;
  try {
    text = DecodeStore(bytes);
  } catch (const Exception& e) {
    return {L"(corrupt: " + DefaultEnv().code_page->FromAnsi(e.what()) + L")"};
  }
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(DefaultEnv().code_page->FromAnsi(text.substr(start, end - start)));
  }
  return lines;
}

class Factory : public IClassFactory {
 public:
  explicit Factory(std::function<ComPtr<IDispatch>()> make) : make_(std::move(make)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    try {
      ComPtr<IDispatch> object = make_();
      return object->QueryInterface(iid, out);
    } catch (const std::exception&) {
      return E_FAIL;
    }
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  virtual ~Factory() = default;
  ULONG references_ = 1;
  std::function<ComPtr<IDispatch>()> make_;
};

}  // namespace

const FakeClass* FakeClassOf(REFCLSID clsid) {
  for (const FakeClass& c : FakeClasses()) {
    if (c.clsid == clsid) return &c;
  }
  return nullptr;
}

const FakeClass* FakeClassNamed(const std::wstring& name) {
  for (const FakeClass& c : FakeClasses()) {
    if (name == c.name) return &c;
  }
  return nullptr;
}

std::wstring FakeKey(const wchar_t* name) {
  return std::wstring(L"Software\\Tessaly Tests\\Fake ") + name;
}

std::unique_ptr<IniFile> FakeDescription(const wchar_t* name) {
  auto description = std::make_unique<IniFile>("", DefaultEnv().code_page->UpperTable(), '.');
  description->SetText(FileBytes(UserValue(FakeKey(name).c_str(), L"Documents", L"")));
  return description;
}

ScriptedObject::Log FakeLog(const wchar_t* name) {
  std::wstring log = UserValue(FakeKey(name).c_str(), L"Log", L"");
  return [log](const std::wstring& line) { AppendLine(log, line); };
}

void LogPrintOutSurroundings(const ScriptedObject::Log& log) {
  log(L"PrintOut.Device=" + DeviceEntry());
  for (const std::wstring& line : PlugInLines()) log(L"PrintOut.PlugIn: " + line);
}

ComPtr<IClassFactory> FakeFactory(std::function<ComPtr<IDispatch>()> make) {
  return ComPtr<IClassFactory>::Attach(new Factory(std::move(make)));
}

}  // namespace tessaly
