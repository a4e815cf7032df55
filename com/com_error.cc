#include "com/com_error.h"

namespace tessaly {

void CheckHr(HRESULT hr, const char* what) {
  if (FAILED(hr)) {
    char code[16];
    wsprintfA(code, "0x%08lX", static_cast<unsigned long>(hr));
    throw ComError(hr, std::string(what) + " failed (" + code + ")");
  }
}

}  // namespace tessaly
