#include "platform/win32/printers.h"

#include <windows.h>

#include <winspool.h>

#include <cwchar>

#include "common/exception.h"

namespace tessaly {

namespace {

const wchar_t kSection[] = L"windows";
const wchar_t kDeviceKey[] = L"device";

// How long one window may take over the settings-change message; a window
// whose thread is hung is skipped at once.
constexpr UINT kBroadcastTimeoutMs = 1000;

}  // namespace

std::vector<std::wstring> Win32Printers::List() {
  const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  std::vector<BYTE> buffer;
  DWORD needed = 0, count = 0;
  // The queues can change between the two calls: ask again while the
  // buffer has become too small.
  for (;;) {
    if (EnumPrintersW(flags, nullptr, 4, buffer.empty() ? nullptr : buffer.data(),
                      static_cast<DWORD>(buffer.size()), &needed, &count)) {
      break;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size()) {
      throw Exception("The printers could not be listed.");
    }
    buffer.resize(needed);
  }
  std::vector<std::wstring> names;
  const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    names.emplace_back(info[i].pPrinterName ? info[i].pPrinterName : L"");
  }
  return names;
}

std::wstring Win32Printers::DefaultQueue() {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return std::wstring();
  std::wstring name(size, L'\0');
  if (!GetDefaultPrinterW(&name[0], &size)) return std::wstring();
  name.resize(wcsnlen(name.c_str(), name.size()));
  return name;
}

std::wstring Win32Printers::ReadDeviceEntry() {
  std::wstring value(256, L'\0');
  for (;;) {
    DWORD length = GetProfileStringW(kSection, kDeviceKey, L"", &value[0],
                                     static_cast<DWORD>(value.size()));
    // A value that fills the buffer may have been cut short.
    if (length + 1 < value.size()) {
      value.resize(length);
      return value;
    }
    value.resize(value.size() * 2);
  }
}

void Win32Printers::WriteDeviceEntry(const std::wstring& value) {
  if (!WriteProfileStringW(kSection, kDeviceKey, value.c_str())) {
    throw Exception("The default printer could not be changed.");
  }
}

void Win32Printers::BroadcastSettingsChange() {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(kSection),
                      SMTO_ABORTIFHUNG, kBroadcastTimeoutMs, &result);
}

}  // namespace tessaly
