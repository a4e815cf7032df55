#include "platform/fake/fake_services.h"

#include "platform/cp1252.h"

namespace tessaly {

Cp1252CodePage::Cp1252CodePage(char decimal_separator) : separator_(decimal_separator) {
  BuildCp1252UpperTable(upper_);
}

std::string Cp1252CodePage::ToAnsi(const std::wstring& text) const {
  return WideToCp1252(text);
}

std::wstring Cp1252CodePage::FromAnsi(const std::string& text) const {
  return Cp1252ToWide(text);
}

}  // namespace tessaly
