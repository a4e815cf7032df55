#include "sdk/error_conversion.h"

#include <exception>
#include <new>

#include "com/com_error.h"
#include "common/sdk_error.h"
#include "main_object/sdk_failures.h"
#include "platform/code_page.h"
#include "platform/env.h"

namespace tessaly {

Failure CurrentFailure() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return {E_UNEXPECTED, 0, "Out of memory"};
  } catch (const std::exception& e) {
    if (int32_t help_context = SdkHelpContextOf(e)) {
      return {static_cast<HRESULT>(SdkErrorCode(help_context)), static_cast<DWORD>(help_context),
              e.what()};
    }
    auto* com = dynamic_cast<const ComError*>(&e);
    return {com && FAILED(com->code()) ? com->code() : E_UNEXPECTED, 0, e.what()};
  } catch (...) {
    return {E_UNEXPECTED, 0, "Unexpected failure"};
  }
}
HRESULT SetErrorObject(const ErrorOrigin& origin, const Failure& failure) {
  ComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(create.Out()))) return E_UNEXPECTED;
  std::wstring description = DefaultEnv().code_page->FromAnsi(failure.message);
  create->SetGUID(origin.iid);
  if (origin.source) create->SetSource(const_cast<LPOLESTR>(origin.source));
  create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
  create->SetHelpContext(failure.help_context);
  ComPtr<IErrorInfo> info;
  if (FAILED(create.As(&info)) || FAILED(SetErrorInfo(0, info.Get()))) return E_UNEXPECTED;
  return failure.code;
}

}  // namespace tessaly
