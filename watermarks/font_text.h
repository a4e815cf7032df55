#pragma once

#include <string>
#include <string_view>

#include "watermarks/watermark_items.h"

namespace tessaly {

// The one-line text form of a font: face, size, character set, colour
// (signed decimal, so system colours are negative) and "True"/"False" for
// bold, italic, underline and strike-out, as comma text.
// Arial 12 pt, character set 0, colour 255, bold: Arial,12,0,255,True,False,False,False
std::string FontToText(const TqvFont& font);
// No font: the empty text.
std::string FontToText(const TqvFont* font);

// The font of a text in that form; the empty text gives Arial 10 pt,
// character set 0, window-text colour, no style. Fails with EConvertError
// for a size, character set or colour that is not an integer and with
// EListError when a field is missing. The style flags are set by "True" in
// any letter case and cleared by anything else.
TqvFont TextToFont(std::string_view text);

}  // namespace tessaly
