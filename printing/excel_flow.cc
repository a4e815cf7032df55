#include "printing/excel_flow.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/code_page.h"
#include "printing/document_info.h"
#include "printing/flow_manager.h"

namespace tessaly {
namespace {

// TxqvExcelPrintOption.
constexpr int32_t kEntireWorkbook = 0;

class ExcelFlow {
 public:
  ExcelFlow(const Env& env, ExcelApplication& excel)
      : env_(env),
        excel_(excel),
        manager_(env),
        settings_(manager_->AddinSettings()),
        bookmarks_(manager_->Bookmarks()) {}

  void Run() {
    manager_->WriteFlagPP(true);
    std::unique_ptr<ExcelWorksheet> active_sheet;
    if (excel_.Worksheets()->Count() > 0) active_sheet = excel_.ActiveSheet();
    std::unique_ptr<ExcelWorkbook> workbook;
    if (excel_.Workbooks()->Count() > 0) workbook = excel_.ActiveWorkbook();
    if (workbook) {
      WriteDocumentInfo(manager_->DocumentProperties(),
                        settings_.ExcelDocumentPropertiestoDocumentInfo(), *env_.code_page,
                        [&](int32_t index) { return workbook->PropertyText(index); });
    }
    if (!workbook) {
      // Nothing to print.
      manager_.Close();
      return;
    }
    if (settings_.excel().PrintOption() == kEntireWorkbook) {
      PrintWorkbook(*workbook, active_sheet.get());
    } else {
      // A chart sheet fails here as it failed above when the workbook has
      // worksheets too.
      if (!active_sheet) active_sheet = excel_.ActiveSheet();
      PrintSheet(*active_sheet);
    }
  }

 private:
  // Every worksheet takes the active sheet's print quality and orientation
  // and, with the sheet name setting, a bookmark on the page it begins on:
  // each sheet takes one page per area between its page breaks.
  void PrintWorkbook(ExcelWorkbook& workbook, ExcelWorksheet* active_sheet) {
    auto worksheets = workbook.Worksheets();
    const int32_t count = worksheets->Count();
    std::vector<std::unique_ptr<ExcelWorksheet>> sheets;
    if (active_sheet) {
      auto active_setup = active_sheet->PageSetup();
      const int32_t quality = active_setup->PrintQuality();
      const bool portrait = active_setup->Orientation() == kExcelPortrait;
      for (int32_t i = 1; i <= count; ++i) {
        sheets.push_back(worksheets->Item(i));
        auto setup = sheets.back()->PageSetup();
        setup->SetPrintQuality(quality);
        setup->SetOrientation(portrait ? kExcelPortrait : kExcelLandscape);
      }
    }
    if (settings_.ExcelSheetNamesToBookmarks()) {
      bookmarks_.SetCount(count);
      int32_t pages = 0;
      for (int32_t j = 1; j <= count; ++j) {
        if (sheets.size() < static_cast<size_t>(j)) sheets.push_back(worksheets->Item(j));
        ExcelWorksheet& sheet = *sheets[static_cast<size_t>(j - 1)];
        WriteBookmark(j, sheet.Name(), pages + 1);
        pages += (sheet.HorizontalPageBreaks() + 1) * (sheet.VerticalPageBreaks() + 1);
      }
    }
    // Closing the manager writes the bookmarks the printer reads for this job.
    manager_.Close();
    workbook.PrintOut(TqvProfileManager::PrinterName());
  }

  // The page setup of no sheet is touched.
  void PrintSheet(ExcelWorksheet& sheet) {
    if (settings_.ExcelSheetNamesToBookmarks()) {
      WriteBookmark(1, sheet.Name(), 1);
      bookmarks_.SetCount(1);
    }
    manager_.Close();
    sheet.PrintOut(TqvProfileManager::PrinterName());
  }

  void WriteBookmark(int32_t entry, const std::wstring& name, int32_t page) {
    bookmarks_.SetNumber(entry);
    bookmarks_.SetText(env_.code_page->ToAnsi(name));
    bookmarks_.SetPage(page);
    bookmarks_.SetVerticalPos(0);
    bookmarks_.SetLevel(0);
  }

  const Env& env_;
  ExcelApplication& excel_;
  FlowManager manager_;
  TqvOfficeAddinSettings& settings_;
  TqvAddinPDFBookmark& bookmarks_;
};

}  // namespace

void PrintExcelWorkbook(const Env& env, ExcelApplication& excel) {
  ExcelFlow(env, excel).Run();
}

}  // namespace tessaly
