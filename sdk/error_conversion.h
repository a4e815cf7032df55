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

// Call from inside a catch block only. Turns the exception in flight into
// the HRESULT the caller sees and makes an error object (GUID, Source,
// Description, HelpContext) the thread's error information:
//   SdkError          its own code (0x80040200 + help context), its help context
//   ComError          its code when that is a failure code, else E_UNEXPECTED
//   anything else     E_UNEXPECTED, help context 0
// The description is the exception's message, converted from the ANSI code
// page. When no error object can be made, E_UNEXPECTED with none.
HRESULT ReportCurrentException(const ErrorOrigin& origin) noexcept;

// Runs `body`, returning S_OK or the converted failure: nothing escapes.
template <class Body>
HRESULT CallGuarded(const ErrorOrigin& origin, Body&& body) noexcept {
  try {
    body();
    return S_OK;
  } catch (...) {
    return ReportCurrentException(origin);
  }
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
