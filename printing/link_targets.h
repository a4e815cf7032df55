#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "addin/annotation_lists.h"
#include "platform/code_page.h"

namespace tessaly {

// TxqvLinkType: where a PDF link of the Office flows points.
enum OfficeLinkType : int32_t {
  kLinkWithinDocument = 0,
  kLinkInternet = 1,
  kLinkFileAttachment = 2,
};

// Writes the target of a link that points out of the document into the
// entry at the cursor: an internet address (one holding "www", "http", "@"
// or "ftp", letter case ignored) as its URI, anything else as a file beside
// the document, `folder()` a backslash and the address. `folder` is asked
// only for a file.
void WriteOutsideTarget(TqvAddinPDFHyperlink& links, const CodePage& code_page,
                        const std::wstring& address,
                        const std::function<const std::wstring&()>& folder);

}  // namespace tessaly
