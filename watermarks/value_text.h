#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/exception.h"

namespace tessaly {

// A text that is not a value of the wanted type, such as
// "'abc' is not a valid integer value".
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A decimal (or "0x" hexadecimal) 32-bit integer; EConvertError with
// "'%s' is not a valid integer value" otherwise.
int32_t StrToInt(std::string_view text);

// "True"/"False" in any letter case, or a number (non-zero is true);
// EConvertError with "'%s' is not a valid boolean value" otherwise.
bool StrToBool(std::string_view text);

// A number in fixed or exponent form with "." as the decimal point, or 0
// when the text is not one.
double StrToFloatOrZero(std::string_view text);
// A 32-bit integer, or 0 when the text is not one.
int32_t StrToIntOrZero(std::string_view text);

// The general decimal form with "." whatever the user's locale: at most 15
// significant digits, exponent form below 0.0001 and from 1E15 on.
std::string FloatToText(double value);

}  // namespace tessaly
