#pragma once

#include <string>

#include "platform/screen.h"

namespace tessaly {

// The display's device context through GDI.
class Win32Screen : public Screen {
 public:
  int32_t PixelsPerInch() override;
  TextExtent Extent(const ScreenFont& font, const std::string& ansi_text) override;
};

}  // namespace tessaly
