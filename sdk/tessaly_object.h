#pragma once

#include <unknwn.h>

namespace tessaly {

// The ProgID of the main object, and the Source of its error objects.
constexpr wchar_t kTessalyProgId[] = L"TessalySDK.qvTessaly";

// Constructs the main object (coclass qvTessaly) for the class factory:
// on success *object is its own, non-delegating IUnknown holding the one
// reference the new object starts with (aggregated under `outer` when that
// is not null). A failure of the construction itself is thrown as an
// exception, which the factory shows in the "DAX Error" box; an HRESULT
// failure is passed to the caller as it is.
HRESULT CreateTessalyObject(IUnknown* outer, IUnknown** object);

}  // namespace tessaly
