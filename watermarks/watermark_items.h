#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tessaly {

// Values of the type library's enumerations that the items use.
enum TxqvWatermarkType : int32_t { wtText = 0, wtImage = 1, wtNone = 2 };
enum TxqvHorizontalAnchorPoint : int32_t { apLeft = 0, apCenter = 1, apRight = 2, apHCustom = 3 };
enum TxqvVerticalAnchorPoint : int32_t { apTop = 0, apMiddle = 1, apBottom = 2, apVCustom = 3 };

// Brush styles of a text item's rectangle.
enum TqvFillStyle : uint8_t {
  bsSolid = 0,
  bsClear = 1,
  bsHorizontal = 2,
  bsVertical = 3,
  bsFDiagonal = 4,
  bsBDiagonal = 5,
  bsCross = 6,
  bsDiagCross = 7,
};

// Font style bits.
enum TqvFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// Colours are Windows colour references: 0x00BBGGRR, or 0xFF0000nn for
// system colour nn. They are kept and handed out unchanged.
constexpr uint32_t kClWindowText = 0xFF000008;
constexpr uint32_t kClWhite = 0x00FFFFFF;

struct TqvFont {
  std::string name = "MS Sans Serif";
  int32_t size = 8;  // points
  uint8_t charset = 1;
  uint32_t color = kClWindowText;
  uint8_t style = 0;  // TqvFontStyle bits

  bool operator==(const TqvFont& o) const {
    return name == o.name && size == o.size && charset == o.charset && color == o.color &&
           style == o.style;
  }
  bool operator!=(const TqvFont& o) const { return !(*this == o); }
};

struct TqvFill {
  uint8_t style = bsSolid;
  uint32_t color = kClWhite;
};

// One watermark of a profile. Plain data: setters store what they are given
// without any check.
class TqvWatermarkItem {
 public:
  virtual ~TqvWatermarkItem() = default;

  virtual TxqvWatermarkType Kind() const = 0;
  virtual std::unique_ptr<TqvWatermarkItem> Clone() const = 0;

  double X() const { return x_; }
  void SetX(double value) { x_ = value; }
  double Y() const { return y_; }
  void SetY(double value) { y_ = value; }
  int32_t Angle() const { return angle_; }
  void SetAngle(int32_t value) { angle_ = value; }
  const std::string& ItemName() const { return item_name_; }
  void SetItemName(const std::string& value) { item_name_ = value; }
  uint8_t HorizontalAnchorPoint() const { return horizontal_anchor_; }
  void SetHorizontalAnchorPoint(uint8_t value) { horizontal_anchor_ = value; }
  uint8_t VerticalAnchorPoint() const { return vertical_anchor_; }
  void SetVerticalAnchorPoint(uint8_t value) { vertical_anchor_ = value; }

 protected:
  TqvWatermarkItem() = default;
  TqvWatermarkItem(const TqvWatermarkItem&) = default;
  TqvWatermarkItem& operator=(const TqvWatermarkItem&) = default;

 private:
  double x_ = 0;
  double y_ = 0;
  int32_t angle_ = 0;
  std::string item_name_;
  uint8_t horizontal_anchor_ = apLeft;
  uint8_t vertical_anchor_ = apTop;
};

class TqvTextWatermark : public TqvWatermarkItem {
 public:
  TqvTextWatermark() = default;
  TxqvWatermarkType Kind() const override { return wtText; }
  std::unique_ptr<TqvWatermarkItem> Clone() const override;

  const std::string& Text() const { return text_; }
  void SetText(const std::string& value) { text_ = value; }
  // The font colour is the text colour.
  const TqvFont& Font() const { return font_; }
  void SetFont(const TqvFont& value) { font_ = value; }
  uint8_t FillStyle() const { return fill_.style; }
  void SetFillStyle(uint8_t value) { fill_.style = value; }
  // The colour of the rectangle behind the text.
  uint32_t FillColor() const { return fill_.color; }
  void SetFillColor(uint32_t value) { fill_.color = value; }

 private:
  std::string text_;
  TqvFont font_;
  TqvFill fill_;
};

class TqvImageWatermark : public TqvWatermarkItem {
 public:
  TqvImageWatermark() = default;
  TxqvWatermarkType Kind() const override { return wtImage; }
  std::unique_ptr<TqvWatermarkItem> Clone() const override;

  const std::string& ImagePath() const { return image_path_; }
  void SetImagePath(const std::string& value) {
    image_path_ = value;
    unresolved_path_.clear();
  }
  double Height() const { return height_; }
  void SetHeight(double value) { height_ = value; }
  double Width() const { return width_; }
  void SetWidth(double value) { width_ = value; }
  bool AspectRatio() const { return aspect_ratio_; }
  void SetAspectRatio(bool value) { aspect_ratio_ = value; }
  bool CoverPage() const { return cover_page_; }
  void SetCoverPage(bool value) { cover_page_ = value; }

  // A path read from the store whose file was missing at the time: the item
  // shows an empty ImagePath, but the store writes this path back (a picture
  // on a drive that is offline for a while is not forgotten) until the
  // caller sets a path of its own.
  const std::string& UnresolvedPath() const { return unresolved_path_; }
  void SetUnresolvedPath(const std::string& path) { unresolved_path_ = path; }
  // The path the store writes.
  const std::string& StoredPath() const {
    return image_path_.empty() ? unresolved_path_ : image_path_;
  }

 private:
  std::string image_path_;
  double height_ = 0;
  double width_ = 0;
  bool aspect_ratio_ = false;
  bool cover_page_ = false;
  std::string unresolved_path_;
};

// The items of one profile in order, with the profile's name. The list owns
// its items; replacing an item keeps its position.
class TqvRenderItemsList {
 public:
  explicit TqvRenderItemsList(std::string name = std::string()) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  int Count() const { return static_cast<int>(items_.size()); }
  // The item at a 0-based index; EListError outside 0 to Count() - 1.
  TqvWatermarkItem* Item(int index) const;
  void Add(std::unique_ptr<TqvWatermarkItem> item);
  // Destroys the item at index and puts `item` in its place.
  void Replace(int index, std::unique_ptr<TqvWatermarkItem> item);
  // Destroys the item at index.
  void Delete(int index);
  // Position of the first item of that name (compared exactly), or -1.
  int IndexOfName(const std::string& name) const;

 private:
  void CheckIndex(int index) const;

  std::string name_;
  std::vector<std::unique_ptr<TqvWatermarkItem>> items_;
};

}  // namespace tessaly
