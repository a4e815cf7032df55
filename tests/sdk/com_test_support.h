#pragma once

// What the automation object tests share: owning BSTR and VARIANT holders,
// the thread's error object as a caller reads it, and IDispatch::Invoke by
// dispatch id as a script engine calls it.

#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

#include "com/com_ptr.h"

namespace tessaly {

struct Bstr {
  explicit Bstr(const wchar_t* text = L"") : p(SysAllocString(text)) {}
  ~Bstr() { SysFreeString(p); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR p;
};

struct Var : VARIANT {
  Var() { VariantInit(this); }
  ~Var() { VariantClear(this); }
  Var(const Var&) = delete;
  Var& operator=(const Var&) = delete;
};

inline std::wstring Take(BSTR text) {
  std::wstring out = text ? text : L"";
  SysFreeString(text);
  return out;
}

struct ErrorObject {
  bool present = false;
  GUID guid{};
  std::wstring source, description;
  DWORD help_context = 0;
};

// Taking the error object clears it, as GetErrorInfo does for a caller.
inline ErrorObject TakeErrorInfo() {
  ErrorObject out;
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || !info) return out;
  out.present = true;
  info->GetGUID(&out.guid);
  BSTR text = nullptr;
  info->GetSource(&text);
  out.source = Take(text);
  text = nullptr;
  info->GetDescription(&text);
  out.description = Take(text);
  info->GetHelpContext(&out.help_context);
  info->Release();
  return out;
}

// One IDispatch::Invoke: its result, HRESULT and exception information.
struct Invocation {
  HRESULT hr = S_OK;
  EXCEPINFO exception{};
  Var result;
  Invocation() = default;
  Invocation(const Invocation&) = delete;
  Invocation& operator=(const Invocation&) = delete;
  ~Invocation() {
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
  }
  std::wstring description() const {
    return exception.bstrDescription ? exception.bstrDescription : L"";
  }
};

// `args` in the order of the parameter list (Invoke wants them reversed);
// a property put passes its value as the one argument. The arguments are
// borrowed, not cleared.
inline void Invoke(IDispatch* object, DISPID id, WORD flags, std::vector<VARIANT> args,
                   Invocation* call) {
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPID put_id = DISPID_PROPERTYPUT;
  DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if (flags == DISPATCH_PROPERTYPUT || flags == DISPATCH_PROPERTYPUTREF) {
    params.rgdispidNamedArgs = &put_id;
    params.cNamedArgs = 1;
  }
  UINT bad_argument = 0;
  call->hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &call->result,
                            &call->exception, &bad_argument);
}

inline VARIANT BstrArg(BSTR text) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = text;
  return v;
}

inline VARIANT I4Arg(LONG value) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_I4;
  V_I4(&v) = value;
  return v;
}

inline VARIANT BoolArg(bool value) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BOOL;
  V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

inline VARIANT DispatchArg(IDispatch* object) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_DISPATCH;
  V_DISPATCH(&v) = object;
  return v;
}

template <class I, class T>
ComPtr<I> As(T* object) {
  ComPtr<I> out;
  if (object) object->QueryInterface(__uuidof(I), reinterpret_cast<void**>(out.Out()));
  return out;
}

}  // namespace tessaly
