#pragma once

#include <cstdint>
#include <memory>

namespace tessaly {

// What the PowerPoint and Excel object models share.

// A counted collection: Count, and Item by 1-based index.
template <class T>
class OfficeList {
 public:
  virtual ~OfficeList() = default;
  virtual int32_t Count() = 0;
  virtual std::unique_ptr<T> Item(int32_t index) = 0;
};

// Office's tri-state booleans are integers: true is -1, false 0.
constexpr int32_t kOfficeTrue = -1;
constexpr int32_t kOfficeFalse = 0;

// Indexes of BuiltInDocumentProperties.
enum OfficeProperty : int32_t {
  kOfficeTitle = 1,
  kOfficeSubject = 2,
  kOfficeAuthor = 3,
  kOfficeKeywords = 4,
};

}  // namespace tessaly
