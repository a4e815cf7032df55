#pragma once

#include <memory>

#include "com/com_text.h"
#include "platform/code_page.h"
#include "sdk/automation_object.h"
#include "sdk/owned_ref.h"
#include "typelib/TessalySDK.h"
#include "watermarks/watermark_profile.h"

namespace tessaly {

// IqvWatermarkProfileX: one watermark profile opened for editing, owned by
// the object. The profile writes through the watermark store of the main
// object's manager, so the object watches the main object: once that is
// gone every member fails with an error instead of touching the store.
class TqvWatermarkProfileX : public AutomationObject<IqvWatermarkProfileX> {
 public:
  TqvWatermarkProfileX(std::unique_ptr<TqvWatermarkProfile> profile,
                       std::weak_ptr<const void> owner, const CodePage* code_page);

  STDMETHODIMP get_ProfileName(BSTR* Value) override {
    return Get(Value, [&] { return code_page_->FromAnsi(profile().ProfileName()); });
  }
  STDMETHODIMP get_Count(LONG* Value) override {
    return Get(Value, [&] { return profile().Count(); });
  }
  STDMETHODIMP GetItemType(LONG Index, ::TxqvWatermarkType* Value) override {
    return Get(Value, [&] { return static_cast<int32_t>(profile().GetItemType(Index)); });
  }
  STDMETHODIMP GetItemByIndex(LONG Index, IDispatch** Value) override {
    return Get(Value, [&] { return ItemObject(profile().GetItemByIndex(Index)); });
  }
  STDMETHODIMP DeleteItemByIndex(LONG Index, VARIANT_BOOL* Value) override {
    return Get(Value, [&] { return profile().DeleteItemByIndex(Index); });
  }
  // An object that is not a text item (by its interface and its
  // WatermarkType) gives false and stores nothing; so does AddImageItem.
  STDMETHODIMP AddTextItem(IqvTextWatermarkX* Item, VARIANT_BOOL ReplaceIfExists,
                           VARIANT_BOOL* Value) override;
  STDMETHODIMP AddImageItem(IqvImageWatermarkX* Item, VARIANT_BOOL ReplaceIfExists,
                            VARIANT_BOOL* Value) override;
  STDMETHODIMP GetItemByName(BSTR ItemName, IDispatch** Value) override {
    return Get(Value, [&] { return ItemObject(profile().GetItemByName(Ansi(ItemName))); });
  }
  STDMETHODIMP DeleteItemByName(BSTR ItemName, VARIANT_BOOL* Value) override {
    return Get(Value, [&] { return profile().DeleteItemByName(Ansi(ItemName)); });
  }

  // The type library's dispatch would refuse an item of the wrong kind for
  // AddTextItem or AddImageItem with E_NOINTERFACE before the member runs;
  // a script gets false for it, as a vtable caller does.
  STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                      VARIANT* result, EXCEPINFO* exception, UINT* bad_argument) override;

 private:
  TqvWatermarkProfile& profile() const { return profile_ref_.get(); }
  std::string Ansi(BSTR text) const { return code_page_->ToAnsi(FromBstr(text)); }
  // A new item object copied from `item`; the SDK's failure 6700 for none.
  ComPtr<IDispatch> ItemObject(const TqvWatermarkItem* item) const;

  std::unique_ptr<TqvWatermarkProfile> profile_;
  TqvOwnedRef<TqvWatermarkProfile> profile_ref_;
  const CodePage* code_page_;
};

// A profile object as the main object's GetWatermarkProfile and
// CreateWatermarkProfile hand it out, over a profile from the manager's
// operations of the same names. `owner` expires with the main object;
// `code_page` is the Env's.
ComPtr<TqvWatermarkProfileX> CreateWatermarkProfileX(std::unique_ptr<TqvWatermarkProfile> profile,
                                                     std::weak_ptr<const void> owner,
                                                     const CodePage& code_page);

}  // namespace tessaly
