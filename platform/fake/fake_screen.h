#pragma once

#include <string>
#include <vector>

#include "platform/screen.h"

namespace tessaly {

// A screen that tests arrange: its pixels per inch, and every character as
// wide as `char_width` and a line of text as high as `line_height`
// whatever the font. Remembers every text it measured, with its font.
class FakeScreen : public Screen {
 public:
  struct Measured {
    ScreenFont font;
    std::string text;
  };

  int32_t PixelsPerInch() override { return pixels_per_inch; }
  TextExtent Extent(const ScreenFont& font, const std::string& ansi_text) override {
    measured.push_back({font, ansi_text});
    if (ansi_text.empty()) return {};
    return {static_cast<int32_t>(ansi_text.size()) * char_width, line_height};
  }

  int32_t pixels_per_inch = 96;
  int32_t char_width = 8;
  int32_t line_height = 16;
  std::vector<Measured> measured;
};

}  // namespace tessaly
