#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "office/excel.h"
#include "office/fake/fake_calls.h"

namespace tessaly {

// A sheet: a worksheet, or a chart sheet that only Sheets counts.
struct FakeExcelSheet {
  std::wstring name;
  bool chart = false;
  int32_t horizontal_breaks = 0;  // HPageBreaks.Count
  int32_t vertical_breaks = 0;    // VPageBreaks.Count
  int32_t print_quality = 600;    // PrintQuality(1)
  int32_t orientation = kExcelPortrait;
};

// A workbook described in memory; its sheets in workbook order.
struct FakeExcelWorkbook {
  std::wstring path;
  std::wstring name;
  std::vector<FakeExcelSheet> sheets;
  size_t active_sheet = 0;  // index into `sheets`
  // Built-in properties by index (OfficeProperty); a missing one reads "".
  std::map<int32_t, std::wstring> properties;
};

// An in-memory Excel that tests arrange and inspect; it counts and fails
// calls as FakeCalls says. The objects it hands out point into it: it must
// outlive them.
class FakeExcel : public FakeCalls {
 public:
  struct PrintJob {
    std::wstring workbook;
    std::wstring sheet;  // "" when the whole workbook was printed
    std::wstring printer;
  };

  // A new connection, as OfficeApplications::Excel gives.
  std::unique_ptr<ExcelApplication> Application();

  // The open workbooks; push_back keeps the others in place.
  std::deque<FakeExcelWorkbook> open;
  size_t active = 0;  // index into `open`
  // What Workbooks.Open can open, by full file name.
  std::map<std::wstring, FakeExcelWorkbook> files;

  bool visible = false;
  std::vector<PrintJob> print_jobs;
};

}  // namespace tessaly
