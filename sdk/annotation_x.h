#pragma once

#include <memory>

#include "addin/addin_keys.h"
#include "addin/annotation_lists.h"
#include "profiles/profile_manager.h"
#include "sdk/addin_object_x.h"
#include "sdk/addin_settings_x.h"

namespace tessaly {

// The members every annotation list shares: Count (201) and the cursor
// Number (202). The cursor lives in the accessor, so every object over one
// list moves the same cursor; neither member checks the other.
template <class Interface, class List, const CLSID& Clsid>
class TqvAnnotationListX : public TqvAddinObjectX<Interface, List, Clsid> {
 public:
  using TqvAddinObjectX<Interface, List, Clsid>::TqvAddinObjectX;

  TQ_PROPERTY_X(Interface, Count, this->target_->Count(), this->target_->SetCount(Value))
  TQ_PROPERTY_X(Interface, Number, this->target_->Number(), this->target_->SetNumber(Value))
};

// A shared boolean of a list as a VARIANT of type boolean.
VARIANT BoolVariant(bool value);
// The standard automation conversion of a VARIANT (by reference too) to a
// boolean; throws Exception when it does not convert.
bool VariantToBool(const VARIANT& value);

// A field of the entry at the cursor.
#define TQ_ANNOTATION_FIELD_X(Property, base_key, Type, default_value, dispid, set_mask, \
                              get_mask)                                                  \
  TQ_ADDIN_PROPERTY_X(Property, Type, get_mask)

// One side of a rectangle of the entry at the cursor: the accessor reads
// the whole rectangle, and a setter writes all four keys back.
#define TQ_ANNOTATION_SIDE_X(Side) \
  TQ_PROPERTY_X(Api, Side, target_->Side(), target_->Set##Side(Value))
#define TQ_ANNOTATION_RECT_X(Property, Prefix, left_key, top_key, right_key, bottom_key, dispid) \
  TQ_ANNOTATION_SIDE_X(Prefix##Left)                                                             \
  TQ_ANNOTATION_SIDE_X(Prefix##Top)                                                              \
  TQ_ANNOTATION_SIDE_X(Prefix##Right)                                                            \
  TQ_ANNOTATION_SIDE_X(Prefix##Bottom)

// A boolean shared by every entry of the list, as a VARIANT.
#define TQ_ANNOTATION_SHARED_X(Property, key, Type, default_value, dispid)                     \
  static_assert(addin_type::Type::kKind == AddinValueKind::kBool, "shared values are booleans"); \
  TQ_PROPERTY_X(Api, Property, BoolVariant(target_->Property()),                               \
                target_->Set##Property(VariantToBool(Value)))

// IqvAddinPDFBookmarkX over the bookmark list.
class TqvAddinPDFBookmarkX : public TqvAnnotationListX<IqvAddinPDFBookmarkX, TqvAddinPDFBookmark,
                                                       CLSID_qvAddinPDFBookmarkX> {
 public:
  using TqvAnnotationListX::TqvAnnotationListX;
  TQ_BOOKMARK_FIELDS(TQ_ANNOTATION_FIELD_X, TQ_ANNOTATION_RECT_X, TQ_ANNOTATION_SHARED_X)
};

// IqvAddinPDFHyperlinkX over the link list.
class TqvAddinPDFHyperlinkX
    : public TqvAnnotationListX<IqvAddinPDFHyperlinkX, TqvAddinPDFHyperlink,
                                CLSID_qvAddinPDFHyperlinkX> {
 public:
  using TqvAnnotationListX::TqvAnnotationListX;
  TQ_HYPERLINK_FIELDS(TQ_ANNOTATION_FIELD_X, TQ_ANNOTATION_RECT_X, TQ_ANNOTATION_SHARED_X)
};

// IqvAddinPDFNotesX over the note list; Open is the one value for all notes.
class TqvAddinPDFNotesX
    : public TqvAnnotationListX<IqvAddinPDFNotesX, TqvAddinPDFNotes, CLSID_qvAddinPDFNotesX> {
 public:
  using TqvAnnotationListX::TqvAnnotationListX;
  TQ_NOTES_FIELDS(TQ_ANNOTATION_FIELD_X, TQ_ANNOTATION_RECT_X, TQ_ANNOTATION_SHARED_X)
};

#undef TQ_ANNOTATION_FIELD_X
#undef TQ_ANNOTATION_SIDE_X
#undef TQ_ANNOTATION_RECT_X
#undef TQ_ANNOTATION_SHARED_X

// The four objects the main object creates during its construction, in
// this order, and holds for its life. The AddPDF members append through
// the first three (`bookmarks->accessor()` with AppendEntry).
struct TqvAnnotationObjectsX {
  ComPtr<TqvAddinPDFBookmarkX> bookmarks;
  ComPtr<TqvAddinPDFHyperlinkX> hyperlinks;
  ComPtr<TqvAddinPDFNotesX> notes;
  ComPtr<TqvDocumentPropertiesX> document_properties;
};
TqvAnnotationObjectsX CreateAnnotationObjectsX(TqvProfileManager& manager,
                                               const std::weak_ptr<const void>& owner,
                                               const CodePage& code_page);

}  // namespace tessaly
