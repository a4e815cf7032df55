#pragma once

#include <cstdint>
#include <string>

#include "addin/addin_keys.h"
#include "addin/addin_values.h"
#include "addin/plugin_file.h"
#include "addin/rect.h"

// A field of the entry at the cursor.
#define TQ_ANNOTATION_FIELD(Property, base_key, Type, default_value, dispid, set_mask, get_mask) \
  addin_type::Type::Value Property() const {                                                   \
    return addin_type::Type::Read(ini(), section_, EntryKey(base_key), default_value);         \
  }                                                                                            \
  void Set##Property(addin_type::Type::Arg value) {                                            \
    addin_type::Type::Write(ini(), section_, EntryKey(base_key),                               \
                            addin_type::Type::Reduce(value, set_mask));                        \
  }

// A rectangle of the entry at the cursor, whole and side by side. A side
// is changed by rewriting the whole rectangle.
#define TQ_ANNOTATION_RECT(Property, Prefix, left_key, top_key, right_key, bottom_key, dispid) \
  TqvRect Property() const { return ReadRect({left_key, top_key, right_key, bottom_key}); }    \
  void Set##Property(const TqvRect& rect) {                                                    \
    WriteRect({left_key, top_key, right_key, bottom_key}, rect);                               \
  }                                                                                            \
  int32_t Prefix##Left() const { return Property().left; }                                     \
  int32_t Prefix##Top() const { return Property().top; }                                       \
  int32_t Prefix##Right() const { return Property().right; }                                   \
  int32_t Prefix##Bottom() const { return Property().bottom; }                                 \
  void Set##Prefix##Left(int32_t value) {                                                      \
    Set##Property(WithSide(Property(), &TqvRect::left, value));                                \
  }                                                                                            \
  void Set##Prefix##Top(int32_t value) {                                                       \
    Set##Property(WithSide(Property(), &TqvRect::top, value));                                 \
  }                                                                                            \
  void Set##Prefix##Right(int32_t value) {                                                     \
    Set##Property(WithSide(Property(), &TqvRect::right, value));                               \
  }                                                                                            \
  void Set##Prefix##Bottom(int32_t value) {                                                    \
    Set##Property(WithSide(Property(), &TqvRect::bottom, value));                              \
  }

// A value shared by all entries of the list.
#define TQ_ANNOTATION_SHARED(Property, key, Type, default_value, dispid)        \
  addin_type::Type::Value Property() const {                                   \
    return addin_type::Type::Read(ini(), section_, key, default_value);        \
  }                                                                            \
  void Set##Property(addin_type::Type::Arg value) {                            \
    addin_type::Type::Write(ini(), section_, key, value);                      \
  }

namespace tessaly {

// One PDF annotation list of the PlugIn store: a count key and numbered
// entries, each field stored under its base key followed directly by the
// entry number. Fields are read and written at the cursor, which is plain
// memory: it starts at 1, is never compared with the count and is the one
// thing that works when the store could not be opened.
class TqvAnnotationList : public TqvPlugInSection {
 public:
  TqvAnnotationList(TqvStoreFile* store, const char* section, const char* count_key)
      : TqvPlugInSection(store, section), count_key_(count_key) {}

  int32_t Count() const;
  void SetCount(int32_t count);
  int32_t Number() const { return number_; }
  void SetNumber(int32_t number) { number_ = number; }
  const char* count_key() const { return count_key_; }

 protected:
  struct RectKeys {
    const char* left;
    const char* top;
    const char* right;
    const char* bottom;
  };

  // The key of a field of the entry at the cursor: "Heading Name" at
  // entry 12 is "Heading Name12".
  std::string EntryKey(const char* base_key) const;
  TqvRect ReadRect(const RectKeys& keys) const;
  // Writes top, left, bottom, right, in that order.
  void WriteRect(const RectKeys& keys, const TqvRect& rect);
  static TqvRect WithSide(TqvRect rect, int32_t TqvRect::*side, int32_t value) {
    rect.*side = value;
    return rect;
  }

 private:
  const char* count_key_;
  int32_t number_ = 1;
};

// The bookmark list, section "Headings".
class TqvAddinPDFBookmark : public TqvAnnotationList {
 public:
  explicit TqvAddinPDFBookmark(TqvStoreFile* store);
  TQ_BOOKMARK_FIELDS(TQ_ANNOTATION_FIELD, TQ_ANNOTATION_RECT, TQ_ANNOTATION_SHARED)
};

// The link list, section "Hyperlink".
class TqvAddinPDFHyperlink : public TqvAnnotationList {
 public:
  explicit TqvAddinPDFHyperlink(TqvStoreFile* store);
  TQ_HYPERLINK_FIELDS(TQ_ANNOTATION_FIELD, TQ_ANNOTATION_RECT, TQ_ANNOTATION_SHARED)
};

// The note list, section "Document Comment". `Open` is one value for all
// notes, whatever the cursor.
class TqvAddinPDFNotes : public TqvAnnotationList {
 public:
  explicit TqvAddinPDFNotes(TqvStoreFile* store);
  TQ_NOTES_FIELDS(TQ_ANNOTATION_FIELD, TQ_ANNOTATION_RECT, TQ_ANNOTATION_SHARED)
};

}  // namespace tessaly
