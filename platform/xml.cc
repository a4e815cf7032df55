#include "platform/xml.h"

#include <initializer_list>

namespace tessaly {

const char kNotSingleTextNode[] = "Element does not contain a single text node";
const char kDocumentTypeRefused[] =
    "The XML document has a document type declaration, which is not accepted";
const char kXmlDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";

namespace {

// The ASCII text in a Unicode encoding of `width` bytes a character.
bool ContainsWide(std::string_view data, std::string_view ascii, size_t width, bool little_endian) {
  std::string pattern;
  for (char c : ascii) {
    std::string unit(width, '\0');
    unit[little_endian ? 0 : width - 1] = c;
    pattern += unit;
  }
  return data.find(pattern) != std::string_view::npos;
}

}  // namespace

bool HasDocumentTypeDeclaration(std::string_view data) {
  const std::string_view kMarker = "<!DOCTYPE";
  if (data.find(kMarker) != std::string_view::npos) return true;
  for (size_t width : {2, 4}) {
    if (ContainsWide(data, kMarker, width, true) || ContainsWide(data, kMarker, width, false)) {
      return true;
    }
  }
  return false;
}

std::wstring XmlSafeText(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size());
  for (wchar_t c : text) {
    if (c < 32 && c != L'\t' && c != L'\n' && c != L'\r') continue;
    out += c;
  }
  return out;
}

}  // namespace tessaly
