#pragma once

#include <memory>

#include "office/excel.h"
#include "office/powerpoint.h"
#include "office/word.h"

namespace tessaly {

// The Office applications a print route hands documents to. Each call
// attaches to the running instance, or starts one when none runs, and
// returns a connection of the caller's own; releasing it leaves the
// application running. Throws Exception when the application cannot be
// reached, with a message that says why (not installed, failed to start).
class OfficeApplications {
 public:
  virtual ~OfficeApplications() = default;
  virtual std::unique_ptr<WordApplication> Word() = 0;
  virtual std::unique_ptr<PowerPointApplication> PowerPoint() = 0;
  virtual std::unique_ptr<ExcelApplication> Excel() = 0;
};

// The Office of the system the program runs on: automation of the installed
// applications on Windows; elsewhere every application is reported missing.
OfficeApplications& DefaultOfficeApplications();

}  // namespace tessaly
