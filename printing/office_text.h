#pragma once

#include <cstdint>
#include <string>

#include "platform/code_page.h"

namespace tessaly {

// Text rules the Office flows share.

// Whether `text` contains `part`, letter case ignored as the ANSI code page
// sees it.
bool ContainsIgnoringCase(const CodePage& code_page, const std::wstring& text,
                          const std::wstring& part);

// `text` without the blanks and control characters (every character up to
// the blank) at either end.
std::wstring TrimBlanks(const std::wstring& text);

// `text` read as a decimal integer, leading blanks allowed; 0 when it is not
// one.
int32_t DecimalOrZero(const std::wstring& text);

// Whether a link address names a place on the internet rather than a file:
// it contains "www", "http", "@" or "ftp", letter case ignored.
bool IsInternetAddress(const CodePage& code_page, const std::wstring& address);

}  // namespace tessaly
