#pragma once

#include <memory>

#include "platform/env.h"
#include "platform/xml.h"
#include "watermarks/watermark_items.h"

namespace tessaly {

// Watermark items as the elements of the watermark file:
//   <TextData TxtName="..."> Text X Y Angle Font FillStyle FillColor HorizPos VertPos
//   <ImageData ImgName="..."> Image X Y HorizPos VertPos Angle Width Height AspectRatio CoverPage
// each child holding its value as text. Numbers use "." whatever the
// locale.
class ItemElements {
 public:
  explicit ItemElements(const Env& env) : env_(env) {}

  // The item of a TextData or ImageData element; nullptr for any other
  // element. Unknown children are passed over, a missing child leaves the
  // field as a new item has it, a later duplicate wins. Throws
  // EConvertError or EListError for a value that does not convert.
  std::unique_ptr<TqvWatermarkItem> Read(const XmlElement& element) const;
  // The element of a text or image item, not yet in the tree.
  std::unique_ptr<XmlElement> Write(XmlDocument& doc, const TqvWatermarkItem& item) const;

 private:
  const Env& env_;
};

}  // namespace tessaly
