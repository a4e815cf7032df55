#pragma once

#include <stdexcept>
#include <string>

namespace tessaly {

// The general exception of the system: every failure inside the core is an
// Exception (or a subclass) carrying a message in the ANSI code page.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// printf-style formatting of a message with one string argument, for texts
// such as "Invalid data type for '%s'".
std::string FormatMessage1(const char* pattern, const std::string& argument);

}  // namespace tessaly
