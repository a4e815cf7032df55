// Comma text both ways: the fields of any text join to text that splits to
// the same fields, and any list of fields (the input cut at NULs, which end
// comma text) is joined to text that splits back to that list.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/comma_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  const std::vector<std::string> fields = tessaly::SplitCommaText(text);
  const std::string joined = tessaly::JoinCommaText(fields);
  if (tessaly::SplitCommaText(joined) != fields) __builtin_trap();
  if (tessaly::JoinCommaText(tessaly::SplitCommaText(joined)) != joined) __builtin_trap();

  std::vector<std::string> list;
  if (size > 0) {
    list.emplace_back();
    for (char c : text) {
      if (c == '\0') {
        list.emplace_back();
      } else {
        list.back() += c;
      }
    }
  }
  if (tessaly::SplitCommaText(tessaly::JoinCommaText(list)) != list) __builtin_trap();
  for (const std::string& field : list) {
    const std::vector<std::string> one = tessaly::SplitCommaText(tessaly::QuoteCommaField(field));
    if (one != std::vector<std::string>{field} && !(field.empty() && one.empty()))
      __builtin_trap();
  }
  return 0;
}
