#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly {

// Decimal integer with an optional sign, or "0x"/"0X" followed by up to
// eight hexadecimal digits (taken as the 32-bit pattern). False for anything
// else, including values outside the 32-bit signed range.
bool ParseInteger(std::string_view text, int32_t* value);

// A number in fixed or exponent form whose decimal separator is `separator`.
bool ParseFloat(std::string_view text, char separator, double* value);

// General decimal form with at most 15 significant digits: fixed notation
// for magnitudes from 0.0001 up to 15 integer digits ("0.0001", "123.5"),
// exponent notation
// otherwise ("5E-5", "1.5E20"); trailing zeros dropped.
std::string FormatFloatGeneral(double value, char separator);

}  // namespace tessaly
