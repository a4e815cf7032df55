#pragma once

#include <cstdint>
#include <functional>

#include "platform/env.h"
#include "printing/default_printer.h"

namespace tessaly {

extern const char kPrinterNotFoundMessage[];  // "The system can not find Orvane Tessaly Printer."

// The stores' side of a print job, kept by whoever owns the stores (the
// main object).
class PrintJobStores {
 public:
  virtual ~PrintJobStores() = default;
  // Raises "qvPD" and writes the stores to disk, so that the printer sees
  // the current settings.
  virtual void Update() = 0;
  // Tells the printer the job failed: "qvPD" and "qvPP" lowered and the
  // stores written. Does not throw: each step's own failure is ignored.
  virtual void MarkJobFailed() = 0;
};

// Prints through `route`: makes the switch's printer the default printer
// for the length of the job when it is not already, hands the stores to the
// printer, runs the route and puts the previous default back. A failure of
// the route is reported as SdkError(help_context) with the route's message,
// after the default printer is restored and the job marked failed.
void RunPrintSequence(const Env& env, DefaultPrinterSwitch& default_printer,
                      PrintJobStores& stores, int32_t help_context,
                      const std::function<void()>& route);

}  // namespace tessaly
