#include "sdk/annotation_x.h"

#include "common/exception.h"

namespace tessaly {

VARIANT BoolVariant(bool value) {
  VARIANT out;
  VariantInit(&out);
  V_VT(&out) = VT_BOOL;
  V_BOOL(&out) = value ? VARIANT_TRUE : VARIANT_FALSE;
  return out;
}

bool VariantToBool(const VARIANT& value) {
  VARIANT converted;
  VariantInit(&converted);
  // Follows references, as script hosts pass their variables.
  HRESULT hr = VariantChangeType(&converted, const_cast<VARIANT*>(&value), 0, VT_BOOL);
  if (FAILED(hr)) throw Exception("The value given is not a boolean (True or False).");
  return V_BOOL(&converted) != VARIANT_FALSE;
}

TqvAnnotationObjectsX CreateAnnotationObjectsX(TqvProfileManager& manager,
                                               const std::weak_ptr<const void>& owner,
                                               const CodePage& code_page) {
  TqvAnnotationObjectsX objects;
  objects.bookmarks =
      CreateAddinObjectX<TqvAddinPDFBookmarkX>(manager.Bookmarks(), owner, code_page);
  objects.hyperlinks =
      CreateAddinObjectX<TqvAddinPDFHyperlinkX>(manager.Hyperlinks(), owner, code_page);
  objects.notes = CreateAddinObjectX<TqvAddinPDFNotesX>(manager.Notes(), owner, code_page);
  objects.document_properties =
      CreateAddinObjectX<TqvDocumentPropertiesX>(manager.DocumentProperties(), owner, code_page);
  return objects;
}

}  // namespace tessaly
