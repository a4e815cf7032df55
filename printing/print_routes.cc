#include "printing/print_routes.h"

#include <algorithm>
#include <iterator>

#include "common/sdk_error.h"
#include "printing/office_routes.h"
#include "printing/shell_route.h"

namespace tessaly {

namespace {

void PrintWithShell(const PrintServices& services, const std::wstring& document,
                    PrintJobStores&) {
  PrintThroughShell(services.env, document);
}

// A source application that names no route: the job still runs, with the
// default printer switched and restored.
void PrintNothing(const PrintServices&, const std::wstring&, PrintJobStores&) {}

// Every print member chooses its route here.
const PrintRouteEntry kRoutes[] = {
    // route, PrintDocument's source application, help context, function
    {PrintRoute::kWord, 0 /* MSWord */, kHelpWordPrintFailed, PrintWithWord},
    {PrintRoute::kExcel, 1 /* MSExcel */, kHelpExcelPrintFailed, PrintWithExcel},
    {PrintRoute::kPowerPoint, 2 /* MSPowerPoint */, kHelpPowerPointPrintFailed,
     PrintWithPowerPoint},
    {PrintRoute::kShell, 3 /* Other */, kHelpPrinterFailed, PrintWithShell},
    {PrintRoute::kNone, std::nullopt, kHelpPrinterFailed, PrintNothing},
};

}  // namespace

const PrintRouteEntry& RouteEntry(PrintRoute route) {
  return *std::find_if(std::begin(kRoutes), std::end(kRoutes),
                       [route](const PrintRouteEntry& entry) { return entry.route == route; });
}

PrintRoute RouteOfSourceApplication(int32_t source_application) {
  for (const PrintRouteEntry& entry : kRoutes) {
    if (entry.source_application == source_application) return entry.route;
  }
  return PrintRoute::kNone;
}

void PrintByRoute(const PrintServices& services, DefaultPrinterSwitch& default_printer,
                  PrintJobStores& stores, PrintRoute route, const std::wstring& document) {
  const PrintRouteEntry& entry = RouteEntry(route);
  RunPrintSequence(services.env, default_printer, stores, entry.help_context,
                   [&] { entry.print(services, document, stores); });
}

}  // namespace tessaly
