#include "common/comma_text.h"

namespace tessaly {

namespace {

bool IsBlank(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

}  // namespace

EListError::EListError(int64_t index)
    : Exception("List index out of bounds (" + std::to_string(index) + ")") {}

std::vector<std::string> SplitCommaText(std::string_view text) {
  // Everything from the first NUL on is ignored, as in a C string.
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> fields;
  size_t p = 0;
  const size_t end = text.size();
  while (p < end && IsBlank(text[p])) ++p;
  while (p < end) {
    std::string field;
    if (text[p] == '"') {
      ++p;
      while (p < end) {
        if (text[p] == '"') {
          if (p + 1 < end && text[p + 1] == '"') {
            field += '"';
            p += 2;
            continue;
          }
          ++p;  // the closing quote
          break;
        }
        field += text[p++];
      }
    } else {
      size_t start = p;
      while (p < end && !IsBlank(text[p]) && text[p] != ',') ++p;
      field.assign(text.substr(start, p - start));
    }
    fields.push_back(std::move(field));
    while (p < end && IsBlank(text[p])) ++p;
    if (p < end && text[p] == ',') {
      if (p + 1 == end) fields.emplace_back();
      do {
        ++p;
      } while (p < end && IsBlank(text[p]));
    }
  }
  return fields;
}

std::string QuoteCommaField(std::string_view field) {
  bool quote = false;
  for (char c : field) {
    if (c == ',' || c == '"' || static_cast<unsigned char>(c) <= 32) {
      quote = true;
      break;
    }
  }
  if (!quote) return std::string(field);
  std::string out = "\"";
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string JoinCommaText(const std::vector<std::string>& fields) {
  // Written bare, one empty field would read back as no field at all.
  if (fields.size() == 1 && fields[0].empty()) return "\"\"";
  std::string out;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    out += QuoteCommaField(fields[i]);
  }
  return out;
}

}  // namespace tessaly
