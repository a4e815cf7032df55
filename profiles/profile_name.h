#pragma once

#include <cstddef>
#include <string_view>
#include <type_traits>

namespace tessaly {

// The longest profile name: a section name far beyond it only costs memory
// in every copy of the store.
constexpr size_t kMaxProfileNameLength = 255;

// The one rule for a new profile name, for the manager and the main object
// alike. A name must be one that the store reads back as written: not
// empty, not too long, none of the nine characters * / < > ? [ \ ] |, no
// character below the blank (a line break would end the section line, a
// NUL the text), and no blank at either end (the store trims section
// names when it reads them).
template <class Char>
bool IsValidProfileName(std::basic_string_view<Char> name) {
  if (name.empty() || name.size() > kMaxProfileNameLength) return false;
  if (name.front() == Char(' ') || name.back() == Char(' ')) return false;
  for (Char c : name) {
    auto code = static_cast<std::make_unsigned_t<Char>>(c);
    if (code < 0x20) return false;
    switch (code) {
      case '*': case '/': case '<': case '>': case '?': case '[': case '\\': case ']': case '|':
        return false;
      default:
        break;
    }
  }
  return true;
}

}  // namespace tessaly
