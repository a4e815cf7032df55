#pragma once

namespace tessaly {

// The Unicode character of each Windows-1252 byte (0 for the five unused
// ones) and the upper-case byte of each byte, as Windows maps them.
extern const unsigned short kCp1252ToUnicode[256];
void BuildCp1252UpperTable(unsigned char table[256]);

}  // namespace tessaly
