#include "watermarks/value_text.h"

#include "common/number_format.h"

namespace tessaly {

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

int32_t StrToInt(std::string_view text) {
  int32_t value = 0;
  if (!ParseInteger(text, &value)) {
    throw EConvertError(FormatMessage1("'%s' is not a valid integer value", std::string(text)));
  }
  return value;
}

bool StrToBool(std::string_view text) {
  double number = 0;
  if (ParseFloat(text, '.', &number)) return number != 0;
  if (EqualsNoCase(text, "True")) return true;
  if (EqualsNoCase(text, "False")) return false;
  throw EConvertError(FormatMessage1("'%s' is not a valid boolean value", std::string(text)));
}

double StrToFloatOrZero(std::string_view text) {
  double value = 0;
  return ParseFloat(text, '.', &value) ? value : 0;
}

int32_t StrToIntOrZero(std::string_view text) {
  int32_t value = 0;
  return ParseInteger(text, &value) ? value : 0;
}

std::string FloatToText(double value) { return FormatFloatGeneral(value, '.'); }

}  // namespace tessaly
