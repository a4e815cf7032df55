#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "addin/rect.h"

namespace tessaly {

// A named place in an Office document (a Word bookmark, a slide's outline
// entry) that links can point to. In memory only; the Office flows keep
// these in lists of their own.
class TqvInternalAddress {
 public:
  int32_t Page() const { return page_; }
  void SetPage(int32_t page) { page_ = page; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const TqvRect& Rect() const { return rect_; }
  void SetRect(const TqvRect& rect) { rect_ = rect; }
  int32_t Level() const { return level_; }
  void SetLevel(int32_t level) { level_ = level; }

 private:
  int32_t page_ = 1;
  std::string name_;
  TqvRect rect_;
  int32_t level_ = 0;
};

}  // namespace tessaly
