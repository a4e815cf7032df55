#include "sdk/watermark_x.h"

#include <olectl.h>

#include "com/com_error.h"
#include "sdk/ole_fonts.h"

namespace tessaly {

namespace {

// CY counts ten-thousandths.
constexpr LONGLONG kCyPerPoint = 10000;

// Gives the OLE font the face, size, character set and style of `font`.
void ApplyFont(IFontDisp* target, const TqvFont& font, const CodePage& code_page) {
  ComPtr<IFont> ole;
  CheckHr(target->QueryInterface(IID_IFont, reinterpret_cast<void**>(ole.Out())),
          "IFontDisp::QueryInterface");
  BSTR face = ToBstr(code_page.FromAnsi(font.name));
  HRESULT hr = ole->put_Name(face);
  SysFreeString(face);
  CheckHr(hr, "IFont::put_Name");
  CY size = {};
  size.int64 = static_cast<LONGLONG>(font.size) * kCyPerPoint;
  CheckHr(ole->put_Size(size), "IFont::put_Size");
  CheckHr(ole->put_Charset(font.charset), "IFont::put_Charset");
  CheckHr(ole->put_Bold((font.style & fsBold) != 0), "IFont::put_Bold");
  CheckHr(ole->put_Italic((font.style & fsItalic) != 0), "IFont::put_Italic");
  CheckHr(ole->put_Underline((font.style & fsUnderline) != 0), "IFont::put_Underline");
  CheckHr(ole->put_Strikethrough((font.style & fsStrikeOut) != 0), "IFont::put_Strikethrough");
}

// Reading an item object through its interface. A failing getter fails
// the whole read with the getter's code.
template <class T, class Object, class Getter>
T Read(Object* object, Getter getter, const char* what) {
  T value{};
  CheckHr((object->*getter)(&value), what);
  return value;
}

template <class Object, class Getter>
std::string ReadAnsi(Object* object, Getter getter, const char* what, const CodePage& code_page) {
  BSTR value = nullptr;
  HRESULT hr = (object->*getter)(&value);
  std::wstring text = FromBstr(value);
  SysFreeString(value);
  CheckHr(hr, what);
  return code_page.ToAnsi(text);
}

// The object's interface `I`, when it has it and says it is of `kind`;
// empty otherwise (an image object given where a text object is expected).
template <class I>
ComPtr<I> ItemInterface(IUnknown* object, int32_t kind) {
  ComPtr<I> item;
  if (object == nullptr ||
      FAILED(object->QueryInterface(__uuidof(I), reinterpret_cast<void**>(item.Out())))) {
    return {};
  }
  auto type = Read<::TxqvWatermarkType>(item.Get(), &I::get_WatermarkType, "get_WatermarkType");
  if (type != kind) return {};
  return item;
}

// X, Y, Angle and the anchors (low 8 bits), in this order.
template <class I>
void ReadPlacement(I* object, TqvWatermarkItem* item) {
  item->SetX(Read<double>(object, &I::get_X, "get_X"));
  item->SetY(Read<double>(object, &I::get_Y, "get_Y"));
  item->SetAngle(Read<LONG>(object, &I::get_Angle, "get_Angle"));
  item->SetHorizontalAnchorPoint(static_cast<uint8_t>(Read<::TxqvHorizontalAnchorPoint>(
      object, &I::get_HorizontalAnchorPoint, "get_HorizontalAnchorPoint")));
  item->SetVerticalAnchorPoint(static_cast<uint8_t>(Read<::TxqvVerticalAnchorPoint>(
      object, &I::get_VerticalAnchorPoint, "get_VerticalAnchorPoint")));
}

}  // namespace

TqvTextWatermarkX::TqvTextWatermarkX(std::wstring item_name, const CodePage* code_page)
    : TqvWatermarkX(CLSID_qvTextWatermarkX, std::move(item_name), wtText, code_page),
      font_(FontToOle(TqvFont(), *code_page)) {}

STDMETHODIMP TqvTextWatermarkX::get_Font(IFontDisp** Value) {
  return Get(Value, [&] { return font_; });
}

STDMETHODIMP TqvTextWatermarkX::put_Font(IFontDisp* Value) {
  return Run(
      [&] { ApplyFont(font_.Get(), FontFromOle(Value, TqvFont(), *code_page_), *code_page_); });
}

void TqvTextWatermarkX::CopyFrom(const TqvTextWatermark& item) {
  CopyPlacement(item);
  text_ = code_page_->FromAnsi(item.Text());
  ApplyFont(font_.Get(), item.Font(), *code_page_);
  text_color_ = item.Font().color;
  rect_color_ = item.FillColor();
}

TqvImageWatermarkX::TqvImageWatermarkX(std::wstring item_name, const CodePage* code_page)
    : TqvWatermarkX(CLSID_qvImageWatermarkX, std::move(item_name), wtImage, code_page) {}

void TqvImageWatermarkX::CopyFrom(const TqvImageWatermark& item) {
  CopyPlacement(item);
  image_path_ = code_page_->FromAnsi(item.ImagePath());
  height_ = item.Height();
  width_ = item.Width();
  cover_page_ = item.CoverPage();
  keep_aspect_ratio_ = item.AspectRatio();
}

ComPtr<TqvTextWatermarkX> CreateTextWatermarkX(const std::wstring& item_name,
                                               const CodePage& code_page) {
  return MakeAutomationObject<TqvTextWatermarkX>(item_name, &code_page);
}

ComPtr<TqvImageWatermarkX> CreateImageWatermarkX(const std::wstring& item_name,
                                                 const CodePage& code_page) {
  return MakeAutomationObject<TqvImageWatermarkX>(item_name, &code_page);
}

ComPtr<IDispatch> ItemObjectOf(const TqvWatermarkItem& item, const CodePage& code_page) {
  std::wstring name = code_page.FromAnsi(item.ItemName());
  if (item.Kind() == wtText) {
    ComPtr<TqvTextWatermarkX> object = CreateTextWatermarkX(name, code_page);
    object->CopyFrom(static_cast<const TqvTextWatermark&>(item));
    return ComPtr<IDispatch>::Attach(object.Detach());
  }
  ComPtr<TqvImageWatermarkX> object = CreateImageWatermarkX(name, code_page);
  object->CopyFrom(static_cast<const TqvImageWatermark&>(item));
  return ComPtr<IDispatch>::Attach(object.Detach());
}

std::unique_ptr<TqvTextWatermark> TextItemOf(IqvTextWatermarkX* object, const CodePage& code_page) {
  using I = IqvTextWatermarkX;
  ComPtr<I> source = ItemInterface<I>(object, wtText);
  if (!source) return nullptr;
  auto item = std::make_unique<TqvTextWatermark>();
  item->SetItemName(ReadAnsi(source.Get(), &I::get_ItemName, "get_ItemName", code_page));
  item->SetText(ReadAnsi(source.Get(), &I::get_Text, "get_Text", code_page));
  ComPtr<IFontDisp> font;
  CheckHr(source->get_Font(font.Out()), "get_Font");
  // An object without a font keeps the new item's.
  TqvFont face = font ? FontFromOle(font.Get(), item->Font(), code_page) : item->Font();
  face.color = Read<OLE_COLOR>(source.Get(), &I::get_TextColor, "get_TextColor");
  item->SetFont(face);
  item->SetFillColor(Read<OLE_COLOR>(source.Get(), &I::get_RectColor, "get_RectColor"));
  ReadPlacement(source.Get(), item.get());
  return item;
}

std::unique_ptr<TqvImageWatermark> ImageItemOf(IqvImageWatermarkX* object,
                                               const CodePage& code_page) {
  using I = IqvImageWatermarkX;
  ComPtr<I> source = ItemInterface<I>(object, wtImage);
  if (!source) return nullptr;
  auto item = std::make_unique<TqvImageWatermark>();
  item->SetItemName(ReadAnsi(source.Get(), &I::get_ItemName, "get_ItemName", code_page));
  item->SetImagePath(ReadAnsi(source.Get(), &I::get_ImagePath, "get_ImagePath", code_page));
  ReadPlacement(source.Get(), item.get());
  item->SetWidth(Read<double>(source.Get(), &I::get_Width, "get_Width"));
  item->SetHeight(Read<double>(source.Get(), &I::get_Height, "get_Height"));
  item->SetAspectRatio(Read<VARIANT_BOOL>(source.Get(), &I::get_KeepAspectRatio,
                                          "get_KeepAspectRatio") != VARIANT_FALSE);
  item->SetCoverPage(Read<VARIANT_BOOL>(source.Get(), &I::get_CoverPage, "get_CoverPage") !=
                     VARIANT_FALSE);
  return item;
}

}  // namespace tessaly
