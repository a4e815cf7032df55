#include "watermarks/watermark_items.h"

#include "common/comma_text.h"

namespace tessaly {

std::unique_ptr<TqvWatermarkItem> TqvTextWatermark::Clone() const {
  return std::make_unique<TqvTextWatermark>(*this);
}

std::unique_ptr<TqvWatermarkItem> TqvImageWatermark::Clone() const {
  return std::make_unique<TqvImageWatermark>(*this);
}

void TqvRenderItemsList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
}

TqvWatermarkItem* TqvRenderItemsList::Item(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].get();
}

void TqvRenderItemsList::Add(std::unique_ptr<TqvWatermarkItem> item) {
  items_.push_back(std::move(item));
}

void TqvRenderItemsList::Replace(int index, std::unique_ptr<TqvWatermarkItem> item) {
  CheckIndex(index);
  items_[static_cast<size_t>(index)] = std::move(item);
}

void TqvRenderItemsList::Delete(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
}

int TqvRenderItemsList::IndexOfName(const std::string& name) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i]->ItemName() == name) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace tessaly
