#include <string>

#include "tests/office/office_server/description.h"
#include "tests/office/office_server/excel_server.h"

namespace tessaly {

void ArrangeFakeExcel(const IniFile& description, FakeExcelServer* server) {
  FakeExcel& excel = server->excel;
  for (int i = 1; description.SectionExists("Workbook" + std::to_string(i)); ++i) {
    DescriptionSection r(description, "Workbook" + std::to_string(i));
    FakeExcelWorkbook book;
    book.path = r.Text("Path");
    book.name = r.Text("Name");
    book.properties = r.Properties();
    book.active_sheet = static_cast<size_t>(r.Integer("ActiveSheet", 1) - 1);
    r.Items("Sheet", {".Name"}, [&](const std::string& key) {
      FakeExcelSheet sheet;
      sheet.name = r.Text(key + ".Name");
      sheet.chart = r.Integer(key + ".Chart", 0) != 0;
      sheet.horizontal_breaks = r.Integer(key + ".HBreaks", 0);
      sheet.vertical_breaks = r.Integer(key + ".VBreaks", 0);
      sheet.print_quality = r.Integer(key + ".Quality", sheet.print_quality);
      sheet.orientation = r.Integer(key + ".Orientation", sheet.orientation);
      book.sheets.push_back(sheet);
    });
    if (r.Integer("Opened", 1) != 0) {
      excel.open.push_back(std::move(book));
    } else {
      excel.files[book.path + L"\\" + book.name] = std::move(book);
    }
  }
  DescriptionSection general(description, "Excel");
  excel.active = static_cast<size_t>(general.Integer("Active", 1) - 1);
  ArrangeFailures(description, server, &excel.failures);
}

}  // namespace tessaly
