#include "sdk/error_conversion.h"

#include <exception>
#include <new>

#include "common/sdk_error.h"
#include "platform/win32/win32_services.h"
#include "com/com_error.h"

namespace tessaly {
namespace {

struct Failure {
  HRESULT code = E_UNEXPECTED;
  DWORD help_context = 0;
  std::string message;
};

// Classifies the exception in flight.
Failure CurrentFailure() {
  Failure failure;
  try {
    throw;
  } catch (const SdkError& e) {
    failure.code = e.code();
    failure.help_context = static_cast<DWORD>(e.help_context());
    failure.message = e.what();
  } catch (const ComError& e) {
    if (FAILED(e.code())) failure.code = e.code();
    failure.message = e.what();
  } catch (const std::bad_alloc&) {
    failure.message = "Out of memory";
  } catch (const std::exception& e) {
    failure.message = e.what();
  } catch (...) {
    failure.message = "Unexpected failure";
  }
  return failure;
}

bool SetErrorObject(const ErrorOrigin& origin, const Failure& failure) {
  ComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(create.Out()))) return false;
  std::wstring description = AnsiToWide(failure.message);
  create->SetGUID(origin.iid);
  if (origin.source) create->SetSource(const_cast<LPOLESTR>(origin.source));
  create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
  create->SetHelpContext(failure.help_context);
  ComPtr<IErrorInfo> info;
  if (FAILED(create.As(&info))) return false;
  return SUCCEEDED(SetErrorInfo(0, info.Get()));
}

}  // namespace

HRESULT ReportCurrentException(const ErrorOrigin& origin) noexcept {
  try {
    Failure failure = CurrentFailure();
    if (!SetErrorObject(origin, failure)) return E_UNEXPECTED;
    return failure.code;
  } catch (...) {
    // Out of memory while reporting.
    return E_UNEXPECTED;
  }
}

}  // namespace tessaly
