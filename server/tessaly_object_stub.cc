#include "server/tessaly_object.h"

namespace tessaly {

// Stands in until the main object is built in sdk/: that implementation
// replaces this file in the DLL's sources.
HRESULT CreateTessalyObject(IUnknown*, IUnknown** object) {
  *object = nullptr;
  return E_NOTIMPL;
}

}  // namespace tessaly
