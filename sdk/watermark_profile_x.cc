#include "sdk/watermark_profile_x.h"

#include <utility>

#include "common/sdk_error.h"
#include "sdk/watermark_x.h"

namespace tessaly {

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

namespace {

constexpr DISPID kAddTextItemId = 206;
constexpr DISPID kAddImageItemId = 207;

// The object a script passes, directly or through a variable by reference.
IUnknown* ObjectArgument(const VARIANT* value) {
  while (value && V_VT(value) == (VT_VARIANT | VT_BYREF)) value = V_VARIANTREF(value);
  if (!value) return nullptr;
  switch (V_VT(value)) {
    case VT_DISPATCH:
    case VT_UNKNOWN:
      return V_UNKNOWN(value);
    case VT_DISPATCH | VT_BYREF:
    case VT_UNKNOWN | VT_BYREF:
      return V_UNKNOWNREF(value) ? *V_UNKNOWNREF(value) : nullptr;
    default:
      return nullptr;
  }
}

bool Implements(IUnknown* object, REFIID iid) {
  IUnknown* found = nullptr;
  if (FAILED(object->QueryInterface(iid, reinterpret_cast<void**>(&found))) || !found) {
    return false;
  }
  found->Release();
  return true;
}

}  // namespace

STDMETHODIMP TqvWatermarkProfileX::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                          DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                          UINT* bad_argument) {
  if ((id == kAddTextItemId || id == kAddImageItemId) && (flags & DISPATCH_METHOD) && params &&
      params->cArgs == 2 && params->cNamedArgs == 0 && IsEqualIID(riid, IID_NULL)) {
    // Arguments arrive last first: the item is the second.
    IUnknown* item = ObjectArgument(&params->rgvarg[1]);
    const IID& wanted = id == kAddTextItemId ? IID_IqvTextWatermarkX : IID_IqvImageWatermarkX;
    if (item && !Implements(item, wanted)) {
      if (result) {
        VariantInit(result);
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = VARIANT_FALSE;
      }
      return S_OK;
    }
  }
  return AutomationObject::Invoke(id, riid, locale, flags, params, result, exception, bad_argument);
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
