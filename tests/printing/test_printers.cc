// Prepares the print system of a Wine prefix for the print members: a
// queue named "Orvane Tessaly" and a queue that stands for the user's own
// printer, which becomes the default. Both print to files with Wine's
// PostScript driver: the other queue on the FILE: port, the Tessaly queue on
// a port of its own that HKEY_CURRENT_USER\Software\Wine\Printing\Spooler
// maps to the job file given, so that a job printed to it can be read.
// Queues that exist are kept, the Tessaly queue moved to its port.
//
// Usage: tq_test_printers [--tessaly-only] [<job file, a host path>]
// --tessaly-only makes no other queue; the Tessaly queue becomes the
// default when there is none. Exits 0 when the queues are listed and the
// default is set; prints what failed otherwise.
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

// Wine's spooler writes a job for a port named in this key to the host
// file (or pipe, "|command") that the port's value names.
bool MapPort(const wchar_t* port, const wchar_t* job_file) {
  HKEY key = nullptr;
  LONG result = RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Printing\\Spooler", 0,
                                nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
  if (result == ERROR_SUCCESS) {
    DWORD size = static_cast<DWORD>((wcslen(job_file) + 1) * sizeof(wchar_t));
    result = RegSetValueExW(key, port, 0, REG_SZ, reinterpret_cast<const BYTE*>(job_file), size);
    RegCloseKey(key);
  }
  if (result == ERROR_SUCCESS) return true;
  std::printf("mapping the port %ls failed: error %ld\n", port, result);
  return false;
}

// An existing queue on another port is moved to `port`.
bool MoveQueue(const wchar_t* name, const wchar_t* port) {
  HANDLE printer = nullptr;
  PRINTER_DEFAULTSW access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  if (!OpenPrinterW(const_cast<wchar_t*>(name), &printer, &access)) return false;
  DWORD size = 0;
  GetPrinterW(printer, 2, nullptr, 0, &size);
  std::string buffer(size, '\0');
  auto* info = reinterpret_cast<PRINTER_INFO_2W*>(&buffer[0]);
  bool moved = GetPrinterW(printer, 2, reinterpret_cast<BYTE*>(info), size, &size);
  if (moved && wcscmp(info->pPortName, port) != 0) {
    info->pPortName = const_cast<wchar_t*>(port);
    moved = SetPrinterW(printer, 2, reinterpret_cast<BYTE*>(info), 0);
  }
  ClosePrinter(printer);
  if (!moved) std::printf("moving %ls to %ls failed: error %lu\n", name, port, GetLastError());
  return moved;
}

bool AddQueue(const wchar_t* name, const wchar_t* port) {
  if (Listed(name)) return wcscmp(port, L"FILE:") == 0 || MoveQueue(name, port);
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

int wmain(int argc, wchar_t** argv) {
  const wchar_t* tessaly = L"Orvane Tessaly";
  const wchar_t* previous = L"Test Office Printer";
  bool tessaly_only = argc > 1 && wcscmp(argv[1], L"--tessaly-only") == 0;
  const wchar_t* job_file = argc > 1 + tessaly_only ? argv[1 + tessaly_only] : nullptr;
  const wchar_t* port = job_file ? L"TESSALY:" : L"FILE:";
  if ((job_file && !MapPort(port, job_file)) || !AddQueue(tessaly, port)) return 1;
  if (tessaly_only) {
    wchar_t name[256];
    DWORD size = 256;
    if (!GetDefaultPrinterW(name, &size) && !SetDefaultPrinterW(tessaly)) {
      std::printf("SetDefaultPrinter failed: error %lu\n", GetLastError());
      return 1;
    }
    std::printf("printer queue \"%ls\" on %ls\n", tessaly, job_file ? job_file : port);
    return 0;
  }
  if (!AddQueue(previous, L"FILE:")) return 1;
  if (!SetDefaultPrinterW(previous)) {
    std::printf("SetDefaultPrinter failed: error %lu\n", GetLastError());
    return 1;
  }
  std::printf("test printers: \"%ls\" and the default \"%ls\"\n", tessaly, previous);
  return 0;
}
