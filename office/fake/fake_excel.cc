#include "office/fake/fake_excel.h"

#include <utility>

#include "common/exception.h"

namespace tessaly {
namespace {

// Excel's own texts for the failures the fake reproduces.
const char kBadIndex[] = "Invalid index.";
const char kCannotOpen[] = "Excel cannot find the file.";
const char kNoWorkbook[] = "No workbook is open.";

class PageSetup : public ExcelPageSetup {
 public:
  PageSetup(FakeExcel* app, FakeExcelSheet* sheet) : app_(app), sheet_(sheet) {}
  int32_t PrintQuality() override {
    return app_->Call("PageSetup.PrintQuality"), sheet_->print_quality;
  }
  void SetPrintQuality(int32_t dots_per_inch) override {
    app_->Call("PageSetup.PrintQuality=");
    sheet_->print_quality = dots_per_inch;
  }
  int32_t Orientation() override {
    return app_->Call("PageSetup.Orientation"), sheet_->orientation;
  }
  void SetOrientation(int32_t orientation) override {
    app_->Call("PageSetup.Orientation=");
    sheet_->orientation = orientation;
  }

 private:
  FakeExcel* app_;
  FakeExcelSheet* sheet_;
};

// Taking a sheet as a worksheet: a chart sheet fails the cast.
FakeExcelSheet* AsWorksheet(FakeExcelSheet* sheet) {
  if (sheet->chart) throw Exception(kExcelNotAWorksheet);
  return sheet;
}

class Worksheet : public ExcelWorksheet {
 public:
  Worksheet(FakeExcel* app, const FakeExcelWorkbook* book, FakeExcelSheet* sheet)
      : app_(app), book_(book), sheet_(AsWorksheet(sheet)) {}
  std::wstring Name() override { return app_->Call("Worksheet.Name"), sheet_->name; }
  std::unique_ptr<ExcelPageSetup> PageSetup() override {
    app_->Call("Worksheet.PageSetup");
    return std::make_unique<class PageSetup>(app_, sheet_);
  }
  int32_t HorizontalPageBreaks() override {
    app_->Call("Worksheet.HPageBreaks");
    return app_->Call("HPageBreaks.Count"), sheet_->horizontal_breaks;
  }
  int32_t VerticalPageBreaks() override {
    app_->Call("Worksheet.VPageBreaks");
    return app_->Call("VPageBreaks.Count"), sheet_->vertical_breaks;
  }
  void PrintOut(const std::wstring& printer) override {
    app_->Call("Worksheet.PrintOut");
    app_->print_jobs.push_back({book_->name, sheet_->name, printer});
  }

 private:
  FakeExcel* app_;
  const FakeExcelWorkbook* book_;
  FakeExcelSheet* sheet_;
};

// The worksheets of `book`, chart sheets left out; none without a workbook.
std::unique_ptr<ExcelWorksheets> WorksheetsOf(FakeExcel* app, FakeExcelWorkbook* book) {
  auto worksheets = [book] {
    std::vector<FakeExcelSheet*> found;
    if (book) {
      for (FakeExcelSheet& sheet : book->sheets) {
        if (!sheet.chart) found.push_back(&sheet);
      }
    }
    return found;
  };
  return std::make_unique<FakeList<ExcelWorksheet>>(
      app, "Worksheets", [worksheets] { return worksheets().size(); },
      [app, book, worksheets](size_t i) {
        return std::make_unique<Worksheet>(app, book, worksheets()[i]);
      },
      kBadIndex);
}

class Workbook : public ExcelWorkbook {
 public:
  Workbook(FakeExcel* app, FakeExcelWorkbook* book) : app_(app), book_(book) {}
  std::wstring Path() override { return app_->Call("Workbook.Path"), book_->path; }
  std::wstring Name() override { return app_->Call("Workbook.Name"), book_->name; }
  void Activate() override {
    app_->Call("Workbook.Activate");
    for (size_t i = 0; i < app_->open.size(); ++i) {
      if (&app_->open[i] == book_) app_->active = i;
    }
  }
  int32_t SheetCount() override {
    app_->Call("Workbook.Sheets");
    app_->Call("Sheets.Count");
    return static_cast<int32_t>(book_->sheets.size());
  }
  std::unique_ptr<ExcelWorksheets> Worksheets() override {
    app_->Call("Workbook.Worksheets");
    return WorksheetsOf(app_, book_);
  }
  std::wstring PropertyText(int32_t index) override {
    app_->Call("Workbook.BuiltInDocumentProperties");
    app_->Call("DocumentProperty.Value");
    auto found = book_->properties.find(index);
    return found == book_->properties.end() ? L"" : found->second;
  }
  void PrintOut(const std::wstring& printer) override {
    app_->Call("Workbook.PrintOut");
    app_->print_jobs.push_back({book_->name, L"", printer});
  }

 private:
  FakeExcel* app_;
  FakeExcelWorkbook* book_;
};

class Workbooks : public FakeList<ExcelWorkbook, ExcelWorkbooks> {
 public:
  explicit Workbooks(FakeExcel* app)
      : FakeList<ExcelWorkbook, ExcelWorkbooks>(
            app, "Workbooks", [app] { return app->open.size(); },
            [app](size_t i) { return std::make_unique<Workbook>(app, &app->open[i]); }, kBadIndex),
        app_(app) {}
  std::unique_ptr<ExcelWorkbook> Open(const std::wstring& file_name) override {
    app_->Call("Workbooks.Open");
    auto found = app_->files.find(file_name);
    if (found == app_->files.end()) throw Exception(kCannotOpen);
    app_->open.push_back(found->second);
    app_->active = app_->open.size() - 1;
    return std::make_unique<Workbook>(app_, &app_->open.back());
  }

 private:
  FakeExcel* app_;
};

class Application : public ExcelApplication {
 public:
  explicit Application(FakeExcel* app) : app_(app) {}
  void SetVisible(bool visible) override {
    app_->Call("Application.Visible=");
    app_->visible = visible;
  }
  std::unique_ptr<ExcelWorkbooks> Workbooks() override {
    app_->Call("Application.Workbooks");
    return std::make_unique<class Workbooks>(app_);
  }
  std::unique_ptr<ExcelWorksheets> Worksheets() override {
    app_->Call("Application.Worksheets");
    return WorksheetsOf(app_, app_->active < app_->open.size() ? &Active() : nullptr);
  }
  std::unique_ptr<ExcelWorksheet> ActiveSheet() override {
    app_->Call("Application.ActiveSheet");
    FakeExcelWorkbook& book = Active();
    return std::make_unique<Worksheet>(app_, &book, &book.sheets.at(book.active_sheet));
  }
  std::unique_ptr<ExcelWorkbook> ActiveWorkbook() override {
    app_->Call("Application.ActiveWorkbook");
    return std::make_unique<Workbook>(app_, &Active());
  }

 private:
  FakeExcelWorkbook& Active() {
    if (app_->active >= app_->open.size()) throw Exception(kNoWorkbook);
    return app_->open[app_->active];
  }

  FakeExcel* app_;
};

}  // namespace

std::unique_ptr<ExcelApplication> FakeExcel::Application() {
  return std::make_unique<class Application>(this);
}

}  // namespace tessaly
