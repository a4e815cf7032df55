#pragma once

#include <string>

#include "platform/shell.h"

namespace tessaly {

class Win32Shell : public Shell {
 public:
  intptr_t PrintDocument(const std::wstring& path) override;
};

}  // namespace tessaly
