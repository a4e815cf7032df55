// Prints a text file to the default printer with GDI, one line of text per
// line of the file, without a dialog. Under Wine, where the shell's own
// program for .txt (notepad /p) waits in an invisible print dialog when
// there is no display, scripts register this program as the "print" verb
// of .txt files so that the shell route ends in a real job.
//
// Usage: tq_print_text <text file>   (exit 1 when nothing could be printed)
#include <windows.h>

#include <winspool.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  FILE* file = _wfopen(argv[1], L"r");
  if (!file) return 1;
  wchar_t printer[256];
  DWORD size = 256;
  HDC dc = GetDefaultPrinterW(printer, &size) ? CreateDCW(L"WINSPOOL", printer, nullptr, nullptr)
                                              : nullptr;
  DOCINFOW doc = {sizeof(doc), argv[1], nullptr, nullptr, 0};
  bool printed = dc && StartDocW(dc, &doc) > 0 && StartPage(dc) > 0;
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  int y = metrics.tmHeight * 4;
  char line[1024];
  while (printed && std::fgets(line, sizeof line, file)) {
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    TextOutA(dc, metrics.tmHeight * 4, y, text.c_str(), static_cast<int>(text.size()));
    y += metrics.tmHeight;
  }
  std::fclose(file);
  printed = printed && EndPage(dc) > 0 && EndDoc(dc) > 0;
  if (dc) DeleteDC(dc);
  return printed ? 0 : 1;
}
