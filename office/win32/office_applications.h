#pragma once

#include <memory>

#include "office/office_applications.h"

namespace tessaly {

// Reaches the Office applications by ProgID: the instance registered as
// running, else a new one in its own process.
class Win32OfficeApplications : public OfficeApplications {
 public:
  std::unique_ptr<WordApplication> Word() override;
  std::unique_ptr<PowerPointApplication> PowerPoint() override;
  std::unique_ptr<ExcelApplication> Excel() override;
};

}  // namespace tessaly
