#pragma once

#include <memory>

#include "main_object/tessaly.h"
#include "sdk/annotation_x.h"
#include "sdk/automation_object.h"
#include "sdk/profile_settings_x.h"
#include "sdk/property_x.h"
#include "sdk/settings_conversions.h"
#include "sdk/watermark_profile_x.h"
#include "typelib/TessalySDK.h"

namespace tessaly {

// IqvTessaly: the main object callers create. Its logic is TqvTessaly; the
// members here only convert.
class TqvTessalyX : public AutomationObject<IqvTessaly> {
 public:
  TqvTessalyX(const Env& env, IUnknown* outer);

  TqvTessaly& core() { return *core_; }

  // Profiles.
  STDMETHODIMP DeleteProfile(BSTR ProfileName, VARIANT_BOOL* Value) override;
  STDMETHODIMP CreateNewProfile(BSTR ProfileName, IqvProfileSettingsX** Value) override;
  STDMETHODIMP GetProfilesList(VARIANT* Value) override;
  STDMETHODIMP get_CurrentProfileName(BSTR* Value) override;
  STDMETHODIMP DeleteProfileByIndex(LONG Index, VARIANT_BOOL* Value) override;
  STDMETHODIMP GetProfileCount(LONG* Value) override;
  STDMETHODIMP ApplyChangesToCurrentProfile(VARIANT_BOOL* Value) override;
  STDMETHODIMP SelectCurrentProfile(BSTR ProfileName) override;
  STDMETHODIMP SaveCurrentProfileAs(BSTR NewProfileName, VARIANT_BOOL* Value) override;
  STDMETHODIMP get_CurrentProfile(IqvProfileSettingsX** Value) override;
  STDMETHODIMP Update() override;

  // Product strings.
  STDMETHODIMP get_PrinterName(BSTR* Value) override;
  STDMETHODIMP get_Edition(BSTR* Value) override;
  STDMETHODIMP get_Version(BSTR* Value) override;

  // Global settings: a get and a put per property of
  // profiles/general_settings.def, over the core's accessors.
#define TQ_GENERAL_SETTING(property, dispid, kind, type, key, default_value) \
  TQ_PROPERTY_X(IqvTessaly, property, core_->property(),                     \
                core_->Set##property(settings_x::FromCom<ProfileKind::k##kind>(Value)))
#include "profiles/general_settings.def"

  // Watermark profiles and items.
  STDMETHODIMP GetWatermarkProfilesList(VARIANT* Value) override;
  STDMETHODIMP GetWatermarkProfile(BSTR ProfileName, IqvWatermarkProfileX** Value) override;
  STDMETHODIMP CreateWatermarkProfile(BSTR ProfileName, VARIANT_BOOL Overwrite,
                                      IqvWatermarkProfileX** Value) override;
  STDMETHODIMP CreateTextWatermarkItem(BSTR ItemName, IqvTextWatermarkX** Value) override;
  STDMETHODIMP CreateImageWatermarkItem(BSTR ItemName, IqvImageWatermarkX** Value) override;
  STDMETHODIMP DeleteWatermarkProfile(BSTR ProfileName, VARIANT_BOOL* Value) override;
  STDMETHODIMP DeleteWatermarkProfileByIndex(LONG Index, VARIANT_BOOL* Value) override;

  // Office add-in settings and the PDF annotations of the next job.
  STDMETHODIMP get_OfficeAddinSettings(IqvOfficeAddinSettingsX** Value) override;
  STDMETHODIMP put_OfficeAddinSettings(IqvOfficeAddinSettingsX* Value) override;
  STDMETHODIMP AddPDFBookmark(BSTR Text, LONG Level, LONG VerticalPosition, LONG Page,
                              LONG* Value) override;
  STDMETHODIMP AddPDFLinkToURI(BSTR Address, LONG Left, LONG Top, LONG Right, LONG Bottom,
                               LONG Page, OLE_COLOR BorderColor, TxqvLinkBorderWidth BorderWidth,
                               TxqvLinkHighlightMode HighlightMode, LONG* Value) override;
  STDMETHODIMP AddPDFNote(BSTR NoteText, VARIANT_BOOL KeepOpen, LONG Left, LONG Top, LONG Right,
                          LONG Bottom, LONG Page, OLE_COLOR Color, LONG* Value) override;
  STDMETHODIMP AddPDFLinkToFile(BSTR FileName, LONG Left, LONG Top, LONG Right, LONG Bottom,
                                LONG Page, OLE_COLOR BorderColor, TxqvLinkBorderWidth BorderWidth,
                                TxqvLinkHighlightMode HighlightMode, LONG* Value) override;
  STDMETHODIMP AddPDFLinkWithinDocument(LONG Left, LONG Top, LONG Right, LONG Bottom, LONG Page,
                                        LONG DestVerticalPosition, LONG DestPage,
                                        OLE_COLOR BorderColor, TxqvLinkBorderWidth BorderWidth,
                                        TxqvLinkHighlightMode HighlightMode, LONG* Value) override;

  // Default printer and printing.
  STDMETHODIMP SetAsDefaultPrinter(VARIANT_BOOL* Value) override;
  STDMETHODIMP RestoreDefaultPrinter(VARIANT_BOOL* Value) override;
  STDMETHODIMP PrintWordDocument(BSTR DocumentName) override;
  STDMETHODIMP PrintPowerPointPresentation(BSTR PresentationName) override;
  STDMETHODIMP PrintExcelDocument(BSTR DocumentName) override;
  STDMETHODIMP PrintDocument(BSTR DocumentName) override;
  STDMETHODIMP IsPrinting(VARIANT_BOOL* Value) override;

 private:
  ComPtr<TqvProfileSettingsX> Wrap(TqvSettingsRef settings);
  ComPtr<TqvWatermarkProfileX> Wrap(std::unique_ptr<TqvWatermarkProfile> profile);
  TqvProfileManager& manager() { return core_->manager(); }
  HRESULT Print(PrintRoute route, BSTR document);

  const Env& env_;
  std::unique_ptr<TqvTessaly> core_;
  // Created with the object and held for its life; released before the
  // core, whose manager owns the lists under them.
  TqvAnnotationObjectsX annotations_;
};

}  // namespace tessaly
