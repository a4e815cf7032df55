#pragma once

#include <cstdint>

namespace tessaly {

// An area on a page: origin at the top-left corner, y growing downwards.
struct TqvRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  friend bool operator==(const TqvRect& a, const TqvRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  friend bool operator!=(const TqvRect& a, const TqvRect& b) { return !(a == b); }
};

}  // namespace tessaly
