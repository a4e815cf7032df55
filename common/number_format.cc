#include "common/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tessaly {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool ParseInteger(std::string_view text, int32_t* value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    if (text.size() > 10) return false;
    uint32_t v = 0;
    for (size_t i = 2; i < text.size(); ++i) {
      int d = HexDigit(text[i]);
      if (d < 0) return false;
      v = (v << 4) | static_cast<uint32_t>(d);
    }
    *value = static_cast<int32_t>(v);
    return true;
  }
  // One sign at most: "+" is dropped here and from_chars reads a "-", so
  // "+-5" must be refused before.
  bool plus = !text.empty() && text[0] == '+';
  if (plus) text.remove_prefix(1);
  if (text.empty() || text[0] == '+' || (plus && text[0] == '-')) return false;
  int32_t v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  *value = v;
  return true;
}

bool ParseFloat(std::string_view text, char separator, double* value) {
  char buf[64] = {};
  if (text.empty() || text.size() >= sizeof buf) return false;
  size_t n = 0;
  for (char c : text) {
    if (c == separator) {
      buf[n++] = '.';
    } else if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e' || c == 'E') {
      buf[n++] = c;
    } else {
      return false;  // another separator, a blank, "inf", "nan", ...
    }
  }
  const char* begin = buf;
  bool plus = *begin == '+';
  if (plus) ++begin;
  if (begin == buf + n || *begin == '+' || (plus && *begin == '-')) return false;
  double v = 0;
  auto [end, ec] = std::from_chars(begin, buf + n, v);
  if (ec != std::errc() || end != buf + n) return false;
  *value = v;
  return true;
}

std::string FormatFloatGeneral(double value, char separator) {
  // NaN and the infinities have no form that the readers of the files (this
  // parser and the printer's) take as a number; written as such they would
  // read back as whatever default each reader has. They are written as 0,
  // the one value every reader takes and that keeps a position or a width
  // on the page.
  if (value == 0 || !std::isfinite(value)) return "0";

  // 15 significant digits: d.dddddddddddddde±x
  char buf[64];
  auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  std::string_view sci(buf, static_cast<size_t>(result.ptr - buf));
  size_t e = sci.find('e');
  int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());
  bool negative = sci[0] == '-';
  std::string digits;
  for (char c : sci.substr(0, e)) {
    if (c >= '0' && c <= '9') digits += c;
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= -4 && exponent < 15) {
    if (exponent < 0) {
      out += '0';
      out += separator;
      out.append(static_cast<size_t>(-exponent - 1), '0');
      out += digits;
    } else {
      size_t int_digits = static_cast<size_t>(exponent) + 1;
      if (digits.size() <= int_digits) {
        out += digits;
        out.append(int_digits - digits.size(), '0');
      } else {
        out += digits.substr(0, int_digits);
        out += separator;
        out += digits.substr(int_digits);
      }
    }
    return out;
  }
  out += digits[0];
  if (digits.size() > 1) {
    out += separator;
    out += digits.substr(1);
  }
  out += 'E';
  out += std::to_string(exponent);
  return out;
}

}  // namespace tessaly
