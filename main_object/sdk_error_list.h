#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessaly {

// One of the SDK's own failure codes: its help context, what it means, and
// the messages callers receive with it. A code whose message comes from
// the failure it reports (the Office routes) has none listed.
struct SdkErrorEntry {
  int32_t help_context;
  std::string meaning;
  std::vector<std::string> messages;
};

// Every SDK failure code in the order of its help context, with the message
// texts the code raises them with. The member reference is printed from it.
std::vector<SdkErrorEntry> SdkErrorList();

}  // namespace tessaly
