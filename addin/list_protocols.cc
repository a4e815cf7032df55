#include "addin/list_protocols.h"

#include <limits>

#include "common/exception.h"

namespace tessaly {

int32_t StartAppend(TqvAnnotationList& list) {
  int32_t count = list.Count();
  if (count <= 0) {
    list.SetCount(1);
    list.SetNumber(1);
    return 1;
  }
  if (count == std::numeric_limits<int32_t>::max()) {
    throw Exception(std::string("The list \"") + list.section() + "\" cannot take more entries");
  }
  list.SetCount(count + 1);
  // The cursor follows the count as stored.
  list.SetNumber(list.Count());
  return list.Number();
}

}  // namespace tessaly
