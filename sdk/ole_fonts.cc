#include "sdk/ole_fonts.h"

#include <string>

#include "com/com_error.h"
#include "com/com_text.h"
#include "common/exception.h"

namespace tessaly {

namespace {

// CY counts ten-thousandths.
constexpr LONGLONG kCyPerPoint = 10000;

// `value` by reference: it is read after the call that fills it.
bool Flag(HRESULT hr, const BOOL& value) { return SUCCEEDED(hr) && value; }

}  // namespace

ComPtr<IFontDisp> FontToOle(const TqvFont& font, const CodePage& code_page) {
  std::wstring face = code_page.FromAnsi(font.name);
  FONTDESC description = {};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = &face[0];
  description.cySize.int64 = static_cast<LONGLONG>(font.size) * kCyPerPoint;
  description.sWeight = static_cast<SHORT>((font.style & fsBold) ? FW_BOLD : FW_NORMAL);
  description.sCharset = font.charset;
  description.fItalic = (font.style & fsItalic) != 0;
  description.fUnderline = (font.style & fsUnderline) != 0;
  description.fStrikethrough = (font.style & fsStrikeOut) != 0;
  ComPtr<IFontDisp> result;
  CheckHr(
      OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void**>(result.Out())),
      "OleCreateFontIndirect");
  return result;
}

TqvFont FontFromOle(IFontDisp* ole_font, TqvFont base, const CodePage& code_page) {
  if (ole_font == nullptr) throw Exception("A font object is required.");
  ComPtr<IFont> font;
  if (FAILED(ole_font->QueryInterface(IID_IFont, reinterpret_cast<void**>(font.Out())))) {
    throw Exception("The value is not a font object.");
  }
  BSTR name = nullptr;
  CheckHr(font->get_Name(&name), "IFont::get_Name");
  base.name = code_page.ToAnsi(FromBstr(name));
  SysFreeString(name);
  CY size = {};
  CheckHr(font->get_Size(&size), "IFont::get_Size");
  base.size = static_cast<int32_t>((size.int64 + kCyPerPoint / 2) / kCyPerPoint);
  SHORT charset = 0;
  if (SUCCEEDED(font->get_Charset(&charset))) base.charset = static_cast<uint8_t>(charset);
  BOOL bold = FALSE, italic = FALSE, underline = FALSE, strike = FALSE;
  base.style =
      static_cast<uint8_t>((Flag(font->get_Bold(&bold), bold) ? fsBold : 0) |
                           (Flag(font->get_Italic(&italic), italic) ? fsItalic : 0) |
                           (Flag(font->get_Underline(&underline), underline) ? fsUnderline : 0) |
                           (Flag(font->get_Strikethrough(&strike), strike) ? fsStrikeOut : 0));
  return base;
}

}  // namespace tessaly
