// The annotation lists over arbitrary PlugIn text, at a cursor taken from
// the first four bytes (negative and huge ones included): the count and
// every field read, then written and read back as the setter stores it,
// and the store's text, written out and read in again, gives the same values.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "addin/addin_objects.h"
#include "platform/fake/fake_env.h"
#include "store/store_file.h"

namespace tessaly {
namespace {

const char kPlugInPath[] = "C:\\Tessaly\\Profiles\\PlugIn.qvf";
const char kPlugInAgainPath[] = "C:\\Tessaly\\Again\\PlugIn.qvf";

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// A value of each automation type to write, derived from the cursor.
template <class Type>
typename Type::Value Sample(int32_t seed) {
  if constexpr (std::is_same_v<typename Type::Value, bool>) {
    return (seed & 1) != 0;
  } else if constexpr (std::is_same_v<typename Type::Value, std::string>) {
    return "v" + std::to_string(seed);
  } else {
    return seed ^ 0x5A5A5A5A;
  }
}

#define TQ_READ_FIELD(Property, base_key, Type, default_value, dispid, set_mask, get_mask) \
  list.Property();
#define TQ_READ_RECT(Property, Prefix, left_key, top_key, right_key, bottom_key, dispid) \
  list.Property();                                                                        \
  list.Prefix##Left();                                                                    \
  list.Prefix##Bottom();
#define TQ_READ_SHARED(Property, key, Type, default_value, dispid) list.Property();

#define TQ_WRITE_FIELD(Property, base_key, Type, default_value, dispid, set_mask, get_mask) \
  list.Set##Property(Sample<addin_type::Type>(seed));                                      \
  Require(list.Property() == addin_type::Type::Reduce(Sample<addin_type::Type>(seed), set_mask));
#define TQ_WRITE_RECT(Property, Prefix, left_key, top_key, right_key, bottom_key, dispid) \
  list.Set##Property({seed, ~seed, seed / 2, 7});                                        \
  list.Set##Prefix##Top(seed ^ 1);                                                        \
  Require(list.Property() == (TqvRect{seed, seed ^ 1, seed / 2, 7}));
#define TQ_WRITE_SHARED(Property, key, Type, default_value, dispid) \
  list.Set##Property(Sample<addin_type::Type>(seed));               \
  Require(list.Property() == Sample<addin_type::Type>(seed));

#define TQ_SAME_FIELD(Property, base_key, Type, default_value, dispid, set_mask, get_mask) \
  Require(list.Property() == again.Property());
#define TQ_SAME_RECT(Property, Prefix, left_key, top_key, right_key, bottom_key, dispid) \
  Require(list.Property() == again.Property());
#define TQ_SAME_SHARED(Property, key, Type, default_value, dispid) \
  Require(list.Property() == again.Property());

template <class List>
void Read(List& list, int32_t cursor) {
  list.SetNumber(cursor);
  Require(list.Number() == cursor);
  list.Count();
}

void ReadAll(TqvAddinObjects& objects, int32_t cursor) {
  {
    auto& list = objects.bookmarks;
    Read(list, cursor);
    TQ_BOOKMARK_FIELDS(TQ_READ_FIELD, TQ_READ_RECT, TQ_READ_SHARED)
  }
  {
    auto& list = objects.hyperlinks;
    Read(list, cursor);
    TQ_HYPERLINK_FIELDS(TQ_READ_FIELD, TQ_READ_RECT, TQ_READ_SHARED)
  }
  {
    auto& list = objects.notes;
    Read(list, cursor);
    TQ_NOTES_FIELDS(TQ_READ_FIELD, TQ_READ_RECT, TQ_READ_SHARED)
  }
}

void WriteAll(TqvAddinObjects& objects, int32_t seed) {
  for (TqvAnnotationList* list : {static_cast<TqvAnnotationList*>(&objects.bookmarks),
                                  static_cast<TqvAnnotationList*>(&objects.hyperlinks),
                                  static_cast<TqvAnnotationList*>(&objects.notes)}) {
    list->SetCount(seed);
    Require(list->Count() == seed);
  }
  {
    auto& list = objects.bookmarks;
    TQ_BOOKMARK_FIELDS(TQ_WRITE_FIELD, TQ_WRITE_RECT, TQ_WRITE_SHARED)
  }
  {
    auto& list = objects.hyperlinks;
    TQ_HYPERLINK_FIELDS(TQ_WRITE_FIELD, TQ_WRITE_RECT, TQ_WRITE_SHARED)
  }
  {
    auto& list = objects.notes;
    TQ_NOTES_FIELDS(TQ_WRITE_FIELD, TQ_WRITE_RECT, TQ_WRITE_SHARED)
  }
}

void CompareAll(TqvAddinObjects& objects, TqvAddinObjects& reopened, int32_t cursor) {
  ReadAll(reopened, cursor);
  {
    auto& list = objects.bookmarks;
    auto& again = reopened.bookmarks;
    Require(list.Count() == again.Count());
    TQ_BOOKMARK_FIELDS(TQ_SAME_FIELD, TQ_SAME_RECT, TQ_SAME_SHARED)
  }
  {
    auto& list = objects.hyperlinks;
    auto& again = reopened.hyperlinks;
    Require(list.Count() == again.Count());
    TQ_HYPERLINK_FIELDS(TQ_SAME_FIELD, TQ_SAME_RECT, TQ_SAME_SHARED)
  }
  {
    auto& list = objects.notes;
    auto& again = reopened.notes;
    Require(list.Count() == again.Count());
    TQ_NOTES_FIELDS(TQ_SAME_FIELD, TQ_SAME_RECT, TQ_SAME_SHARED)
  }
}

}  // namespace
}  // namespace tessaly

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tessaly;
  int32_t cursor = 1;
  if (size >= 4) {
    std::memcpy(&cursor, data, 4);
    data += 4;
    size -= 4;
  }
  // The stores are made once; each input replaces their text. The second
  // store is the first one written out and read in again.
  static FakeEnv fake;
  static TqvStoreFile store(fake.env, kPlugInPath);
  static TqvStoreFile again(fake.env, kPlugInAgainPath);
  static TqvAddinObjects objects(&store);
  static TqvAddinObjects reread(&again);
  static IniFile& ini = store.Load();
  static IniFile& ini_again = again.Load();
  ini.SetText(std::string(reinterpret_cast<const char*>(data), size));
  ReadAll(objects, cursor);
  ini_again.SetText(ini.Text());
  CompareAll(objects, reread, cursor);
  WriteAll(objects, cursor);
  ini_again.SetText(ini.Text());
  CompareAll(objects, reread, cursor);
  return 0;
}
