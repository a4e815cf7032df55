// The Excel flow over the in-memory Excel.
#include "printing/excel_flow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "office/fake/fake_excel.h"
#include "platform/fake/fake_env.h"
#include "profiles/profile_manager.h"
#include "tests/exception_message.h"

namespace tessaly {
namespace {

const char kPlugInPath[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\PlugIn.qvf";

FakeExcelSheet Sheet(std::wstring name, int32_t horizontal = 0, int32_t vertical = 0) {
  FakeExcelSheet sheet;
  sheet.name = std::move(name);
  sheet.horizontal_breaks = horizontal;
  sheet.vertical_breaks = vertical;
  return sheet;
}

class ExcelFlowTest : public ::testing::Test {
 protected:
  ExcelFlowTest() {
    excel_.open.emplace_back();
    book().name = L"book.xls";
    book().sheets = {Sheet(L"Sales", 2, 1), Sheet(L"Costs"), Sheet(L"Notes")};
  }
  FakeExcelWorkbook& book() { return excel_.open.front(); }
  void Settings(const std::function<void(TqvExcelSettings&)>& change) {
    TqvProfileManager manager(fake_.env);
    change(manager.AddinSettings().excel());
  }
  void Run() {
    auto app = excel_.Application();
    PrintExcelWorkbook(fake_.env, *app);
  }
  // "name/page" of every bookmark entry, or "none" when no count is stored.
  std::vector<std::string> Bookmarks() {
    TqvProfileManager manager(fake_.env);
    TqvAddinPDFBookmark& b = manager.Bookmarks();
    if (manager.plugin_store().ini().ReadString("Headings", "Headings Count", "") == "") {
      return {"none"};
    }
    std::vector<std::string> out;
    for (int32_t i = 1; i <= b.Count(); ++i) {
      b.SetNumber(i);
      out.push_back(b.Text() + "/" + std::to_string(b.Page()));
    }
    return out;
  }
  std::vector<int32_t> Orientations() {
    std::vector<int32_t> out;
    for (const FakeExcelSheet& sheet : book().sheets) out.push_back(sheet.orientation);
    return out;
  }

  FakeEnv fake_;
  FakeExcel excel_;
};

TEST_F(ExcelFlowTest, WholeWorkbookTakesTheActiveSheetsPageSetup) {
  book().active_sheet = 1;
  book().sheets[1].orientation = kExcelLandscape;
  book().sheets[1].print_quality = 300;
  Run();
  // Sales takes 3 × 2 pages, so Costs begins on page 7.
  EXPECT_EQ(Bookmarks(), (std::vector<std::string>{"Sales/1", "Costs/7", "Notes/8"}));
  EXPECT_EQ(Orientations(), (std::vector<int32_t>{2, 2, 2}));
  EXPECT_EQ(book().sheets[0].print_quality, 300);
  ASSERT_EQ(excel_.print_jobs.size(), 1u);
  EXPECT_EQ(excel_.print_jobs[0].sheet, L"");
  EXPECT_EQ(excel_.print_jobs[0].printer, L"Orvane Tessaly");
}

TEST_F(ExcelFlowTest, ActiveSheetAloneLeavesThePageSetup) {
  Settings([](TqvExcelSettings& s) { s.SetPrintOption(1); });
  book().active_sheet = 2;
  book().sheets[0].orientation = kExcelLandscape;
  Run();
  EXPECT_EQ(Bookmarks(), std::vector<std::string>{"Notes/1"});
  EXPECT_EQ(Orientations(), (std::vector<int32_t>{2, 1, 1}));
  ASSERT_EQ(excel_.print_jobs.size(), 1u);
  EXPECT_EQ(excel_.print_jobs[0].sheet, L"Notes");
}

TEST_F(ExcelFlowTest, SheetNamesOffWriteNoBookmarks) {
  Settings([](TqvExcelSettings& s) { s.SetSheetNamesToBookmarks(false); });
  Run();
  EXPECT_EQ(Bookmarks(), std::vector<std::string>{"none"});
  EXPECT_EQ(excel_.print_jobs.size(), 1u);
}

TEST_F(ExcelFlowTest, ChartSheetsAreLeftOutOrFailWhenActive) {
  FakeExcelSheet chart = Sheet(L"Chart");
  chart.chart = true;
  book().sheets.insert(book().sheets.begin() + 1, chart);
  Run();
  EXPECT_EQ(Bookmarks(), (std::vector<std::string>{"Sales/1", "Costs/7", "Notes/8"}));

  { TqvProfileManager manager(fake_.env); }
  const std::string before = fake_.files.Get(kPlugInPath);
  book().active_sheet = 1;
  EXPECT_NE(MessageOf([&] { Run(); }), "(no exception)");
  EXPECT_EQ(fake_.files.Get(kPlugInPath), before);
  EXPECT_EQ(excel_.print_jobs.size(), 1u);
}

TEST_F(ExcelFlowTest, ListsAreWrittenBeforeThePrintOut) {
  book().properties = {{kOfficeTitle, L"Budget"}};
  excel_.failures = {{"Workbook.PrintOut", "The printer is busy."}};
  EXPECT_EQ(MessageOf([&] { Run(); }), "The printer is busy.");
  EXPECT_EQ(Bookmarks().size(), 3u);
  TqvProfileManager manager(fake_.env);
  EXPECT_EQ(manager.DocumentProperties().Title(), "Budget");
  EXPECT_EQ(fake_.registry.ReadString("Software\\Orvane\\Orvane Tessaly", "qvPP"), "1");
}

}  // namespace
}  // namespace tessaly
