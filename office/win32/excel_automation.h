#pragma once

#include <oaidl.h>
#include <windows.h>

#include <memory>

#include "com/com_ptr.h"
#include "office/excel.h"

namespace tessaly {

// Excel's interfaces that sheets and workbooks are cast to.
constexpr IID kExcelWorksheetInterface = {  // _Worksheet
    0x000208D8, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kExcelWorkbookInterface = {  // _Workbook
    0x000208DA, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Excel's object model over Excel's automation object `application`:
// members called by name through late binding, the page setup and page
// breaks by dispatch id, each call with the user's default locale
// (GetUserDefaultLCID); a failed call throws ComError with Excel's code and
// message. COM must be initialised on the calling thread.
std::unique_ptr<ExcelApplication> ExcelOverAutomation(ComPtr<IDispatch> application);

}  // namespace tessaly
