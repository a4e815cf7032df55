#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/exception.h"

namespace tessaly {

// A position outside a list: "List index out of bounds (%d)".
class EListError : public Exception {
 public:
  explicit EListError(int64_t index);
};

// Comma text: one line of fields separated by commas, as the stores keep
// fonts and lists of names.
//
// Splitting: blanks (codes 1 to 32) before a field are skipped. A field that
// begins with a double quote runs to the matching closing quote, a doubled
// quote inside standing for one (an unclosed quote runs to the end); any
// other field ends at the first comma or blank. After a field, blanks are
// skipped and one comma is consumed together with the blanks after it; a
// comma that is the last character adds an empty last field. A NUL ends the
// text.
std::vector<std::string> SplitCommaText(std::string_view text);

// The field as written in comma text: enclosed in double quotes (inner
// quotes doubled) when it holds a comma, a quote, a blank or a character
// below the blank; bare otherwise, the empty field included.
std::string QuoteCommaField(std::string_view field);

// The fields quoted as needed and joined with commas; a list of exactly one
// empty field is written as two double quotes.
std::string JoinCommaText(const std::vector<std::string>& fields);

}  // namespace tessaly
