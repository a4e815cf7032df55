#pragma once

#include <oaidl.h>

#include <string>
#include <vector>

namespace tessaly {

extern const char kNotAStringArrayMessage[];

// A list property's value as callers pass it: a one-dimensional array of
// BSTR or of VARIANT strings, directly or by reference (script hosts pass
// their arrays as VARIANT*). Anything else throws Exception; a null BSTR is
// an empty line. The array's lower bound does not matter.
std::vector<std::wstring> LinesFromVariant(const VARIANT& value);

// A new one-dimensional array of BSTR, lower bound 0, in `result` (which is
// overwritten, not cleared). An empty line goes out as CR LF so that script
// clients see an element they can print.
void VariantFromLines(const std::vector<std::wstring>& lines, VARIANT* result);

}  // namespace tessaly
