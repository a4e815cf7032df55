// The font text form and the comma-text splitter on arbitrary text: no
// crash, and whatever is read is written back to the same value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/comma_text.h"
#include "watermarks/font_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  const std::vector<std::string> fields = tessaly::SplitCommaText(text);
  if (tessaly::SplitCommaText(tessaly::JoinCommaText(fields)) != fields) __builtin_trap();

  try {
    const tessaly::TqvFont font = tessaly::TextToFont(text);
    if (tessaly::TextToFont(tessaly::FontToText(font)) != font) __builtin_trap();
  } catch (const tessaly::Exception&) {
    // Not a font: a conversion or list error is the expected answer.
  }
  return 0;
}
