#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>

namespace tessaly {

// Wide text of a BSTR; a null BSTR is the empty text.
std::wstring FromBstr(BSTR text);
// A new BSTR the caller frees; throws std::bad_alloc when there is no memory.
BSTR ToBstr(const std::wstring& text);

}  // namespace tessaly
