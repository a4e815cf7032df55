#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "office/office_applications.h"
#include "platform/env.h"
#include "printing/default_printer.h"
#include "printing/print_sequence.h"

namespace tessaly {

// Where a print member hands the document.
enum class PrintRoute { kWord, kExcel, kPowerPoint, kShell, kNone };

// What a print route may use: the system's services and the Office
// applications it hands documents to.
struct PrintServices {
  const Env& env;
  OfficeApplications& office;
};

// What a route does with the document once the printer is the default and
// the stores are handed over. Throws on failure; the job reports it under
// the route's help context.
using PrintRouteFunction = void (*)(const PrintServices& services, const std::wstring& document,
                                    PrintJobStores& stores);

struct PrintRouteEntry {
  PrintRoute route;
  // The TxqvSourceApplication value with which PrintDocument takes the
  // route; none for the route of every other value.
  std::optional<int32_t> source_application;
  int32_t help_context;
  PrintRouteFunction print;
};

const PrintRouteEntry& RouteEntry(PrintRoute route);
// PrintDocument's route for the source application field.
PrintRoute RouteOfSourceApplication(int32_t source_application);

// The print job of a print member: the print sequence around the route's
// function.
void PrintByRoute(const PrintServices& services, DefaultPrinterSwitch& default_printer,
                  PrintJobStores& stores, PrintRoute route, const std::wstring& document);

}  // namespace tessaly
