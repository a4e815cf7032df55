#pragma once

#include <string>

namespace tessaly {

// The Unicode character of each Windows-1252 byte (0 for the five unused
// ones) and the upper-case byte of each byte, as Windows maps them.
extern const unsigned short kCp1252ToUnicode[256];
void BuildCp1252UpperTable(unsigned char table[256]);
// The five unused bytes map to the characters of the same number.
std::wstring Cp1252ToWide(const std::string& text);
// The reverse, as Windows converts: a character without a byte becomes "?";
// the characters U+0081, U+008D, U+008F, U+0090 and U+009D become the five
// unused bytes, so that every byte survives a round trip.
std::string WideToCp1252(const std::wstring& text);

}  // namespace tessaly
