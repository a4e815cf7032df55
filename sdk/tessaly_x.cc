#include "sdk/tessaly_x.h"

#include "com/com_text.h"
#include "com/variant_lists.h"
#include "platform/env.h"
#include "sdk/addin_settings_x.h"
#include "sdk/tessaly_object.h"
#include "sdk/watermark_profile_x.h"
#include "sdk/watermark_x.h"

namespace tessaly {

namespace {

bool FromVariantBool(VARIANT_BOOL value) { return value != VARIANT_FALSE; }

TqvLinkStyle LinkStyle(OLE_COLOR color, TxqvLinkBorderWidth width, TxqvLinkHighlightMode mode) {
  return {static_cast<int32_t>(color), width, mode};
}

}  // namespace

TqvTessalyX::TqvTessalyX(const Env& env, IUnknown* outer)
    : AutomationObject(CLSID_qvTessaly, kTessalyProgId, outer),
      env_(env),
      core_(std::make_unique<TqvTessaly>(env)),
      annotations_(CreateAnnotationObjectsX(core_->manager(), core_->owner(), *env.code_page)) {}

ComPtr<TqvProfileSettingsX> TqvTessalyX::Wrap(TqvSettingsRef settings) {
  return MakeAutomationObject<TqvProfileSettingsX>(std::move(settings), env_.code_page);
}

ComPtr<TqvWatermarkProfileX> TqvTessalyX::Wrap(std::unique_ptr<TqvWatermarkProfile> profile) {
  return CreateWatermarkProfileX(std::move(profile), core_->owner(), *env_.code_page);
}

// Profiles.
STDMETHODIMP TqvTessalyX::DeleteProfile(BSTR ProfileName, VARIANT_BOOL* Value) {
  return Get(Value, [&] { return core_->DeleteProfile(FromBstr(ProfileName)); });
}
STDMETHODIMP TqvTessalyX::CreateNewProfile(BSTR ProfileName, IqvProfileSettingsX** Value) {
  return Get(Value, [&] { return Wrap(core_->CreateNewProfile(FromBstr(ProfileName))); });
}
STDMETHODIMP TqvTessalyX::GetProfilesList(VARIANT* Value) {
  return Get(Value, [&] {
    VARIANT list;
    VariantFromLines(core_->GetProfilesList(), &list);
    return list;
  });
}
STDMETHODIMP TqvTessalyX::get_CurrentProfileName(BSTR* Value) {
  return Get(Value, [&] { return core_->CurrentProfileName(); });
}
STDMETHODIMP TqvTessalyX::DeleteProfileByIndex(LONG Index, VARIANT_BOOL* Value) {
  return Get(Value, [&] { return core_->DeleteProfileByIndex(Index); });
}
STDMETHODIMP TqvTessalyX::GetProfileCount(LONG* Value) {
  return Get(Value, [&] { return core_->GetProfileCount(); });
}
STDMETHODIMP TqvTessalyX::ApplyChangesToCurrentProfile(VARIANT_BOOL* Value) {
  return Get(Value, [&] { return core_->ApplyChangesToCurrentProfile(); });
}
STDMETHODIMP TqvTessalyX::SelectCurrentProfile(BSTR ProfileName) {
  return Run([&] { core_->SelectCurrentProfile(FromBstr(ProfileName)); });
}
STDMETHODIMP TqvTessalyX::SaveCurrentProfileAs(BSTR NewProfileName, VARIANT_BOOL* Value) {
  return Get(Value, [&] { return core_->SaveCurrentProfileAs(FromBstr(NewProfileName)); });
}
STDMETHODIMP TqvTessalyX::get_CurrentProfile(IqvProfileSettingsX** Value) {
  return Get(Value, [&] { return Wrap(core_->CurrentProfile()); });
}
STDMETHODIMP TqvTessalyX::Update() {
  return Run([&] { core_->Update(); });
}

// Product strings.
STDMETHODIMP TqvTessalyX::get_PrinterName(BSTR* Value) {
  return Get(Value, [&] { return core_->PrinterName(); });
}
STDMETHODIMP TqvTessalyX::get_Edition(BSTR* Value) {
  return Get(Value, [&] { return manager().Edition(); });
}
STDMETHODIMP TqvTessalyX::get_Version(BSTR* Value) {
  return Get(Value, [&] { return manager().Version(); });
}

// Watermark profiles and items.
STDMETHODIMP TqvTessalyX::GetWatermarkProfilesList(VARIANT* Value) {
  return Get(Value, [&] {
    VARIANT list;
    VariantFromLines(core_->GetWatermarkProfilesList(), &list);
    return list;
  });
}
STDMETHODIMP TqvTessalyX::GetWatermarkProfile(BSTR ProfileName, IqvWatermarkProfileX** Value) {
  return Get(Value, [&] { return Wrap(core_->GetWatermarkProfile(FromBstr(ProfileName))); });
}
STDMETHODIMP TqvTessalyX::CreateWatermarkProfile(BSTR ProfileName, VARIANT_BOOL Overwrite,
                                                 IqvWatermarkProfileX** Value) {
  return Get(Value, [&] {
    return Wrap(core_->CreateWatermarkProfile(FromBstr(ProfileName), FromVariantBool(Overwrite)));
  });
}
STDMETHODIMP TqvTessalyX::CreateTextWatermarkItem(BSTR ItemName, IqvTextWatermarkX** Value) {
  return Get(Value, [&] { return CreateTextWatermarkX(FromBstr(ItemName), *env_.code_page); });
}
STDMETHODIMP TqvTessalyX::CreateImageWatermarkItem(BSTR ItemName, IqvImageWatermarkX** Value) {
  return Get(Value, [&] { return CreateImageWatermarkX(FromBstr(ItemName), *env_.code_page); });
}
STDMETHODIMP TqvTessalyX::DeleteWatermarkProfile(BSTR ProfileName, VARIANT_BOOL* Value) {
  return Get(Value, [&] { return core_->DeleteWatermarkProfile(FromBstr(ProfileName)); });
}
STDMETHODIMP TqvTessalyX::DeleteWatermarkProfileByIndex(LONG Index, VARIANT_BOOL* Value) {
  return Get(Value, [&] { return core_->DeleteWatermarkProfileByIndex(Index); });
}

// Office add-in settings and the PDF annotations of the next job.
STDMETHODIMP TqvTessalyX::get_OfficeAddinSettings(IqvOfficeAddinSettingsX** Value) {
  return Get(Value, [&] {
    return CreateAddinObjectX<TqvOfficeAddinSettingsX>(manager().AddinSettings(), core_->owner(),
                                                       *env_.code_page);
  });
}
// Accepted for the callers that assign the object back; nothing changes.
STDMETHODIMP TqvTessalyX::put_OfficeAddinSettings(IqvOfficeAddinSettingsX*) { return S_OK; }
STDMETHODIMP TqvTessalyX::AddPDFBookmark(BSTR Text, LONG Level, LONG VerticalPosition, LONG Page,
                                         LONG* Value) {
  return Get(Value, [&] {
    return core_->AddPDFBookmark(FromBstr(Text), Level, VerticalPosition, Page);
  });
}
STDMETHODIMP TqvTessalyX::AddPDFLinkToURI(BSTR Address, LONG Left, LONG Top, LONG Right,
                                          LONG Bottom, LONG Page, OLE_COLOR BorderColor,
                                          TxqvLinkBorderWidth BorderWidth,
                                          TxqvLinkHighlightMode HighlightMode, LONG* Value) {
  return Get(Value, [&] {
    return core_->AddPDFLinkToURI(FromBstr(Address), {Left, Top, Right, Bottom}, Page,
                                  LinkStyle(BorderColor, BorderWidth, HighlightMode));
  });
}
STDMETHODIMP TqvTessalyX::AddPDFLinkToFile(BSTR FileName, LONG Left, LONG Top, LONG Right,
                                           LONG Bottom, LONG Page, OLE_COLOR BorderColor,
                                           TxqvLinkBorderWidth BorderWidth,
                                           TxqvLinkHighlightMode HighlightMode, LONG* Value) {
  return Get(Value, [&] {
    return core_->AddPDFLinkToFile(FromBstr(FileName), {Left, Top, Right, Bottom}, Page,
                                   LinkStyle(BorderColor, BorderWidth, HighlightMode));
  });
}
STDMETHODIMP TqvTessalyX::AddPDFLinkWithinDocument(LONG Left, LONG Top, LONG Right, LONG Bottom,
                                                   LONG Page, LONG DestVerticalPosition,
                                                   LONG DestPage, OLE_COLOR BorderColor,
                                                   TxqvLinkBorderWidth BorderWidth,
                                                   TxqvLinkHighlightMode HighlightMode,
                                                   LONG* Value) {
  return Get(Value, [&] {
    return core_->AddPDFLinkWithinDocument({Left, Top, Right, Bottom}, Page, DestVerticalPosition,
                                           DestPage,
                                           LinkStyle(BorderColor, BorderWidth, HighlightMode));
  });
}
STDMETHODIMP TqvTessalyX::AddPDFNote(BSTR NoteText, VARIANT_BOOL KeepOpen, LONG Left, LONG Top,
                                     LONG Right, LONG Bottom, LONG Page, OLE_COLOR Color,
                                     LONG* Value) {
  return Get(Value, [&] {
    return core_->AddPDFNote(FromBstr(NoteText), FromVariantBool(KeepOpen),
                             {Left, Top, Right, Bottom}, Page, static_cast<int32_t>(Color));
  });
}

// Default printer and printing.
STDMETHODIMP TqvTessalyX::SetAsDefaultPrinter(VARIANT_BOOL* Value) {
  return Get(Value, [&] { return core_->SetAsDefaultPrinter(); });
}
STDMETHODIMP TqvTessalyX::RestoreDefaultPrinter(VARIANT_BOOL* Value) {
  return Get(Value, [&] { return core_->RestoreDefaultPrinter(); });
}
STDMETHODIMP TqvTessalyX::IsPrinting(VARIANT_BOOL* Value) {
  return Get(Value, [&] { return core_->IsPrinting(); });
}
STDMETHODIMP TqvTessalyX::PrintDocument(BSTR DocumentName) {
  return Print(RouteOfSourceApplication(core_->source_application()), DocumentName);
}
STDMETHODIMP TqvTessalyX::PrintWordDocument(BSTR DocumentName) {
  return Print(PrintRoute::kWord, DocumentName);
}
STDMETHODIMP TqvTessalyX::PrintPowerPointPresentation(BSTR PresentationName) {
  return Print(PrintRoute::kPowerPoint, PresentationName);
}
STDMETHODIMP TqvTessalyX::PrintExcelDocument(BSTR DocumentName) {
  return Print(PrintRoute::kExcel, DocumentName);
}
HRESULT TqvTessalyX::Print(PrintRoute route, BSTR document) {
  return Run([&] { core_->Print(route, FromBstr(document)); });
}

HRESULT CreateTessalyObject(IUnknown* outer, IUnknown** object) {
  *object = nullptr;
  // A failed construction throws, and the object is gone with it.
  auto* created = new TqvTessalyX(DefaultEnv(), outer);
  *object = created->InnerUnknown();
  return S_OK;
}

}  // namespace tessaly
