#include "printing/document_info.h"

namespace tessaly {

void WriteDocumentInfo(TqvDocumentProperties& info, bool export_properties,
                       const CodePage& code_page,
                       const std::function<std::wstring(int32_t index)>& property) {
  info.SetExportDocumentProperty(export_properties);
  if (!export_properties) return;
  auto text = [&](int32_t index) { return code_page.ToAnsi(property(index)); };
  info.SetTitle(text(1));
  // Read once, written twice.
  const std::string author = text(3);
  info.SetAuthor(author);
  info.SetCreator(author);
  info.SetSubject(text(2));
  info.SetKeywords(text(4));
}

}  // namespace tessaly
