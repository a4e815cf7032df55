#include "printing/office_text.h"

#include <algorithm>

#include "common/number_format.h"

namespace tessaly {

bool ContainsIgnoringCase(const CodePage& code_page, const std::wstring& text,
                          const std::wstring& part) {
  const unsigned char* upper = code_page.UpperTable();
  auto upper_case = [&](const std::wstring& s) {
    std::string ansi = code_page.ToAnsi(s);
    for (char& c : ansi) c = static_cast<char>(upper[static_cast<unsigned char>(c)]);
    return ansi;
  };
  return upper_case(text).find(upper_case(part)) != std::string::npos;
}

std::wstring TrimBlanks(const std::wstring& text) {
  auto blank = [](wchar_t c) { return c <= L' '; };
  auto first = std::find_if_not(text.begin(), text.end(), blank);
  auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::wstring(first, last) : std::wstring();
}

int32_t DecimalOrZero(const std::wstring& text) {
  size_t start = text.find_first_not_of(L' ');
  if (start == std::wstring::npos) return 0;
  std::string digits;
  for (size_t i = start; i < text.size(); ++i) {
    wchar_t c = text[i];
    // Only a sign and decimal digits: no hexadecimal forms.
    if (!(c == L'-' || c == L'+' || (c >= L'0' && c <= L'9'))) return 0;
    digits.push_back(static_cast<char>(c));
  }
  int32_t value = 0;
  return ParseInteger(digits, &value) ? value : 0;
}

bool IsInternetAddress(const CodePage& code_page, const std::wstring& address) {
  for (const wchar_t* mark : {L"www", L"http", L"@", L"ftp"}) {
    if (ContainsIgnoringCase(code_page, address, mark)) return true;
  }
  return false;
}

}  // namespace tessaly
