#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "com/com_text.h"
#include "platform/code_page.h"
#include "sdk/automation_object.h"
#include "typelib/TessalySDK.h"
#include "watermarks/watermark_items.h"

namespace tessaly {

// The watermark item objects: free-standing value holders, connected to no
// profile. A caller fills one in and adds it to a profile object, which
// copies its values into a stored item; later changes to the object do not
// reach the store.

// The members every item object has (IqvWatermarkX). `Interface` is the
// object's own dual interface, which derives from IqvWatermarkX, so the
// members sit in the same vtable slots for text and image objects alike.
template <class Interface>
class TqvWatermarkX : public AutomationObject<Interface> {
 public:
  STDMETHODIMP get_ItemName(BSTR* Value) override {
    return this->Get(Value, [&] { return item_name_; });
  }
  STDMETHODIMP get_X(double* Value) override {
    return this->Get(Value, [&] { return x_; });
  }
  STDMETHODIMP put_X(double Value) override {
    return this->Run([&] { x_ = Value; });
  }
  STDMETHODIMP get_Y(double* Value) override {
    return this->Get(Value, [&] { return y_; });
  }
  STDMETHODIMP put_Y(double Value) override {
    return this->Run([&] { y_ = Value; });
  }
  STDMETHODIMP get_Angle(LONG* Value) override {
    return this->Get(Value, [&] { return angle_; });
  }
  STDMETHODIMP put_Angle(LONG Value) override {
    return this->Run([&] { angle_ = Value; });
  }
  STDMETHODIMP get_HorizontalAnchorPoint(::TxqvHorizontalAnchorPoint* Value) override {
    return this->Get(Value, [&] { return horizontal_anchor_; });
  }
  STDMETHODIMP put_HorizontalAnchorPoint(::TxqvHorizontalAnchorPoint Value) override {
    return this->Run([&] { horizontal_anchor_ = Value; });
  }
  STDMETHODIMP get_VerticalAnchorPoint(::TxqvVerticalAnchorPoint* Value) override {
    return this->Get(Value, [&] { return vertical_anchor_; });
  }
  STDMETHODIMP put_VerticalAnchorPoint(::TxqvVerticalAnchorPoint Value) override {
    return this->Run([&] { vertical_anchor_ = Value; });
  }
  STDMETHODIMP get_WatermarkType(::TxqvWatermarkType* Value) override {
    return this->Get(Value, [&] { return watermark_type_; });
  }

  // The fields common to both kinds, taken from a stored item.
  void CopyPlacement(const TqvWatermarkItem& item) {
    x_ = item.X();
    y_ = item.Y();
    angle_ = item.Angle();
    horizontal_anchor_ = item.HorizontalAnchorPoint();
    vertical_anchor_ = item.VerticalAnchorPoint();
  }

 protected:
  TqvWatermarkX(REFCLSID clsid, std::wstring item_name, int32_t watermark_type,
                const CodePage* code_page)
      : AutomationObject<Interface>(clsid),
        code_page_(code_page),
        item_name_(std::move(item_name)),
        watermark_type_(watermark_type) {}

  const CodePage* code_page_;

 private:
  const std::wstring item_name_;
  double x_ = 0;
  double y_ = 0;
  int32_t angle_ = 0;
  // Kept in full; the stored item takes the low 8 bits.
  int32_t horizontal_anchor_ = apLeft;
  int32_t vertical_anchor_ = apTop;
  const int32_t watermark_type_;
};

// A text watermark item object. Its font is an OLE font object that it
// owns: Font hands out that very object, so changes made through it (as in
// `item.Font.Size = 12`) are the item's.
class TqvTextWatermarkX : public TqvWatermarkX<IqvTextWatermarkX> {
 public:
  TqvTextWatermarkX(std::wstring item_name, const CodePage* code_page);

  STDMETHODIMP get_Text(BSTR* Value) override {
    return Get(Value, [&] { return text_; });
  }
  STDMETHODIMP put_Text(BSTR Value) override {
    return Run([&] { text_ = FromBstr(Value); });
  }
  STDMETHODIMP get_Font(IFontDisp** Value) override;
  STDMETHODIMP put_Font(IFontDisp* Value) override;
  STDMETHODIMP get_TextColor(OLE_COLOR* Value) override {
    return Get(Value, [&] { return static_cast<int32_t>(text_color_); });
  }
  STDMETHODIMP put_TextColor(OLE_COLOR Value) override {
    return Run([&] { text_color_ = Value; });
  }
  STDMETHODIMP get_RectColor(OLE_COLOR* Value) override {
    return Get(Value, [&] { return static_cast<int32_t>(rect_color_); });
  }
  STDMETHODIMP put_RectColor(OLE_COLOR Value) override {
    return Run([&] { rect_color_ = Value; });
  }

  // Takes the values of a stored item; its fill style is not carried.
  void CopyFrom(const TqvTextWatermark& item);

 private:
  std::wstring text_;
  ComPtr<IFontDisp> font_;
  uint32_t text_color_ = 0;  // black
  uint32_t rect_color_ = kClWhite;
};

// An image watermark item object.
class TqvImageWatermarkX : public TqvWatermarkX<IqvImageWatermarkX> {
 public:
  TqvImageWatermarkX(std::wstring item_name, const CodePage* code_page);

  STDMETHODIMP get_ImagePath(BSTR* Value) override {
    return Get(Value, [&] { return image_path_; });
  }
  STDMETHODIMP put_ImagePath(BSTR Value) override {
    return Run([&] { image_path_ = FromBstr(Value); });
  }
  STDMETHODIMP get_Height(double* Value) override {
    return Get(Value, [&] { return height_; });
  }
  STDMETHODIMP put_Height(double Value) override {
    return Run([&] { height_ = Value; });
  }
  STDMETHODIMP get_Width(double* Value) override {
    return Get(Value, [&] { return width_; });
  }
  STDMETHODIMP put_Width(double Value) override {
    return Run([&] { width_ = Value; });
  }
  STDMETHODIMP get_CoverPage(VARIANT_BOOL* Value) override {
    return Get(Value, [&] { return cover_page_; });
  }
  STDMETHODIMP put_CoverPage(VARIANT_BOOL Value) override {
    return Run([&] { cover_page_ = Value != VARIANT_FALSE; });
  }
  STDMETHODIMP get_KeepAspectRatio(VARIANT_BOOL* Value) override {
    return Get(Value, [&] { return keep_aspect_ratio_; });
  }
  STDMETHODIMP put_KeepAspectRatio(VARIANT_BOOL Value) override {
    return Run([&] { keep_aspect_ratio_ = Value != VARIANT_FALSE; });
  }

  void CopyFrom(const TqvImageWatermark& item);

 private:
  std::wstring image_path_;
  double height_ = 0;
  double width_ = 0;
  bool cover_page_ = false;
  bool keep_aspect_ratio_ = false;
};

// New item objects with the given name and the new-object values, as the
// main object's CreateTextWatermarkItem and CreateImageWatermarkItem hand
// them out. `code_page` (the Env's) converts font faces and must outlive
// the objects.
ComPtr<TqvTextWatermarkX> CreateTextWatermarkX(const std::wstring& item_name,
                                               const CodePage& code_page);
ComPtr<TqvImageWatermarkX> CreateImageWatermarkX(const std::wstring& item_name,
                                                 const CodePage& code_page);

// Stored items and item objects, both ways, reading an object only through
// its interface so that an object another component implements serves as
// well as ours. Item objects come out as new objects holding copies.
ComPtr<IDispatch> ItemObjectOf(const TqvWatermarkItem& item, const CodePage& code_page);
std::unique_ptr<TqvTextWatermark> TextItemOf(IqvTextWatermarkX* object, const CodePage& code_page);
std::unique_ptr<TqvImageWatermark> ImageItemOf(IqvImageWatermarkX* object,
                                               const CodePage& code_page);

}  // namespace tessaly
