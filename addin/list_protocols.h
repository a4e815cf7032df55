#pragma once

#include <cstdint>
#include <utility>

#include "addin/annotation_lists.h"

namespace tessaly {

// Makes room for one more entry at the end of the list: the count grows by
// one and the cursor moves to the new entry, whose number is returned. An
// empty list, or one whose count is below 1, starts again at entry 1 (an
// entry under a number of 0 or less would never be read). Throws Exception
// when the count cannot grow any further.
int32_t StartAppend(TqvAnnotationList& list);

// Appends one entry: `fill(list)` writes its fields at the cursor. Returns
// the number of the new entry, which is the new count. The main object's
// AddPDF members use this.
template <typename List, typename Fill>
int32_t AppendEntry(List& list, Fill&& fill) {
  int32_t number = StartAppend(list);
  std::forward<Fill>(fill)(list);
  return number;
}

// Writes a whole list from the first entry on, replacing the list of an
// earlier job: Next() moves the cursor to the next entry number, the
// caller writes the fields it needs there (fields it leaves out keep what
// an earlier entry of that number left), and Finish() writes the count of
// entries, 0 when there were none. The Office flows use this.
template <typename List>
class TqvListWriter {
 public:
  explicit TqvListWriter(List& list) : list_(list) {}

  List& Next() {
    list_.SetNumber(next_++);
    return list_;
  }
  int32_t written() const { return next_ - 1; }
  void Finish() { list_.SetCount(written()); }

 private:
  List& list_;
  int32_t next_ = 1;
};

// Writes `entries` as the whole list, `fill(list, entry)` writing each one
// at the cursor; the count is written even when `entries` is empty.
template <typename List, typename Entries, typename Fill>
void WriteList(List& list, const Entries& entries, Fill&& fill) {
  TqvListWriter<List> writer(list);
  for (const auto& entry : entries) fill(writer.Next(), entry);
  writer.Finish();
}

}  // namespace tessaly
