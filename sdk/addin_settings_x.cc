#include "sdk/addin_settings_x.h"

namespace tessaly {

TqvOfficeAddinSettingsX::TqvOfficeAddinSettingsX(TqvOwnedRef<TqvOfficeAddinSettings> settings,
                                                 const CodePage* code_page)
    : TqvAddinObjectX(CLSID_qvOfficeAddinSettingsX, std::move(settings), code_page) {}

TqvDocumentPropertiesX::TqvDocumentPropertiesX(TqvOwnedRef<TqvDocumentProperties> properties,
                                               const CodePage* code_page)
    : TqvAddinObjectX(CLSID_qvDocumentPropertiesX, std::move(properties), code_page) {}

ComPtr<TqvOfficeAddinSettingsX> CreateOfficeAddinSettingsX(TqvOfficeAddinSettings& settings,
                                                           std::weak_ptr<const void> owner,
                                                           const CodePage& code_page) {
  return MakeAutomationObject<TqvOfficeAddinSettingsX>(
      TqvOwnedRef<TqvOfficeAddinSettings>(&settings, std::move(owner)), &code_page);
}

ComPtr<TqvDocumentPropertiesX> CreateDocumentPropertiesX(TqvDocumentProperties& properties,
                                                         std::weak_ptr<const void> owner,
                                                         const CodePage& code_page) {
  return MakeAutomationObject<TqvDocumentPropertiesX>(
      TqvOwnedRef<TqvDocumentProperties>(&properties, std::move(owner)), &code_page);
}

}  // namespace tessaly
