#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace tessaly {

// Answers every print request with `result` and remembers the documents;
// `on_print`, when set, runs as the printing program would start.
class FakeShell : public Shell {
 public:
  intptr_t PrintDocument(const std::wstring& path) override {
    printed.push_back(path);
    if (on_print) on_print();
    return result;
  }

  intptr_t result = 42;
  std::function<void()> on_print;
  std::vector<std::wstring> printed;
};

}  // namespace tessaly
