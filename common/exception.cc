#include "common/exception.h"

namespace tessaly {

std::string FormatMessage1(const char* pattern, const std::string& argument) {
  std::string out;
  for (const char* p = pattern; *p; ++p) {
    if (p[0] == '%' && p[1] == 's') {
      out += argument;
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

}  // namespace tessaly
