// The Excel flow over a 200-sheet workbook printed whole, sheet names on.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/office_bench.h"
#include "bench/plugin_entries.h"
#include "office/fake/fake_excel.h"
#include "platform/fake/fake_env.h"
#include "printing/excel_flow.h"

namespace tessaly {
namespace {

constexpr int kSheets = 200;

FakeExcelWorkbook BigWorkbook() {
  FakeExcelWorkbook book;
  book.path = L"C:\\Books";
  book.name = L"big.xls";
  for (int i = 0; i < kSheets; ++i) {
    FakeExcelSheet sheet;
    sheet.name = L"Sheet " + std::to_wstring(i + 1);
    sheet.horizontal_breaks = i % 4;
    sheet.vertical_breaks = i % 3;
    book.sheets.push_back(sheet);
  }
  book.active_sheet = 7;
  book.sheets[7].orientation = kExcelLandscape;
  book.properties = {{kOfficeTitle, L"Figures"}, {kOfficeAuthor, L"Someone"}};
  return book;
}

const FakeExcelWorkbook& Workbook() {
  static const FakeExcelWorkbook book = BigWorkbook();
  return book;
}

// The fewest calls: the counts, the active sheet and workbook once; the
// active sheet's quality and orientation read once; per worksheet its
// item, its page setup written (two values), its name and its two break
// counts (each a collection and its count).
int64_t MinimumCalls(const FakeExcelWorkbook& book) {
  int64_t calls = 2 + 1 + 2 + 1;  // worksheets and the active sheet, workbooks and the active one
  calls += 4 * 2;                 // the properties
  calls += 2;                     // the workbook's worksheets
  calls += 3;                     // the active sheet's page setup, quality, orientation
  calls += static_cast<int64_t>(book.sheets.size()) * (4 + 1 + 4);
  calls += 1;  // the print-out
  return calls;
}

void RunFlow(FakeEnv& fake, FakeExcel& excel) {
  auto app = excel.Application();
  PrintExcelWorkbook(fake.env, *app);
}

void BM_ExcelFlow(benchmark::State& state) {
  FakeEnv fake;
  FakeExcel excel;
  excel.open.push_back(Workbook());
  for (auto _ : state) RunFlow(fake, excel);
}

void BM_ExcelListWrites(benchmark::State& state) {
  FakeEnv fake;
  FakeExcel excel;
  excel.open.push_back(Workbook());
  RunFlow(fake, excel);
  const PlugInEntries entries = ReadPlugInEntries(fake.env);
  for (auto _ : state) WritePlugInEntries(fake.env, entries);
}

BENCHMARK(BM_ExcelFlow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExcelListWrites)->Unit(benchmark::kMillisecond);

[[maybe_unused]] const bool added = AddOfficeFigure([](RatioReporter& reporter) {
  FakeEnv fake;
  FakeExcel excel;
  excel.open.push_back(Workbook());
  RunFlow(fake, excel);
  const double minimum = static_cast<double>(MinimumCalls(Workbook()));
  std::printf("ratio excel calls/minimum: %.2f\n", excel.total_calls / minimum);
  std::printf("ratio excel flow/list writes: %.2f\n",
              reporter.Ratio("BM_ExcelFlow", "BM_ExcelListWrites"));
});

}  // namespace
}  // namespace tessaly
