#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "office/office_model.h"

namespace tessaly {

// The part of Excel's object model that printing a workbook uses, and
// nothing more. Every member is one call into Excel, except those whose
// comment names a path (HPageBreaks.Count), which make one call per step.
// Each call passes the user's default locale to Excel. A call that fails
// throws Exception carrying Excel's own message. Objects handed out are new
// handles owned by the caller; they stay usable while the application object
// they came from is alive. Indexes count from 1, as in Excel.

// The failure of taking a chart sheet as a worksheet.
constexpr char kExcelNotAWorksheet[] =
    "The sheet is not a worksheet (it has no _Worksheet interface)";

// PageSetup.Orientation.
enum ExcelOrientation : int32_t {
  kExcelPortrait = 1,
  kExcelLandscape = 2,
};

// Worksheet.PageSetup.
class ExcelPageSetup {
 public:
  virtual ~ExcelPageSetup() = default;
  // PrintQuality(1): the horizontal print quality, in dots per inch.
  virtual int32_t PrintQuality() = 0;
  virtual void SetPrintQuality(int32_t dots_per_inch) = 0;
  // An ExcelOrientation.
  virtual int32_t Orientation() = 0;
  virtual void SetOrientation(int32_t orientation) = 0;
};

// A worksheet: a sheet of cells, not a chart sheet.
class ExcelWorksheet {
 public:
  virtual ~ExcelWorksheet() = default;
  virtual std::wstring Name() = 0;
  virtual std::unique_ptr<ExcelPageSetup> PageSetup() = 0;
  // HPageBreaks.Count and VPageBreaks.Count: the page breaks across and
  // down the sheet, manual and automatic.
  virtual int32_t HorizontalPageBreaks() = 0;
  virtual int32_t VerticalPageBreaks() = 0;
  // Prints the sheet on `printer` with every other print option at Excel's
  // default.
  virtual void PrintOut(const std::wstring& printer) = 0;
};

// Item throws when the index is past the last worksheet.
using ExcelWorksheets = OfficeList<ExcelWorksheet>;

class ExcelWorkbook {
 public:
  virtual ~ExcelWorkbook() = default;
  // The folder, without a trailing backslash; "" for a workbook never saved.
  virtual std::wstring Path() = 0;
  // The file name, without the folder.
  virtual std::wstring Name() = 0;
  // Makes it the active workbook.
  virtual void Activate() = 0;
  // Sheets.Count: worksheets and chart sheets.
  virtual int32_t SheetCount() = 0;
  virtual std::unique_ptr<ExcelWorksheets> Worksheets() = 0;
  // BuiltInDocumentProperties(index).Value (OfficeProperty), as text.
  virtual std::wstring PropertyText(int32_t index) = 0;
  // Prints every sheet on `printer` with every other print option at
  // Excel's default.
  virtual void PrintOut(const std::wstring& printer) = 0;
};

// Application.Workbooks: the open workbooks, and opening one more.
class ExcelWorkbooks : public OfficeList<ExcelWorkbook> {
 public:
  // Opens the file with every other open option at Excel's default; the
  // opened workbook becomes the active one.
  virtual std::unique_ptr<ExcelWorkbook> Open(const std::wstring& file_name) = 0;
};

// The running Excel application.
class ExcelApplication {
 public:
  virtual ~ExcelApplication() = default;
  virtual void SetVisible(bool visible) = 0;
  virtual std::unique_ptr<ExcelWorkbooks> Workbooks() = 0;
  // The worksheets of the active workbook.
  virtual std::unique_ptr<ExcelWorksheets> Worksheets() = 0;
  // The sheet with the focus, as a worksheet: throws kExcelNotAWorksheet
  // when it is a chart sheet, and throws when no workbook is open.
  virtual std::unique_ptr<ExcelWorksheet> ActiveSheet() = 0;
  // Throws when no workbook is open.
  virtual std::unique_ptr<ExcelWorkbook> ActiveWorkbook() = 0;
};

}  // namespace tessaly
