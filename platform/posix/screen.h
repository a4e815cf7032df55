#pragma once

#include <string>

#include "platform/screen.h"

namespace tessaly {

// A system without a display: the usual 96 pixels per inch, and text set
// as if every character were half as wide as the font is high.
class PosixScreen : public Screen {
 public:
  static constexpr int32_t kPixelsPerInch = 96;

  int32_t PixelsPerInch() override { return kPixelsPerInch; }
  TextExtent Extent(const ScreenFont& font, const std::string& ansi_text) override {
    if (ansi_text.empty()) return {};
    const int32_t height = Px(font.points, kPixelsPerInch);
    const int32_t advance = (height + (font.bold ? 1 : 0)) / 2;
    return {static_cast<int32_t>(ansi_text.size()) * advance, height};
  }
};

}  // namespace tessaly
