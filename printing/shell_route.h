#pragma once

#include <cstdint>
#include <string>

#include "platform/env.h"

namespace tessaly {

// The message of a shell result that means failure; nullptr for a result
// that counts as success.
const char* ShellFailureMessage(intptr_t result);

// Hands the document to the shell's "print" verb and returns once the
// printing program has been started. Throws Exception with the message of
// the shell's failure.
void PrintThroughShell(const Env& env, const std::wstring& document);

}  // namespace tessaly
