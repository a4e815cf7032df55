#pragma once

#include <string>
#include <string_view>

#include "platform/env.h"

namespace tessaly {

std::string ToUtf8(const std::wstring& text);
// Malformed sequences become U+FFFD.
std::wstring FromUtf8(std::string_view text);
// ANSI text of the stores, as the tool prints it (UTF-8), and back.
std::string AnsiToUtf8(const Env& env, std::string_view ansi);
std::string Utf8ToAnsi(const Env& env, std::string_view utf8);
// The text as a JSON string literal, quotes included.
std::string JsonQuoted(std::string_view utf8);

}  // namespace tessaly
