#include "watermarks/watermark_profile.h"

#include "common/comma_text.h"
#include "watermarks/watermark_manager.h"

namespace tessaly {

const char kWatermarkItemNotFoundMessage[] = "The item by specified name or index does not exists.";

void TqvWatermarkProfile::Open(const std::string& name, TqvWatermarkManager* store) {
  name_ = name;
  store_ = store;
  items_ = store->ReadProfileItems(name);
}

std::string TqvWatermarkProfile::ProfileName() const {
  return items_ ? items_->Name() : std::string();
}

int TqvWatermarkProfile::Count() const { return items_ ? items_->Count() : 0; }

TxqvWatermarkType TqvWatermarkProfile::GetItemType(int index) const {
  if (index < 0) throw EListError(index);
  if (index >= Count()) return wtNone;
  return items_->Item(index)->Kind();
}

TqvWatermarkItem* TqvWatermarkProfile::GetItemByIndex(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return items_->Item(index);
}

TqvWatermarkItem* TqvWatermarkProfile::GetItemByName(const std::string& name) const {
  if (!items_) return nullptr;
  int index = items_->IndexOfName(name);
  return index < 0 ? nullptr : items_->Item(index);
}

// "None" stands for no watermark and keeps no items; a profile over a
// closed store has nothing to write to.
bool TqvWatermarkProfile::Editable() const {
  return items_ != nullptr && items_->Name() != kNoWatermarkProfile;
}

bool TqvWatermarkProfile::AddItem(std::unique_ptr<TqvWatermarkItem> item, bool replace) {
  if (!item || !Editable()) return false;
  int index = items_->IndexOfName(item->ItemName());
  if (index < 0) {
    items_->Add(std::move(item));
    return store_->StoreProfile(*items_);
  }
  if (!replace) return false;
  items_->Replace(index, std::move(item));
  store_->StoreProfile(*items_);
  return true;
}

bool TqvWatermarkProfile::AddTextItem(std::unique_ptr<TqvTextWatermark> item, bool replace) {
  return AddItem(std::move(item), replace);
}

bool TqvWatermarkProfile::AddImageItem(std::unique_ptr<TqvImageWatermark> item, bool replace) {
  return AddItem(std::move(item), replace);
}

bool TqvWatermarkProfile::DeleteItemByIndex(int index) {
  if (Count() == 0 || !Editable()) return false;
  items_->Delete(index);
  return store_->StoreProfile(*items_);
}

bool TqvWatermarkProfile::DeleteItemByName(const std::string& name) {
  if (!Editable()) return false;
  int index = items_->IndexOfName(name);
  if (index < 0) return false;
  items_->Delete(index);
  return store_->StoreProfile(*items_);
}

}  // namespace tessaly
