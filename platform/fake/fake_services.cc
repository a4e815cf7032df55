#include "platform/fake/fake_services.h"

#include "platform/cp1252.h"

namespace tessaly {

Cp1252CodePage::Cp1252CodePage(char decimal_separator) : separator_(decimal_separator) {
  BuildCp1252UpperTable(upper_);
}

std::string Cp1252CodePage::ToAnsi(const std::wstring& text) const {
  std::string out;
  out.reserve(text.size());
  for (wchar_t w : text) {
    // The code page keeps ASCII as it is.
    if (w < 0x80) {
      out += static_cast<char>(w);
      continue;
    }
    char c = '?';
    for (int b = 0x80; b < 256; ++b) {
      if (kCp1252ToUnicode[b] == static_cast<unsigned>(w) && (b == 0 || w != 0)) {
        c = static_cast<char>(b);
        break;
      }
    }
    out += c;
  }
  return out;
}

std::wstring Cp1252CodePage::FromAnsi(const std::string& text) const {
  return Cp1252ToWide(text);
}

}  // namespace tessaly
