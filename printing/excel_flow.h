#pragma once

#include "office/excel.h"
#include "platform/env.h"

namespace tessaly {

// Prints Excel's active workbook, or only its active worksheet, on the
// Tessaly printer, as the Excel settings of the PlugIn store say, and
// records for the printer the workbook's document properties and one PDF
// bookmark per printed worksheet, on the page where the sheet begins.
// Printing the whole workbook first gives every worksheet the print
// quality and orientation of the active sheet; the workbook keeps them.
//
// The run opens its own profile manager over the store files the caller
// has just flushed and raises "qvPP"; closing that manager writes the
// bookmarks to disk before Excel prints. Every failed Excel call throws
// with Excel's message and ends the run at once; a failure before the
// print-out leaves the store files as they were. An active sheet that is a
// chart sheet fails the run. With no workbook open nothing is printed.
void PrintExcelWorkbook(const Env& env, ExcelApplication& excel);

}  // namespace tessaly
