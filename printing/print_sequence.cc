#include "printing/print_sequence.h"

#include <exception>

#include "common/sdk_error.h"
#include "printing/default_printer.h"

namespace tessaly {

const char kPrinterNotFoundMessage[] = "The system can not find Orvane Tessaly Printer.";

namespace {

// A failed route: the default printer goes back first, then the printer is
// told the job failed. The job is marked failed even when the restore
// fails, whose failure then replaces the route's.
void CleanUpFailedJob(const PrintJobSteps& steps, bool switched) {
  std::exception_ptr restore_failure;
  if (switched) {
    try {
      steps.restore_default_printer();
    } catch (...) {
      restore_failure = std::current_exception();
    }
  }
  steps.mark_failed();
  if (restore_failure) std::rethrow_exception(restore_failure);
}

}  // namespace

void RunPrintSequence(const Env& env, const std::wstring& printer_name,
                      const PrintJobSteps& steps, int32_t help_context,
                      const std::function<void()>& route) {
  bool switched = false;
  if (CurrentDefaultPrinter(env) != printer_name) {
    if (!IsPrinterListed(env, printer_name)) {
      throw SdkError(kHelpPrinterFailed, kPrinterNotFoundMessage);
    }
    switched = true;
    steps.set_as_default_printer();
  }
  steps.update();
  try {
    route();
  } catch (const std::exception& e) {
    std::string message = e.what();
    CleanUpFailedJob(steps, switched);
    throw SdkError(help_context, message);
  } catch (...) {
    CleanUpFailedJob(steps, switched);
    throw;
  }
  if (switched) steps.restore_default_printer();
}

}  // namespace tessaly
