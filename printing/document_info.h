#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "addin/office_settings.h"
#include "platform/code_page.h"

namespace tessaly {

// The document information of the output, as every Office flow writes it:
// with `export_properties`, "Export DocProperty" on and the title, author
// (as the creator too), subject and keywords read from the document's
// built-in properties by their index (1 title, 2 subject, 3 author,
// 4 keywords); without, "Export DocProperty" off and the texts left as
// they are.
void WriteDocumentInfo(TqvDocumentProperties& info, bool export_properties,
                       const CodePage& code_page,
                       const std::function<std::wstring(int32_t index)>& property);

}  // namespace tessaly
