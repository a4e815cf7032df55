#pragma once

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
    : public TqvAddinObjectX<IqvOfficeAddinSettingsX, TqvOfficeAddinSettings,
                             CLSID_qvOfficeAddinSettingsX> {
 public:
  using TqvAddinObjectX::TqvAddinObjectX;

#define TQ_OFFICE_ADDIN_X(Property, dispid, accessor, accessor_property, Type, set_mask, \
                          get_mask)                                                     \
  TQ_ADDIN_PROPERTY_X(Property, Type, get_mask)
  TQ_OFFICE_ADDIN_PROPERTIES(TQ_OFFICE_ADDIN_X)
#undef TQ_OFFICE_ADDIN_X
};

// IqvDocumentPropertiesX over the manager's "Document Properties" section.
class TqvDocumentPropertiesX
    : public TqvAddinObjectX<IqvDocumentPropertiesX, TqvDocumentProperties,
                             CLSID_qvDocumentPropertiesX> {
 public:
  using TqvAddinObjectX::TqvAddinObjectX;

#define TQ_DOCUMENT_PROPERTY_X(Property, key, Type, default_value, dispid) \
  TQ_ADDIN_PROPERTY_X(Property, Type, kAllBits)
  TQ_DOCUMENT_PROPERTIES_KEYS(TQ_DOCUMENT_PROPERTY_X)
#undef TQ_DOCUMENT_PROPERTY_X
};

}  // namespace tessaly
