#include "printing/office_routes.h"

#include <memory>

#include "printing/word_flow.h"

namespace tessaly {

void PrintWithWord(const PrintServices& services, const std::wstring& document,
                   PrintJobStores&) {
  std::unique_ptr<WordApplication> word = services.office.Word();
  word->SetVisible(true);
  auto documents = word->Documents();
  std::unique_ptr<WordDocument> found;
  const int32_t count = documents->Count();
  for (int32_t i = 1; i <= count && !found; ++i) {
    auto open = documents->Item(i);
    if (open->Path() + L"\\" + open->Name() == document) found = std::move(open);
  }
  if (!found) found = documents->Open(document);
  PrintWordDocument(services.env, *word, *found);
}

}  // namespace tessaly
