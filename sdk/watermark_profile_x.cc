#include "sdk/watermark_profile_x.h"

#include <utility>

#include "common/sdk_error.h"
#include "sdk/watermark_x.h"

namespace tessaly {

const char kWatermarkItemNotFoundMessage[] = "The item by specified name or index does not exists.";

TqvWatermarkProfileX::TqvWatermarkProfileX(std::unique_ptr<TqvWatermarkProfile> profile,
                                           std::weak_ptr<const void> owner,
                                           const CodePage* code_page)
    : AutomationObject(CLSID_qvWatermarkProfileX),
      profile_(std::move(profile)),
      profile_ref_(profile_.get(), std::move(owner)),
      code_page_(code_page) {}

STDMETHODIMP TqvWatermarkProfileX::AddTextItem(IqvTextWatermarkX* Item,
                                               VARIANT_BOOL ReplaceIfExists, VARIANT_BOOL* Value) {
  return Get(Value, [&] {
    return profile().AddTextItem(TextItemOf(Item, *code_page_), ReplaceIfExists != VARIANT_FALSE);
  });
}

STDMETHODIMP TqvWatermarkProfileX::AddImageItem(IqvImageWatermarkX* Item,
                                                VARIANT_BOOL ReplaceIfExists, VARIANT_BOOL* Value) {
  return Get(Value, [&] {
    return profile().AddImageItem(ImageItemOf(Item, *code_page_), ReplaceIfExists != VARIANT_FALSE);
  });
}

ComPtr<IDispatch> TqvWatermarkProfileX::ItemObject(const TqvWatermarkItem* item) const {
  if (item == nullptr) throw SdkError(kHelpWatermarkItemNotFound, kWatermarkItemNotFoundMessage);
  return ItemObjectOf(*item, *code_page_);
}

ComPtr<TqvWatermarkProfileX> CreateWatermarkProfileX(std::unique_ptr<TqvWatermarkProfile> profile,
                                                     std::weak_ptr<const void> owner,
                                                     const CodePage& code_page) {
  return MakeAutomationObject<TqvWatermarkProfileX>(std::move(profile), std::move(owner),
                                                    &code_page);
}

}  // namespace tessaly
