#include "watermarks/font_text.h"

#include <vector>

#include "common/comma_text.h"
#include "watermarks/value_text.h"

namespace tessaly {

namespace {

constexpr uint8_t kStyleBits[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};

bool IsTrue(const std::string& field) {
  if (field.size() != 4) return false;
  const char* t = "true";
  for (size_t i = 0; i < 4; ++i) {
    char c = field[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != t[i]) return false;
  }
  return true;
}

}  // namespace

std::string FontToText(const TqvFont& font) {
  std::vector<std::string> fields = {font.name, std::to_string(font.size),
                                     std::to_string(font.charset),
                                     std::to_string(static_cast<int32_t>(font.color))};
  for (uint8_t bit : kStyleBits) fields.push_back((font.style & bit) ? "True" : "False");
  return JoinCommaText(fields);
}

std::string FontToText(const TqvFont* font) { return font ? FontToText(*font) : std::string(); }

TqvFont TextToFont(std::string_view text) {
  TqvFont font;
  if (text.empty()) {
    font.name = "Arial";
    font.size = 10;
    font.charset = 0;
    font.color = kClWindowText;
    font.style = 0;
    return font;
  }
  const std::vector<std::string> fields = SplitCommaText(text);
  // Fields are taken in order, so a bad number is reported before a
  // missing field that follows it.
  auto field = [&fields](size_t index) -> const std::string& {
    if (index >= fields.size()) throw EListError(static_cast<int64_t>(index));
    return fields[index];
  };
  font.name = field(0);
  font.size = StrToInt(field(1));
  font.charset = static_cast<uint8_t>(StrToInt(field(2)));
  font.color = static_cast<uint32_t>(StrToInt(field(3)));
  font.style = 0;
  for (size_t i = 0; i < 4; ++i) {
    if (IsTrue(field(4 + i))) font.style |= kStyleBits[i];
  }
  return font;
}

}  // namespace tessaly
