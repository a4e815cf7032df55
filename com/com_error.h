#pragma once

#include <windows.h>

#include <string>

#include "common/exception.h"

namespace tessaly {

// A failed COM or OLE call inside an automation member. The boundary
// returns its code (when it is a failure code) instead of E_UNEXPECTED.
class ComError : public Exception {
 public:
  ComError(HRESULT code, const std::string& message) : Exception(message), code_(code) {}
  HRESULT code() const { return code_; }

 private:
  HRESULT code_;
};

// Throws a ComError naming `what` when `hr` is a failure.
void CheckHr(HRESULT hr, const char* what);

}  // namespace tessaly
