// What the print flows rely on in the in-memory Excel.
#include "office/fake/fake_excel.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/exception_message.h"

namespace tessaly {
namespace {

FakeExcelWorkbook Sample() {
  FakeExcelWorkbook book;
  book.path = L"C:\\Sheets";
  book.name = L"a.xls";
  FakeExcelSheet chart;
  chart.name = L"Chart1";
  chart.chart = true;
  book.sheets = {{L"North"}, chart, {L"South"}};
  book.sheets[0].horizontal_breaks = 2;
  return book;
}

class FakeExcelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    excel_.open.push_back(Sample());
    app_ = excel_.Application();
  }

  FakeExcel excel_;
  std::unique_ptr<ExcelApplication> app_;
};

TEST_F(FakeExcelTest, SheetsCountChartSheetsWorksheetsLeaveThemOut) {
  auto book = app_->ActiveWorkbook();
  EXPECT_EQ(book->SheetCount(), 3);
  auto worksheets = book->Worksheets();
  EXPECT_EQ(worksheets->Count(), 2);
  EXPECT_EQ(worksheets->Item(2)->Name(), L"South");
  EXPECT_EQ(worksheets->Item(1)->HorizontalPageBreaks(), 2);
  EXPECT_EQ(MessageOf([&] { worksheets->Item(3); }), "Invalid index.");
  EXPECT_EQ(app_->Worksheets()->Count(), 2);

  excel_.open[0].active_sheet = 1;
  EXPECT_EQ(MessageOf([&] { app_->ActiveSheet(); }), kExcelNotAWorksheet);
}

TEST_F(FakeExcelTest, PageSetupChangesStayInTheSheet) {
  auto setup = app_->ActiveWorkbook()->Worksheets()->Item(2)->PageSetup();
  setup->SetPrintQuality(300);
  setup->SetOrientation(kExcelLandscape);
  EXPECT_EQ(excel_.open[0].sheets[2].print_quality, 300);
  EXPECT_EQ(app_->ActiveWorkbook()->Worksheets()->Item(2)->PageSetup()->Orientation(),
            kExcelLandscape);
  EXPECT_EQ(excel_.CallsOf("PageSetup.Orientation="), 1);
}

TEST_F(FakeExcelTest, ActivateAndOpenChooseWhatIsPrinted) {
  FakeExcelWorkbook other;
  other.name = L"b.xls";
  other.sheets = {{L"Only"}};
  excel_.files[L"C:\\b.xls"] = other;
  auto books = app_->Workbooks();
  EXPECT_EQ(MessageOf([&] { books->Open(L"C:\\c.xls"); }), "Excel cannot find the file.");
  books->Open(L"C:\\b.xls");
  app_->ActiveSheet()->PrintOut(L"Orvane Tessaly");
  books->Item(1)->Activate();
  app_->ActiveWorkbook()->PrintOut(L"Orvane Tessaly");

  ASSERT_EQ(excel_.print_jobs.size(), 2u);
  EXPECT_EQ(excel_.print_jobs[0].workbook + L"!" + excel_.print_jobs[0].sheet, L"b.xls!Only");
  EXPECT_EQ(excel_.print_jobs[1].workbook + L"!" + excel_.print_jobs[1].sheet, L"a.xls!");
  EXPECT_EQ(excel_.print_jobs[1].printer, L"Orvane Tessaly");
}

TEST(FakeExcelEmptyTest, WithoutAWorkbookThereAreNoWorksheets) {
  FakeExcel excel;
  auto app = excel.Application();
  EXPECT_EQ(app->Worksheets()->Count(), 0);
  EXPECT_EQ(app->Workbooks()->Count(), 0);
  EXPECT_EQ(MessageOf([&] { app->ActiveWorkbook(); }), "No workbook is open.");
}

}  // namespace
}  // namespace tessaly
