#include "watermarks/item_elements.h"

#include <string>

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "watermarks/font_text.h"
#include "watermarks/value_text.h"

namespace tessaly {

namespace {

// One child element of an item: its name, how its text sets the field and
// how the field is written.
template <typename Item>
struct FieldRow {
  const char* element;
  void (*read)(Item& item, const std::string& text, const Env& env);
  std::string (*write)(const Item& item);
};

using TextRow = FieldRow<TqvTextWatermark>;
using ImageRow = FieldRow<TqvImageWatermark>;

std::string Int(int32_t value) { return std::to_string(value); }
std::string Bool(bool value) { return value ? "true" : "false"; }

// Rows in the order in which they are written.
const TextRow kTextRows[] = {
    {"Text", [](auto& i, auto& t, auto&) { i.SetText(t); }, [](auto& i) { return i.Text(); }},
    {"X", [](auto& i, auto& t, auto&) { i.SetX(StrToFloatOrZero(t)); },
     [](auto& i) { return FloatToText(i.X()); }},
    {"Y", [](auto& i, auto& t, auto&) { i.SetY(StrToFloatOrZero(t)); },
     [](auto& i) { return FloatToText(i.Y()); }},
    {"Angle", [](auto& i, auto& t, auto&) { i.SetAngle(StrToIntOrZero(t)); },
     [](auto& i) { return Int(i.Angle()); }},
    {"Font", [](auto& i, auto& t, auto&) { i.SetFont(TextToFont(t)); },
     [](auto& i) { return FontToText(i.Font()); }},
    {"FillStyle", [](auto& i, auto& t, auto&) { i.SetFillStyle(static_cast<uint8_t>(StrToInt(t))); },
     [](auto& i) { return Int(i.FillStyle()); }},
    {"FillColor",
     [](auto& i, auto& t, auto&) { i.SetFillColor(static_cast<uint32_t>(StrToInt(t))); },
     [](auto& i) { return Int(static_cast<int32_t>(i.FillColor())); }},
    {"HorizPos",
     [](auto& i, auto& t, auto&) { i.SetHorizontalAnchorPoint(static_cast<uint8_t>(StrToInt(t))); },
     [](auto& i) { return Int(i.HorizontalAnchorPoint()); }},
    {"VertPos",
     [](auto& i, auto& t, auto&) { i.SetVerticalAnchorPoint(static_cast<uint8_t>(StrToInt(t))); },
     [](auto& i) { return Int(i.VerticalAnchorPoint()); }},
};

const ImageRow kImageRows[] = {
    {"Image",
     [](auto& i, auto& t, auto& env) {
       // A picture that is not there now reads as no picture; its path is
       // kept for writing back.
       if (!t.empty() && env.files->Exists(t)) {
         i.SetImagePath(t);
       } else {
         i.SetImagePath(std::string());
         i.SetUnresolvedPath(t);
       }
     },
     [](auto& i) { return i.StoredPath(); }},
    {"X", [](auto& i, auto& t, auto&) { i.SetX(StrToFloatOrZero(t)); },
     [](auto& i) { return FloatToText(i.X()); }},
    {"Y", [](auto& i, auto& t, auto&) { i.SetY(StrToFloatOrZero(t)); },
     [](auto& i) { return FloatToText(i.Y()); }},
    {"HorizPos",
     [](auto& i, auto& t, auto&) { i.SetHorizontalAnchorPoint(static_cast<uint8_t>(StrToInt(t))); },
     [](auto& i) { return Int(i.HorizontalAnchorPoint()); }},
    {"VertPos",
     [](auto& i, auto& t, auto&) { i.SetVerticalAnchorPoint(static_cast<uint8_t>(StrToInt(t))); },
     [](auto& i) { return Int(i.VerticalAnchorPoint()); }},
    {"Angle", [](auto& i, auto& t, auto&) { i.SetAngle(StrToIntOrZero(t)); },
     [](auto& i) { return Int(i.Angle()); }},
    {"Width", [](auto& i, auto& t, auto&) { i.SetWidth(StrToFloatOrZero(t)); },
     [](auto& i) { return FloatToText(i.Width()); }},
    {"Height", [](auto& i, auto& t, auto&) { i.SetHeight(StrToFloatOrZero(t)); },
     [](auto& i) { return FloatToText(i.Height()); }},
    {"AspectRatio", [](auto& i, auto& t, auto&) { i.SetAspectRatio(StrToBool(t)); },
     [](auto& i) { return Bool(i.AspectRatio()); }},
    {"CoverPage", [](auto& i, auto& t, auto&) { i.SetCoverPage(StrToBool(t)); },
     [](auto& i) { return Bool(i.CoverPage()); }},
};

struct TextKind {
  using Item = TqvTextWatermark;
  static constexpr const char* kElement = "TextData";
  static constexpr const char* kNameAttribute = "TxtName";
  static const TextRow* begin() { return std::begin(kTextRows); }
  static const TextRow* end() { return std::end(kTextRows); }
};

struct ImageKind {
  using Item = TqvImageWatermark;
  static constexpr const char* kElement = "ImageData";
  static constexpr const char* kNameAttribute = "ImgName";
  static const ImageRow* begin() { return std::begin(kImageRows); }
  static const ImageRow* end() { return std::end(kImageRows); }
};

template <typename Kind>
std::unique_ptr<TqvWatermarkItem> ReadItem(const XmlElement& element, const Env& env) {
  auto item = std::make_unique<typename Kind::Item>();
  std::wstring name;
  if (element.GetAttribute(Kind::kNameAttribute, &name)) {
    item->SetItemName(env.code_page->ToAnsi(name));
  }
  for (const auto& child : element.ChildElements()) {
    const std::string local = child->LocalName();
    for (auto row = Kind::begin(); row != Kind::end(); ++row) {
      if (local == row->element) {
        row->read(*item, env.code_page->ToAnsi(child->Text()), env);
        break;
      }
    }
  }
  return item;
}

template <typename Kind>
std::unique_ptr<XmlElement> WriteItem(XmlDocument& doc, const typename Kind::Item& item,
                                      const Env& env) {
  std::unique_ptr<XmlElement> element = doc.CreateElement(Kind::kElement);
  element->SetAttribute(Kind::kNameAttribute, env.code_page->FromAnsi(item.ItemName()));
  for (auto row = Kind::begin(); row != Kind::end(); ++row) {
    std::unique_ptr<XmlElement> child = doc.CreateElement(row->element);
    child->SetText(env.code_page->FromAnsi(row->write(item)));
    element->AppendChild(*child);
  }
  return element;
}

}  // namespace

std::unique_ptr<TqvWatermarkItem> ItemElements::Read(const XmlElement& element) const {
  const std::string local = element.LocalName();
  if (local == TextKind::kElement) return ReadItem<TextKind>(element, env_);
  if (local == ImageKind::kElement) return ReadItem<ImageKind>(element, env_);
  return nullptr;
}

std::unique_ptr<XmlElement> ItemElements::Write(XmlDocument& doc,
                                                const TqvWatermarkItem& item) const {
  switch (item.Kind()) {
    case wtText:
      return WriteItem<TextKind>(doc, static_cast<const TqvTextWatermark&>(item), env_);
    case wtImage:
      return WriteItem<ImageKind>(doc, static_cast<const TqvImageWatermark&>(item), env_);
    default:
      return nullptr;
  }
}

}  // namespace tessaly
