#include <memory>
#include <utility>

#include "office/win32/excel_automation.h"
#include "tests/office/office_server/excel_server.h"

namespace tessaly {
namespace {

using Args = FakeArgs;
using Server = FakeExcelServer;

// Excel's dispatch ids of the members the adapter calls by id.
constexpr DISPID kPrintQualityId = 1022;
constexpr DISPID kOrientationId = 134;
constexpr DISPID kCountId = 118;

Variant PageSetupObject(Server* s, std::shared_ptr<ExcelPageSetup> setup) {
  return FakeObject(s, L"PageSetup")
      .GetId(
          kPrintQualityId, L"PrintQuality",
          [setup](const Args&) { return Variant(setup->PrintQuality()); },
          [setup](const Variant& dpi) { setup->SetPrintQuality(dpi.AsInteger()); })
      .GetId(
          kOrientationId, L"Orientation",
          [setup](const Args&) { return Variant(setup->Orientation()); },
          [setup](const Variant& value) { setup->SetOrientation(value.AsInteger()); })
      .Value();
}

Variant BreaksObject(Server* s, const wchar_t* kind, std::function<int32_t()> count) {
  return FakeObject(s, kind)
      .GetId(
          kCountId, L"Count", [count](const Args&) { return Variant(count()); }, nullptr)
      .Value();
}

// PrintOut's fifth argument is ActivePrinter.
template <class T>
Variant PrintOut(Server* s, T* printable, const Args& args) {
  printable->PrintOut(args.at(4).AsText());
  if (s->printed) s->printed();
  return Variant();
}

Variant WorksheetObject(Server* s, std::shared_ptr<ExcelWorksheet> sheet) {
  return FakeObject(s, L"Worksheet")
      .Implements(kExcelWorksheetInterface)
      .Get(L"Name", [sheet](const Args&) { return Variant(sheet->Name()); })
      .Get(L"PageSetup", [s, sheet](const Args&) { return PageSetupObject(s, sheet->PageSetup()); })
      .Get(L"HPageBreaks",
           [s, sheet](const Args&) {
             return BreaksObject(s, L"HPageBreaks",
                                 [sheet] { return sheet->HorizontalPageBreaks(); });
           })
      .Get(L"VPageBreaks",
           [s, sheet](const Args&) {
             return BreaksObject(s, L"VPageBreaks",
                                 [sheet] { return sheet->VerticalPageBreaks(); });
           })
      .Get(L"PrintOut", [s, sheet](const Args& args) { return PrintOut(s, sheet.get(), args); })
      .Value();
}

Variant WorksheetsObject(Server* s, std::shared_ptr<ExcelWorksheets> sheets) {
  return FakeListObject<ExcelWorksheet>(s, L"Worksheets", std::move(sheets), WorksheetObject)
      .Value();
}

Variant WorkbookObject(Server* s, std::shared_ptr<ExcelWorkbook> book) {
  return FakeObject(s, L"Workbook")
      .Implements(kExcelWorkbookInterface)
      .Get(L"Path", [book](const Args&) { return Variant(book->Path()); })
      .Get(L"Name", [book](const Args&) { return Variant(book->Name()); })
      .Get(L"Activate", [book](const Args&) { return book->Activate(), Variant(); })
      .Get(L"Sheets",
           [s, book](const Args&) {
             return FakeObject(s, L"Sheets")
                 .Get(L"Count", [book](const Args&) { return Variant(book->SheetCount()); })
                 .Value();
           })
      .Get(L"Worksheets",
           [s, book](const Args&) { return WorksheetsObject(s, book->Worksheets()); })
      .Get(L"BuiltInDocumentProperties",
           [s, book](const Args& args) {
             int32_t index = FakeIndex(args);
             return FakeObject(s, L"DocumentProperty")
                 .Get(L"Value",
                      [book, index](const Args&) { return Variant(book->PropertyText(index)); })
                 .Value();
           })
      .Get(L"PrintOut", [s, book](const Args& args) { return PrintOut(s, book.get(), args); })
      .Value();
}

// Whether Excel's active sheet is a chart sheet, which the in-memory Excel
// cannot hand out as a worksheet.
bool ChartIsActive(const FakeExcel& excel) {
  if (excel.active >= excel.open.size()) return false;
  const FakeExcelWorkbook& book = excel.open[excel.active];
  return book.active_sheet < book.sheets.size() && book.sheets[book.active_sheet].chart;
}

}  // namespace

ComPtr<ScriptedObject> FakeExcelApplication(FakeExcelServer* s) {
  std::shared_ptr<ExcelApplication> app = s->excel.Application();
  FakeExcel* excel = &s->excel;
  return FakeObject(s, L"Application")
      .Get(
          L"Visible", [excel](const Args&) { return Variant(excel->visible); },
          [app](const Variant& value) { app->SetVisible(value.AsBool()); })
      .Get(L"Workbooks",
           [s, app](const Args&) {
             std::shared_ptr<ExcelWorkbooks> list = app->Workbooks();
             return FakeListObject<ExcelWorkbook>(s, L"Workbooks", list, WorkbookObject)
                 .Get(L"Open",
                      [s, list](const Args& args) {
                        return WorkbookObject(s, list->Open(args.at(0).AsText()));
                      })
                 .Value();
           })
      .Get(L"Worksheets", [s, app](const Args&) { return WorksheetsObject(s, app->Worksheets()); })
      .Get(L"ActiveSheet",
           [s, app, excel](const Args&) {
             if (!ChartIsActive(*excel)) return WorksheetObject(s, app->ActiveSheet());
             excel->Call("Application.ActiveSheet");
             return FakeObject(s, L"Chart").Value();
           })
      .Get(L"ActiveWorkbook",
           [s, app](const Args&) { return WorkbookObject(s, app->ActiveWorkbook()); })
      .Done();
}

}  // namespace tessaly
