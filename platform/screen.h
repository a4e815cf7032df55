#pragma once

#include <cstdint>
#include <string>

namespace tessaly {

// A font on the screen: a face name, a size in whole points and a bold
// style, as the Office flows copy them from the text they measure.
struct ScreenFont {
  std::wstring face;
  int32_t points = 0;
  bool bold = false;
};

// The size of one line of text on the screen, in pixels.
struct TextExtent {
  int32_t width = 0;
  int32_t height = 0;
};

// The display the Office flows position annotations for.
class Screen {
 public:
  virtual ~Screen() = default;

  // The screen's logical pixels per inch: read once, on the first call, and
  // the same value for the rest of the process, so that every position of
  // a document is scaled alike. Always positive.
  virtual int32_t PixelsPerInch() = 0;
  // The extent of `ansi_text` (text already converted to the ANSI code
  // page, see CodePage::ToAnsi) drawn as one line in `font` on the screen.
  // Empty text measures 0 by 0 whatever the font. Never throws: a font the
  // system does not have is replaced by the system's closest match.
  virtual TextExtent Extent(const ScreenFont& font, const std::string& ansi_text) = 0;
};

// `value` rounded to the nearest integer, halves to the even one, saturated
// to the range of int32_t; NaN gives 0.
int32_t RoundHalfEven(double value);

// `points` in screen pixels at `pixels_per_inch`: points × (pixels per
// inch ÷ 72), rounded to the nearest integer with halves to the even one,
// saturated to the range of int32_t; NaN gives 0.
int32_t Px(double points, int32_t pixels_per_inch);

}  // namespace tessaly
