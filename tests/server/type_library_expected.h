#pragma once

#include <string>
#include <vector>

namespace tessaly {

struct ExpectedMembers {
  std::string interface_name;
  std::vector<std::string> members;
};

extern const std::vector<std::string> kExpectedEnumerations;
extern const std::vector<std::string> kExpectedInterfaces;
extern const std::vector<std::string> kExpectedClasses;
extern const std::vector<ExpectedMembers> kExpectedMembers;

}  // namespace tessaly
