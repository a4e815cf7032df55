#include "printing/print_routes.h"

#include <algorithm>
#include <iterator>

#include "common/sdk_error.h"
#include "printing/office_routes.h"
#include "printing/shell_route.h"

namespace tessaly {

const char kRouteNotBuiltMessage[] = "Printing through Word, Excel or PowerPoint is not available.";

namespace {

void PrintWithShell(const PrintServices& services, const std::wstring& document,
                    PrintJobStores&) {
  PrintThroughShell(services.env, document);
}

// A source application that names no route: the job still runs, with the
// default printer switched and restored.
void PrintNothing(const PrintServices&, const std::wstring&, PrintJobStores&) {}

// Every print member chooses its route here. The Excel and PowerPoint
// flows are not built yet: their rows have no function, and a job on them
// is refused before the default printer or the stores are touched.
const PrintRouteEntry kRoutes[] = {
    // route, PrintDocument's source application, help context, function
    {PrintRoute::kWord, 0 /* MSWord */, kHelpWordPrintFailed, PrintWithWord},
    {PrintRoute::kExcel, 1 /* MSExcel */, kHelpExcelPrintFailed, nullptr},
    {PrintRoute::kPowerPoint, 2 /* MSPowerPoint */, kHelpPowerPointPrintFailed, nullptr},
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

bool IsRouteBuilt(PrintRoute route) { return RouteEntry(route).print != nullptr; }

void PrintByRoute(const PrintServices& services, DefaultPrinterSwitch& default_printer,
                  PrintJobStores& stores, PrintRoute route, const std::wstring& document) {
  const PrintRouteEntry& entry = RouteEntry(route);
  if (!entry.print) throw ERouteNotBuilt();
  RunPrintSequence(services.env, default_printer, stores, entry.help_context,
                   [&] { entry.print(services, document, stores); });
}

}  // namespace tessaly
