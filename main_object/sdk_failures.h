#pragma once

#include <cstdint>
#include <exception>

namespace tessaly {

// The help context a failure reaches the caller with: an SdkError's own,
// the one the table of domain failures (sdk_failures.cc) gives the profile
// layer's failures, and 0 for every other failure (E_UNEXPECTED at the
// automation boundary).
int32_t SdkHelpContextOf(const std::exception& failure);

}  // namespace tessaly
