#pragma once

#include <memory>
#include <string>

#include "watermarks/watermark_items.h"

namespace tessaly {

class TqvWatermarkManager;

// The failure of asking a profile for an item it does not have.
extern const char kWatermarkItemNotFoundMessage[];

// One watermark profile opened for editing. Its items are read once, when
// it is opened; every change writes the whole profile back through the
// store. Items handed out belong to the profile.
class TqvWatermarkProfile {
 public:
  TqvWatermarkProfile() = default;
  TqvWatermarkProfile(const TqvWatermarkProfile&) = delete;
  TqvWatermarkProfile& operator=(const TqvWatermarkProfile&) = delete;

  // Reads the profile's items from the store, which must outlive the
  // profile. Throws when an item's values do not convert.
  void Open(const std::string& name, TqvWatermarkManager* store);

  // Empty when the store was closed at opening.
  std::string ProfileName() const;
  int Count() const;
  // wtNone for an index from Count() on; EListError for a negative one.
  TxqvWatermarkType GetItemType(int index) const;
  // nullptr outside 0 to Count() - 1.
  TqvWatermarkItem* GetItemByIndex(int index) const;
  // The first item of that name (compared exactly), or nullptr.
  TqvWatermarkItem* GetItemByName(const std::string& name) const;

  // Appends the item, or with `replace` puts it in the place of the first
  // item of its name whatever that item's kind. An item whose name is in
  // use without `replace` is not taken and false is returned. The "None"
  // profile takes no items.
  bool AddTextItem(std::unique_ptr<TqvTextWatermark> item, bool replace);
  bool AddImageItem(std::unique_ptr<TqvImageWatermark> item, bool replace);
  // Remove one item and write the profile; false when nothing was removed
  // or when the profile is left without items (it is then no longer in the
  // file). An index outside the list throws EListError.
  bool DeleteItemByIndex(int index);
  bool DeleteItemByName(const std::string& name);

 private:
  bool AddItem(std::unique_ptr<TqvWatermarkItem> item, bool replace);
  bool Editable() const;

  std::string name_;
  TqvWatermarkManager* store_ = nullptr;
  std::unique_ptr<TqvRenderItemsList> items_;
};

}  // namespace tessaly
