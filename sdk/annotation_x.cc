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

TqvAddinPDFBookmarkX::TqvAddinPDFBookmarkX(TqvOwnedRef<TqvAddinPDFBookmark> list,
                                           const CodePage* code_page)
    : TqvAnnotationListX(CLSID_qvAddinPDFBookmarkX, std::move(list), code_page) {}

TqvAddinPDFHyperlinkX::TqvAddinPDFHyperlinkX(TqvOwnedRef<TqvAddinPDFHyperlink> list,
                                             const CodePage* code_page)
    : TqvAnnotationListX(CLSID_qvAddinPDFHyperlinkX, std::move(list), code_page) {}

TqvAddinPDFNotesX::TqvAddinPDFNotesX(TqvOwnedRef<TqvAddinPDFNotes> list,
                                     const CodePage* code_page)
    : TqvAnnotationListX(CLSID_qvAddinPDFNotesX, std::move(list), code_page) {}

ComPtr<TqvAddinPDFBookmarkX> CreateAddinPDFBookmarkX(TqvAddinPDFBookmark& list,
                                                     std::weak_ptr<const void> owner,
                                                     const CodePage& code_page) {
  return MakeAutomationObject<TqvAddinPDFBookmarkX>(
      TqvOwnedRef<TqvAddinPDFBookmark>(&list, std::move(owner)), &code_page);
}

ComPtr<TqvAddinPDFHyperlinkX> CreateAddinPDFHyperlinkX(TqvAddinPDFHyperlink& list,
                                                       std::weak_ptr<const void> owner,
                                                       const CodePage& code_page) {
  return MakeAutomationObject<TqvAddinPDFHyperlinkX>(
      TqvOwnedRef<TqvAddinPDFHyperlink>(&list, std::move(owner)), &code_page);
}

ComPtr<TqvAddinPDFNotesX> CreateAddinPDFNotesX(TqvAddinPDFNotes& list,
                                               std::weak_ptr<const void> owner,
                                               const CodePage& code_page) {
  return MakeAutomationObject<TqvAddinPDFNotesX>(
      TqvOwnedRef<TqvAddinPDFNotes>(&list, std::move(owner)), &code_page);
}

TqvAnnotationObjectsX CreateAnnotationObjectsX(TqvProfileManager& manager,
                                               const std::weak_ptr<const void>& owner,
                                               const CodePage& code_page) {
  TqvAnnotationObjectsX objects;
  objects.bookmarks = CreateAddinPDFBookmarkX(manager.Bookmarks(), owner, code_page);
  objects.hyperlinks = CreateAddinPDFHyperlinkX(manager.Hyperlinks(), owner, code_page);
  objects.notes = CreateAddinPDFNotesX(manager.Notes(), owner, code_page);
  objects.document_properties =
      CreateDocumentPropertiesX(manager.DocumentProperties(), owner, code_page);
  return objects;
}

}  // namespace tessaly
