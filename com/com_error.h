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

// The system's text for `hr` (FormatMessage, trailing line breaks removed),
// or, when the system has none, `what` followed by the code in hex.
std::string HresultMessage(HRESULT hr, const std::string& what);

// Throws a ComError with HresultMessage(hr, what) when `hr` is a failure.
void CheckHr(HRESULT hr, const char* what);

}  // namespace tessaly
