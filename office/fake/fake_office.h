#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "office/fake/fake_excel.h"
#include "office/fake/fake_powerpoint.h"
#include "office/fake/fake_word.h"
#include "office/office_applications.h"

namespace tessaly {

// OfficeApplications over the in-memory Word, PowerPoint and Excel. Each
// application counts its connections; a `*_failure` that is set is the
// message with which reaching that application fails.
class FakeOfficeApplications : public OfficeApplications {
 public:
  std::unique_ptr<WordApplication> Word() override;
  std::unique_ptr<PowerPointApplication> PowerPoint() override;
  std::unique_ptr<ExcelApplication> Excel() override;

  FakeWord word;
  std::string word_failure;
  int32_t word_connections = 0;

  FakePowerPoint powerpoint;
  std::string powerpoint_failure;
  int32_t powerpoint_connections = 0;

  FakeExcel excel;
  std::string excel_failure;
  int32_t excel_connections = 0;
};

}  // namespace tessaly
