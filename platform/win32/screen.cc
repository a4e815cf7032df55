#include "platform/win32/screen.h"

#include <windows.h>

namespace tessaly {

namespace {

// What is read when the display cannot be asked: the usual resolution.
constexpr int kFallbackPixelsPerInch = 96;

// The screen's device context, released at the end of the scope.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

int ReadPixelsPerInch() {
  ScreenDc dc;
  // The vertical resolution, the one font heights are given in.
  const int value = dc.get() ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 0;
  return value > 0 ? value : kFallbackPixelsPerInch;
}

}  // namespace

int32_t Win32Screen::PixelsPerInch() {
  // One value per process, whichever instance asks first.
  static const int value = ReadPixelsPerInch();
  return value;
}

TextExtent Win32Screen::Extent(const ScreenFont& font, const std::string& ansi_text) {
  TextExtent extent;
  // Systems differ on the height of nothing; it has none here.
  if (ansi_text.empty()) return extent;
  ScreenDc dc;
  if (!dc.get()) return extent;
  // A negative height asks for the character height, which is what a size
  // in points means.
  const int height = -MulDiv(font.points, PixelsPerInch(), 72);
  HFONT handle = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.face.c_str());
  if (!handle) return extent;
  HGDIOBJ previous = SelectObject(dc.get(), handle);
  SIZE size = {0, 0};
  if (GetTextExtentPoint32A(dc.get(), ansi_text.data(), static_cast<int>(ansi_text.size()),
                            &size)) {
    extent.width = size.cx;
    extent.height = size.cy;
  }
  SelectObject(dc.get(), previous);
  DeleteObject(handle);
  return extent;
}

}  // namespace tessaly
