#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/env.h"

namespace tessaly {

extern const char kPrinterNotFoundMessage[];  // "The system can not find Orvane Tessaly Printer."

// The main object's part in a print job.
struct PrintJobSteps {
  // Saves the current default printer and makes the Tessaly printer the
  // default; RestoreDefaultPrinter puts the saved one back.
  std::function<bool()> set_as_default_printer;
  std::function<bool()> restore_default_printer;
  // Raises "qvPD" and writes the stores to disk.
  std::function<void()> update;
  // Tells the printer the job failed ("qvPD" and "qvPP" lowered, stores
  // written). Must not throw.
  std::function<void()> mark_failed;
};

// Prints through `route`: makes `printer_name` the default printer for the
// length of the job when it is not already, hands the stores to the printer,
// runs the route and puts the previous default back. A failure of the route
// is reported as SdkError(help_context) with the route's message, after the
// default printer is restored and the job marked failed.
void RunPrintSequence(const Env& env, const std::wstring& printer_name,
                      const PrintJobSteps& steps, int32_t help_context,
                      const std::function<void()>& route);

}  // namespace tessaly
