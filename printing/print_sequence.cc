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
void CleanUpFailedJob(DefaultPrinterSwitch& default_printer, PrintJobStores& stores,
                      bool switched) {
  std::exception_ptr restore_failure;
  if (switched) {
    try {
      default_printer.Restore();
    } catch (...) {
      restore_failure = std::current_exception();
    }
  }
  stores.MarkJobFailed();
  if (restore_failure) std::rethrow_exception(restore_failure);
}

}  // namespace

void RunPrintSequence(const Env& env, DefaultPrinterSwitch& default_printer,
                      PrintJobStores& stores, int32_t help_context,
                      const std::function<void()>& route) {
  bool switched = false;
  const std::wstring& printer_name = default_printer.printer_name();
  if (CurrentDefaultPrinter(env) != printer_name) {
    if (!IsPrinterListed(env, printer_name)) {
      throw SdkError(kHelpPrinterFailed, kPrinterNotFoundMessage);
    }
    switched = true;
    default_printer.SetAsDefault();
  }
  stores.Update();
  try {
    route();
  } catch (const std::exception& e) {
    std::string message = e.what();
    CleanUpFailedJob(default_printer, stores, switched);
    throw SdkError(help_context, message);
  } catch (...) {
    CleanUpFailedJob(default_printer, stores, switched);
    throw;
  }
  if (switched) default_printer.Restore();
}

}  // namespace tessaly
