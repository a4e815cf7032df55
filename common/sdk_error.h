#pragma once

#include <cstdint>
#include <string>

#include "common/exception.h"

namespace tessaly {

// Help contexts of the SDK's own failures. A caller sees each as the HRESULT
// 0x80040200 + help context and finds the context in the error object.
enum SdkHelpContext : int32_t {
  kHelpProtectedProfile = 6200,    // the standard profile can't be deleted or modified
  kHelpProfileExists = 6300,       // a profile of that name exists
  kHelpProfileNotFound = 6400,     // no profile (or watermark profile) of that name
  kHelpInvalidProfileName = 6500,  // the name has a character that is not allowed
  kHelpWatermarkItemNotFound = 6700,
  kHelpWordPrintFailed = 7001,
  kHelpPowerPointPrintFailed = 7002,
  kHelpExcelPrintFailed = 7003,
  kHelpPrinterFailed = 7100,
};

// The HRESULT of a help context: severity error, facility interface, code
// 0x200 above the help context.
constexpr int32_t SdkErrorCode(int32_t help_context) {
  return static_cast<int32_t>(0x80040200u + static_cast<uint32_t>(help_context));
}

// A failure that the automation boundary reports with the SDK's own error
// code instead of E_UNEXPECTED. The core throws it; the boundary turns it
// into the HRESULT and the error object's help context and description.
class SdkError : public Exception {
 public:
  SdkError(int32_t help_context, const std::string& message)
      : Exception(message), help_context_(help_context) {}

  int32_t help_context() const { return help_context_; }
  int32_t code() const { return SdkErrorCode(help_context_); }

 private:
  int32_t help_context_;
};

}  // namespace tessaly
