#pragma once

#include "common/ini_file.h"
#include "office/fake/fake_excel.h"
#include "tests/office/office_server/fake_server.h"

namespace tessaly {

constexpr HRESULT kFakeExcelError = static_cast<HRESULT>(0x800A03EC);

// The fake Excel's server: the in-memory Excel and how its failures are
// raised; its log lines carry each call's locale.
struct FakeExcelServer : FakeServer {
  FakeExcelServer() : FakeServer(L"Fake Excel", kFakeExcelError) { logs_locale = true; }
  FakeExcel excel;
};

// Arranges a fake Excel from a description in INI form (ANSI):
//
//   [Excel]       Active=<1-based index of the active open workbook>
//   [Workbook<n>] Path=..., Name=..., Opened=1|0 (0: a file that
//                 Workbooks.Open opens by Path\Name), Property<index>=...,
//                 ActiveSheet=<1-based>, and the sheets in workbook order:
//                 Sheet<k>.Name (.Chart=1 for a chart sheet, .HBreaks,
//                 .VBreaks, .Quality, .Orientation)
//   and [Failures] and [Failure Codes] (description.h)
void ArrangeFakeExcel(const IniFile& description, FakeExcelServer* server);

// Excel's Application object over the server's FakeExcel: every member the
// adapter calls answers by name, the page setup and page-break counts by
// Excel's dispatch ids; worksheets answer _Worksheet and workbooks
// _Workbook, a chart sheet neither.
ComPtr<ScriptedObject> FakeExcelApplication(FakeExcelServer* server);

}  // namespace tessaly
