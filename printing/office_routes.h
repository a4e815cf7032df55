#pragma once

#include <string>

#include "printing/print_routes.h"

namespace tessaly {

// The Office print routes: each reaches its application (the running one,
// or a new one), makes it visible, takes the document when it is already
// open there (its folder, a backslash and its name equal to `document`,
// letter case counting) or opens it, and runs the application's flow on it.
// The connection is released at the end; the application keeps running and
// the document stays open.
void PrintWithWord(const PrintServices& services, const std::wstring& document,
                   PrintJobStores& stores);
void PrintWithPowerPoint(const PrintServices& services, const std::wstring& presentation,
                         PrintJobStores& stores);
// Excel's flow prints the active workbook: the one found is activated.
void PrintWithExcel(const PrintServices& services, const std::wstring& workbook,
                    PrintJobStores& stores);

}  // namespace tessaly
