#include "office/fake/fake_office.h"

#include "common/exception.h"

namespace tessaly {

std::unique_ptr<WordApplication> FakeOfficeApplications::Word() {
  ++word_connections;
  if (!word_failure.empty()) throw Exception(word_failure);
  return word.Application();
}

std::unique_ptr<PowerPointApplication> FakeOfficeApplications::PowerPoint() {
  ++powerpoint_connections;
  if (!powerpoint_failure.empty()) throw Exception(powerpoint_failure);
  return powerpoint.Application();
}

std::unique_ptr<ExcelApplication> FakeOfficeApplications::Excel() {
  ++excel_connections;
  if (!excel_failure.empty()) throw Exception(excel_failure);
  return excel.Application();
}

}  // namespace tessaly
