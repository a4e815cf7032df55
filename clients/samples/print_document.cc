// Sample: the job of print_document.vbs from C++, with the header and GUIDs
// that widl makes from the type library (TessalySDK.h, TessalySDK_i.c). The
// profile and the bookmark go through vtable calls on IqvTessaly; the print
// goes through IDispatch by name, the way a late-bound host calls.
//
// Usage: print_document_sample.exe [document]
// Without a document it writes "Tessaly sample.txt" to %TEMP% and prints
// that. The last line is "sample: done"; the exit status is 1 on a failure.
#include <windows.h>

#include <cstdio>
#include <string>

#include "TessalySDK.h"

namespace {

// A BSTR for the length of a call.
class Bstr {
 public:
  explicit Bstr(const wchar_t* text) : text_(SysAllocString(text)) {}
  ~Bstr() { SysFreeString(text_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  operator BSTR() const { return text_; }

 private:
  BSTR text_;
};

// Prints a failed call with the description of the SDK's error object.
bool Check(HRESULT hr, const char* call) {
  if (SUCCEEDED(hr)) return true;
  IErrorInfo* info = nullptr;
  BSTR description = nullptr;
  if (GetErrorInfo(0, &info) == S_OK) {
    info->GetDescription(&description);
    info->Release();
  }
  std::printf("%s failed: 0x%08lX %ls\n", call, static_cast<unsigned long>(hr),
              description ? description : L"");
  SysFreeString(description);
  return false;
}

// Calls a member by name through IDispatch; the arguments stand in reverse order.
HRESULT Invoke(IDispatch* object, const wchar_t* name, WORD flags, VARIANT* args, UINT count,
               VARIANT* result) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params = {args, nullptr, count, 0};
  if (flags == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &put;
    params.cNamedArgs = 1;
  }
  EXCEPINFO exception = {};
  hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception,
                      nullptr);
  if (hr == DISP_E_EXCEPTION) {
    std::printf("%ls: %ls\n", name, exception.bstrDescription ? exception.bstrDescription : L"");
    hr = exception.scode;
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
  }
  return hr;
}

std::wstring SampleDocument() {
  wchar_t folder[MAX_PATH] = {0};
  GetTempPathW(MAX_PATH, folder);
  std::wstring path = std::wstring(folder) + L"Tessaly sample.txt";
  if (FILE* file = _wfopen(path.c_str(), L"w")) {
    std::fputs("Tessaly sample\nPrinted from C++ through the shell's print verb.\n", file);
    std::fclose(file);
  }
  return path;
}

// The profile of the sample's own, made again on every run and selected, and
// a bookmark for the next job: vtable calls.
bool Configure(IqvTessaly* tessaly) {
  Bstr name(L"C++ sample");
  VARIANT_BOOL deleted = VARIANT_FALSE;
  tessaly->DeleteProfile(name, &deleted);  // fails on the first run: not there yet
  IqvProfileSettingsX* profile = nullptr;
  if (!Check(tessaly->CreateNewProfile(name, &profile), "CreateNewProfile")) return false;
  bool done = Check(profile->put_DocInfoTitle(Bstr(L"Tessaly sample")), "DocInfoTitle") &&
              Check(profile->put_DocInfoAuthor(Bstr(L"C++")), "DocInfoAuthor");
  profile->Release();
  if (!done || !Check(tessaly->SelectCurrentProfile(name), "SelectCurrentProfile")) return false;
  std::printf("Profile: %ls\n", static_cast<const wchar_t*>(name));

  LONG number = 0;
  if (!Check(tessaly->AddPDFBookmark(Bstr(L"Tessaly sample"), 1, 0, 1, &number),
             "AddPDFBookmark")) {
    return false;
  }
  std::printf("Bookmark number: %ld\n", static_cast<long>(number));
  return true;
}

// SourceApplication = 3 (Other), then PrintDocument: IDispatch calls.
bool Print(IqvTessaly* tessaly, const std::wstring& document) {
  IDispatch* dispatch = nullptr;
  if (!Check(tessaly->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)),
             "QueryInterface(IDispatch)")) {
    return false;
  }
  VARIANT source;
  VariantInit(&source);
  V_VT(&source) = VT_I4;
  V_I4(&source) = Other;
  VARIANT path;
  VariantInit(&path);
  V_VT(&path) = VT_BSTR;
  V_BSTR(&path) = SysAllocString(document.c_str());
  bool done =
      Check(Invoke(dispatch, L"SourceApplication", DISPATCH_PROPERTYPUT, &source, 1, nullptr),
            "SourceApplication") &&
      Check(Invoke(dispatch, L"PrintDocument", DISPATCH_METHOD, &path, 1, nullptr),
            "PrintDocument");
  VariantClear(&path);
  dispatch->Release();
  if (done) std::printf("Printed %ls to Orvane Tessaly\n", document.c_str());
  return done;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring document = argc > 1 ? argv[1] : SampleDocument();
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  IqvTessaly* tessaly = nullptr;
  bool done = Check(CoCreateInstance(CLSID_qvTessaly, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IqvTessaly, reinterpret_cast<void**>(&tessaly)),
                    "CoCreateInstance(TessalySDK.qvTessaly)") &&
              Configure(tessaly) && Print(tessaly, document);
  if (tessaly) tessaly->Release();
  CoUninitialize();
  if (!done) return 1;
  std::printf("sample: done\n");
  return 0;
}
