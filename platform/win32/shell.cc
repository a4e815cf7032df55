#include "platform/win32/shell.h"

#include <windows.h>

#include <shellapi.h>

namespace tessaly {

intptr_t Win32Shell::PrintDocument(const std::wstring& path) {
  HINSTANCE result = ShellExecuteW(nullptr, L"print", path.c_str(), nullptr, nullptr,
                                   SW_SHOWNORMAL);
  return reinterpret_cast<intptr_t>(result);
}

}  // namespace tessaly
