#pragma once

#include <string>

namespace tessaly {

// The system's ANSI code page (the stores are kept in it) and the user's
// number format.
class CodePage {
 public:
  virtual ~CodePage() = default;

  virtual std::string ToAnsi(const std::wstring& text) const = 0;
  virtual std::wstring FromAnsi(const std::string& text) const = 0;
  // Upper-case form of each of the 256 ANSI characters; the table lives as
  // long as the code page.
  const unsigned char* UpperTable() const { return upper_; }
  virtual char DecimalSeparator() const = 0;

 protected:
  // Filled by each implementation's constructor.
  unsigned char upper_[256] = {};
};

}  // namespace tessaly
