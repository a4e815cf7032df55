#include "com/variant_lists.h"

#include <oleauto.h>

#include "com/com_text.h"
#include "common/exception.h"

namespace tessaly {

const char kNotAStringArrayMessage[] = "The value must be a one-dimensional array of strings.";

namespace {

[[noreturn]] void NotAStringArray() { throw Exception(kNotAStringArrayMessage); }

// Unlocks the array however the read ends.
class ArrayAccess {
 public:
  explicit ArrayAccess(SAFEARRAY* array) : array_(array) {
    if (FAILED(SafeArrayLock(array_))) NotAStringArray();
  }
  ~ArrayAccess() { SafeArrayUnlock(array_); }
  ArrayAccess(const ArrayAccess&) = delete;
  ArrayAccess& operator=(const ArrayAccess&) = delete;

 private:
  SAFEARRAY* array_;
};

}  // namespace

std::vector<std::wstring> LinesFromVariant(const VARIANT& value) {
  const VARIANT* v = &value;
  // A VARIANT that refers to another VARIANT, as script hosts pass arrays.
  if (V_VT(v) == (VT_BYREF | VT_VARIANT)) {
    v = V_VARIANTREF(v);
    if (v == nullptr) NotAStringArray();
  }
  VARTYPE element = V_VT(v) & VT_TYPEMASK;
  if (!(V_VT(v) & VT_ARRAY) || (element != VT_BSTR && element != VT_VARIANT)) NotAStringArray();
  SAFEARRAY* array = (V_VT(v) & VT_BYREF) ? (V_ARRAYREF(v) ? *V_ARRAYREF(v) : nullptr) : V_ARRAY(v);
  if (array == nullptr || SafeArrayGetDim(array) != 1) NotAStringArray();
  // The element type recorded in the array itself must agree with the tag.
  VARTYPE stored = VT_EMPTY;
  if (FAILED(SafeArrayGetVartype(array, &stored)) || stored != element) NotAStringArray();

  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  std::vector<std::wstring> lines;
  ArrayAccess access(array);
  for (LONG i = 0; i <= upper - lower; ++i) {
    if (element == VT_BSTR) {
      lines.push_back(FromBstr(static_cast<BSTR*>(array->pvData)[i]));
      continue;
    }
    const VARIANT* item = &static_cast<VARIANT*>(array->pvData)[i];
    if (V_VT(item) == (VT_BYREF | VT_VARIANT)) item = V_VARIANTREF(item);
    if (item == nullptr) NotAStringArray();
    if (V_VT(item) == VT_BSTR) {
      lines.push_back(FromBstr(V_BSTR(item)));
    } else if (V_VT(item) == (VT_BYREF | VT_BSTR) && V_BSTRREF(item) != nullptr) {
      lines.push_back(FromBstr(*V_BSTRREF(item)));
    } else {
      NotAStringArray();
    }
  }
  return lines;
}

void VariantFromLines(const std::vector<std::wstring>& lines, VARIANT* result) {
  VariantInit(result);
  SAFEARRAY* array = SafeArrayCreateVector(VT_BSTR, 0, static_cast<ULONG>(lines.size()));
  if (array == nullptr) throw Exception("Out of memory.");
  for (LONG i = 0; i < static_cast<LONG>(lines.size()); ++i) {
    const std::wstring& item = lines[static_cast<size_t>(i)];
    const std::wstring line = item.empty() ? std::wstring(L"\r\n") : item;
    BSTR text = SysAllocStringLen(line.data(), static_cast<UINT>(line.size()));
    HRESULT hr = text ? SafeArrayPutElement(array, &i, text) : E_OUTOFMEMORY;
    SysFreeString(text);  // SafeArrayPutElement stored its own copy
    if (FAILED(hr)) {
      SafeArrayDestroy(array);
      throw Exception("Out of memory.");
    }
  }
  V_VT(result) = VT_ARRAY | VT_BSTR;
  V_ARRAY(result) = array;
}

}  // namespace tessaly
