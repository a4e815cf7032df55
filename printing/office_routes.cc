#include "printing/office_routes.h"

#include <memory>

#include "printing/excel_flow.h"
#include "printing/powerpoint_flow.h"
#include "printing/word_flow.h"

namespace tessaly {
namespace {

// The open document whose folder, a backslash and name are `document`
// exactly; null when none is.
template <class Collection>
auto FindOpen(Collection& open, const std::wstring& document) -> decltype(open.Item(1)) {
  const int32_t count = open.Count();
  for (int32_t i = 1; i <= count; ++i) {
    auto candidate = open.Item(i);
    if (candidate->Path() + L"\\" + candidate->Name() == document) return candidate;
  }
  return nullptr;
}

}  // namespace

void PrintWithWord(const PrintServices& services, const std::wstring& document,
                   PrintJobStores&) {
  std::unique_ptr<WordApplication> word = services.office.Word();
  word->SetVisible(true);
  auto documents = word->Documents();
  std::unique_ptr<WordDocument> found = FindOpen(*documents, document);
  if (!found) found = documents->Open(document);
  PrintWordDocument(services.env, *word, *found);
}

void PrintWithPowerPoint(const PrintServices& services, const std::wstring& presentation,
                         PrintJobStores&) {
  std::unique_ptr<PowerPointApplication> powerpoint = services.office.PowerPoint();
  powerpoint->SetVisible(kOfficeTrue);
  powerpoint->SetWindowState(kPowerPointWindowNormal);
  auto presentations = powerpoint->Presentations();
  std::unique_ptr<PowerPointPresentation> found = FindOpen(*presentations, presentation);
  if (!found) found = presentations->Open(presentation);
  PrintPowerPointPresentation(services.env, *found);
}

void PrintWithExcel(const PrintServices& services, const std::wstring& workbook,
                    PrintJobStores&) {
  std::unique_ptr<ExcelApplication> excel = services.office.Excel();
  excel->SetVisible(true);
  auto workbooks = excel->Workbooks();
  std::unique_ptr<ExcelWorkbook> found = FindOpen(*workbooks, workbook);
  if (found) {
    found->Activate();
  } else {
    workbooks->Open(workbook);
  }
  PrintExcelWorkbook(services.env, *excel);
}

}  // namespace tessaly
