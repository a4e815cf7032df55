#include "addin/annotation_lists.h"

namespace tessaly {

int32_t TqvAnnotationList::Count() const { return ini().ReadInteger(section_, count_key_, 0); }

void TqvAnnotationList::SetCount(int32_t count) { ini().WriteInteger(section_, count_key_, count); }

std::string TqvAnnotationList::EntryKey(const char* base_key) const {
  return base_key + std::to_string(number_);
}

TqvRect TqvAnnotationList::ReadRect(const RectKeys& keys) const {
  IniFile& store = ini();
  TqvRect rect;
  rect.left = store.ReadInteger(section_, EntryKey(keys.left), 0);
  rect.top = store.ReadInteger(section_, EntryKey(keys.top), 0);
  rect.right = store.ReadInteger(section_, EntryKey(keys.right), 0);
  rect.bottom = store.ReadInteger(section_, EntryKey(keys.bottom), 0);
  return rect;
}

void TqvAnnotationList::WriteRect(const RectKeys& keys, const TqvRect& rect) {
  IniFile& store = ini();
  store.WriteInteger(section_, EntryKey(keys.top), rect.top);
  store.WriteInteger(section_, EntryKey(keys.left), rect.left);
  store.WriteInteger(section_, EntryKey(keys.bottom), rect.bottom);
  store.WriteInteger(section_, EntryKey(keys.right), rect.right);
}

TqvAddinPDFBookmark::TqvAddinPDFBookmark(TqvStoreFile* store)
    : TqvAnnotationList(store, kHeadingsSection, kHeadingsCountKey) {}

TqvAddinPDFHyperlink::TqvAddinPDFHyperlink(TqvStoreFile* store)
    : TqvAnnotationList(store, kHyperlinkSection, kHyperlinkCountKey) {}

TqvAddinPDFNotes::TqvAddinPDFNotes(TqvStoreFile* store)
    : TqvAnnotationList(store, kDocumentCommentSection, kDocumentCommentCountKey) {}

}  // namespace tessaly
