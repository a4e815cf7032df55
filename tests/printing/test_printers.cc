// Prepares the print system of the test prefix for the print members: a
// queue named "Orvane Tessaly" and a queue that stands for the user's own
// printer, which becomes the default. Both print to files (Wine's
// PostScript driver on the FILE: port, or on a port mapped to a file).
// Queues that exist are kept. Exits 0 when both are listed and the other
// queue is the default; prints what failed otherwise.
#include <windows.h>

#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

const wchar_t kDriver[] = L"Wine PostScript Driver";

bool Listed(const wchar_t* name) {
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<wchar_t*>(name), &printer, nullptr)) return false;
  ClosePrinter(printer);
  return true;
}

// Wine's PostScript driver, for a prefix that has none installed (no CUPS
// printers): the queues print nothing, they only have to be listed.
bool AddDriver() {
  DRIVER_INFO_3W info = {};
  info.cVersion = 3;
  info.pName = const_cast<wchar_t*>(kDriver);
  info.pDriverPath = const_cast<wchar_t*>(L"wineps.drv");
  info.pConfigFile = const_cast<wchar_t*>(L"wineps.drv");
  info.pDataFile = const_cast<wchar_t*>(L"wineps.drv");
  info.pDefaultDataType = const_cast<wchar_t*>(L"RAW");
  if (AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&info), APD_COPY_NEW_FILES)) {
    return true;
  }
  std::printf("AddPrinterDriver failed: error %lu\n", GetLastError());
  return false;
}

bool AddQueue(const wchar_t* name, const wchar_t* port) {
  if (Listed(name)) return true;
  PRINTER_INFO_2W info = {};
  info.pPrinterName = const_cast<wchar_t*>(name);
  info.pPortName = const_cast<wchar_t*>(port);
  info.pDriverName = const_cast<wchar_t*>(kDriver);
  info.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
  info.pDatatype = const_cast<wchar_t*>(L"RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (!printer && GetLastError() == ERROR_UNKNOWN_PRINTER_DRIVER && AddDriver()) {
    printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  }
  if (!printer) {
    std::printf("AddPrinter failed for %ls: error %lu\n", name, GetLastError());
    return false;
  }
  ClosePrinter(printer);
  return true;
}

}  // namespace

int main() {
  const wchar_t* tessaly = L"Orvane Tessaly";
  const wchar_t* previous = L"Test Office Printer";
  if (!AddQueue(tessaly, L"FILE:") || !AddQueue(previous, L"FILE:")) return 1;
  if (!SetDefaultPrinterW(previous)) {
    std::printf("SetDefaultPrinter failed: error %lu\n", GetLastError());
    return 1;
  }
  std::printf("test printers: \"%ls\" and the default \"%ls\"\n", tessaly, previous);
  return 0;
}
