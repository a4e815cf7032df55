#include "printing/link_targets.h"

#include "printing/office_text.h"

namespace tessaly {

void WriteOutsideTarget(TqvAddinPDFHyperlink& links, const CodePage& code_page,
                        const std::wstring& address,
                        const std::function<const std::wstring&()>& folder) {
  if (IsInternetAddress(code_page, address)) {
    links.SetHyperLinkType(kLinkInternet);
    links.SetURI(code_page.ToAnsi(address));
  } else {
    links.SetHyperLinkType(kLinkFileAttachment);
    links.SetFileName(code_page.ToAnsi(folder() + L"\\" + address));
  }
}

}  // namespace tessaly
