#pragma once

#include <memory>

#include "addin/addin_keys.h"
#include "addin/office_addin_settings.h"
#include "addin/office_settings.h"
#include "sdk/addin_object_x.h"

namespace tessaly {

// IqvOfficeAddinSettingsX over the manager's add-in settings facade: every
// property is one facade property, generated from the facade's table. The
// getters of enumerations marked for it return the low 7 bits of the
// stored value.
class TqvOfficeAddinSettingsX
    : public TqvAddinObjectX<IqvOfficeAddinSettingsX, TqvOfficeAddinSettings> {
 public:
  TqvOfficeAddinSettingsX(TqvOwnedRef<TqvOfficeAddinSettings> settings,
                          const CodePage* code_page);

#define TQ_OFFICE_ADDIN_X(Property, dispid, accessor, accessor_property, Type, set_mask,  \
                          get_mask)                                                       \
  STDMETHODIMP get_##Property(settings_x::Parameter<decltype(&Api::get_##Property)> Value) \
      override {                                                                          \
    return Get(Value, [&] { return ToCom<addin_type::Type>(target_->Property(), get_mask); }); \
  }                                                                                       \
  STDMETHODIMP put_##Property(settings_x::Parameter<decltype(&Api::put_##Property)> Value) \
      override {                                                                          \
    return Run([&] { target_->Set##Property(FromCom<addin_type::Type>(Value)); });        \
  }
  TQ_OFFICE_ADDIN_PROPERTIES(TQ_OFFICE_ADDIN_X)
#undef TQ_OFFICE_ADDIN_X
};

// IqvDocumentPropertiesX over the manager's "Document Properties" section.
class TqvDocumentPropertiesX
    : public TqvAddinObjectX<IqvDocumentPropertiesX, TqvDocumentProperties> {
 public:
  TqvDocumentPropertiesX(TqvOwnedRef<TqvDocumentProperties> properties,
                         const CodePage* code_page);

#define TQ_DOCUMENT_PROPERTY_X(Property, key, Type, default_value, dispid)                 \
  STDMETHODIMP get_##Property(settings_x::Parameter<decltype(&Api::get_##Property)> Value) \
      override {                                                                          \
    return Get(Value, [&] { return ToCom<addin_type::Type>(target_->Property(), kAllBits); }); \
  }                                                                                       \
  STDMETHODIMP put_##Property(settings_x::Parameter<decltype(&Api::put_##Property)> Value) \
      override {                                                                          \
    return Run([&] { target_->Set##Property(FromCom<addin_type::Type>(Value)); });        \
  }
  TQ_DOCUMENT_PROPERTIES_KEYS(TQ_DOCUMENT_PROPERTY_X)
#undef TQ_DOCUMENT_PROPERTY_X
};

// The objects as the main object hands them out. `owner` expires with the
// main object, whose manager owns the accessor; `code_page` is the Env's
// and lives as long as the process.
ComPtr<TqvOfficeAddinSettingsX> CreateOfficeAddinSettingsX(TqvOfficeAddinSettings& settings,
                                                           std::weak_ptr<const void> owner,
                                                           const CodePage& code_page);
ComPtr<TqvDocumentPropertiesX> CreateDocumentPropertiesX(TqvDocumentProperties& properties,
                                                         std::weak_ptr<const void> owner,
                                                         const CodePage& code_page);

}  // namespace tessaly
