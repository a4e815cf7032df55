#pragma once

#include <cstdint>
#include <string>

namespace tessaly {

// The shell's document verbs.
class Shell {
 public:
  virtual ~Shell() = default;

  // Asks the program associated with the document to print it, with no
  // owner window, parameters or working folder, shown normally. Returns
  // the shell's result at once: above 32 on success, otherwise the
  // shell's error number.
  virtual intptr_t PrintDocument(const std::wstring& path) = 0;
};

}  // namespace tessaly
