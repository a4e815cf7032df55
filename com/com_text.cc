#include "com/com_text.h"

#include <new>

namespace tessaly {

std::wstring FromBstr(BSTR text) {
  return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

BSTR ToBstr(const std::wstring& text) {
  BSTR out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  if (!out) throw std::bad_alloc();
  return out;
}

}  // namespace tessaly
