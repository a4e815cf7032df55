#include "com/com_error.h"

#include "platform/code_page.h"
#include "platform/env.h"

namespace tessaly {

std::string HresultMessage(HRESULT hr, const std::string& what) {
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text ? text : L"", length);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n')) {
    message.pop_back();
  }
  if (!message.empty()) return DefaultEnv().code_page->ToAnsi(message);
  char code[16];
  wsprintfA(code, "0x%08lX", static_cast<unsigned long>(hr));
  return what + " failed (" + code + ")";
}

void CheckHr(HRESULT hr, const char* what) {
  if (FAILED(hr)) throw ComError(hr, HresultMessage(hr, what));
}

}  // namespace tessaly
