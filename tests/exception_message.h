#pragma once

#include <string>

#include "common/exception.h"

namespace tessaly {

// The message of the Exception that `call` throws, or "(no exception)":
// tests compare messages, which callers and the printer see verbatim.
template <typename Call>
std::string MessageOf(Call call) {
  try {
    call();
  } catch (const Exception& e) {
    return e.what();
  }
  return "(no exception)";
}

}  // namespace tessaly
