#pragma once

#include <windows.h>

#include <oaidl.h>
#include <ocidl.h>

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

#include "com/com_ptr.h"
#include "com/com_text.h"

namespace tessaly {

// Where a failure at the automation boundary is reported from: the IID of
// the object's interface and, for the main object only, the source
// "TessalySDK.qvTessaly" (null for the others).
struct ErrorOrigin {
  IID iid;
  const wchar_t* source;
};

// A failure as the boundary reports it: the HRESULT, the help context of
// the error object (0 when the failure has none) and the message text, in
// the ANSI code page.
struct Failure {
  HRESULT code = E_UNEXPECTED;
  DWORD help_context = 0;
  std::string message;
};

// Call from inside a catch block only. Classifies the exception in flight
// by its help context (SdkHelpContextOf: an SdkError's own, or the SDK
// code of a domain failure from the table in main_object/sdk_failures.cc):
//   with a help context   0x80040200 + help context
//   ComError              its code when that is a failure code
//   anything else         E_UNEXPECTED, help context 0
Failure CurrentFailure();

// The one place where exceptions become HRESULTs. Runs `body`, which
// returns an HRESULT; when it throws, `report` turns the classified failure
// into the HRESULT returned. Nothing escapes: a failure while reporting
// (out of memory) gives E_UNEXPECTED.
template <class Body, class Report>
HRESULT Guarded(Body&& body, Report&& report) noexcept {
  try {
    return body();
  } catch (...) {
    try {
      return report(CurrentFailure());
    } catch (...) {
      return E_UNEXPECTED;
    }
  }
}

// The report of automation members: makes an error object (GUID, Source,
// Description converted from the ANSI code page, HelpContext) the thread's
// error information and returns the failure's code; E_UNEXPECTED with no
// error object when none can be made.
HRESULT SetErrorObject(const ErrorOrigin& origin, const Failure& failure);

// The report of calls that answer every failure with one code and no error
// object (the DLL's exports).
inline auto Answering(HRESULT code) {
  return [code](const Failure&) { return code; };
}

// An automation member without a result: S_OK or the reported failure.
template <class Body>
HRESULT CallGuarded(const ErrorOrigin& origin, Body&& body) noexcept {
  return Guarded(
      [&] {
        body();
        return S_OK;
      },
      [&](const Failure& failure) { return SetErrorObject(origin, failure); });
}

// [out] values of text, interface and VARIANT type are cleared before a
// member does any work; the others are only written when it succeeds.
inline void ClearOut(BSTR* out) { *out = nullptr; }
inline void ClearOut(VARIANT* out) { VariantInit(out); }
template <class I, class = std::enable_if_t<std::is_base_of_v<IUnknown, I>>>
void ClearOut(I** out) {
  *out = nullptr;
}
template <class T, class = std::enable_if_t<std::is_arithmetic_v<T> || std::is_enum_v<T>>>
void ClearOut(T*) {}

// Stores a member's result in its [out, retval] parameter.
inline void StoreOut(BSTR* out, const std::wstring& value) { *out = ToBstr(value); }
inline void StoreOut(VARIANT_BOOL* out, bool value) { *out = value ? VARIANT_TRUE : VARIANT_FALSE; }
inline void StoreOut(LONG* out, int32_t value) { *out = value; }
inline void StoreOut(double* out, double value) { *out = value; }
// OLE_COLOR: the stored 32 bits unchanged.
inline void StoreOut(OLE_COLOR* out, int32_t value) { *out = static_cast<OLE_COLOR>(value); }
// Enumerations of the type library.
template <class E, class = std::enable_if_t<std::is_enum_v<E>>>
void StoreOut(E* out, int32_t value) {
  *out = static_cast<E>(value);
}
// Interfaces: the caller receives the reference the ComPtr held.
template <class I, class T>
void StoreOut(I** out, ComPtr<T> value) {
  *out = value.Detach();
}
// A VARIANT built by the member; moved into the caller's, which is empty.
inline void StoreOut(VARIANT* out, VARIANT value) { *out = value; }

// A member with a result: clears the [out, retval] value, runs `body` and
// stores what it returns.
template <class Out, class Body>
HRESULT GetGuarded(const ErrorOrigin& origin, Out* out, Body&& body) noexcept {
  if (!out) return E_POINTER;
  ClearOut(out);
  return CallGuarded(origin, [&] { StoreOut(out, body()); });
}

}  // namespace tessaly
