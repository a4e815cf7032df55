#pragma once

#include <string>

#include "platform/shell.h"

namespace tessaly {

// No program is associated with any document.
class PosixShell : public Shell {
 public:
  static constexpr intptr_t kNoAssociation = 31;
  intptr_t PrintDocument(const std::wstring&) override { return kNoAssociation; }
};

}  // namespace tessaly
