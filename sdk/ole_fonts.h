#pragma once

#include <ocidl.h>
#include <olectl.h>

#include "com/com_ptr.h"
#include "platform/code_page.h"
#include "watermarks/watermark_items.h"

namespace tessaly {

// A new OLE font object with the face, size, character set and style of
// `font` (an OLE font has no colour).
ComPtr<IFontDisp> FontToOle(const TqvFont& font, const CodePage& code_page);

// `base` with the face, size (rounded to whole points), character set and
// style of the OLE font; the colour stays that of `base`. Throws Exception
// for a null font or an object that is no OLE font.
TqvFont FontFromOle(IFontDisp* ole_font, TqvFont base, const CodePage& code_page);

}  // namespace tessaly
