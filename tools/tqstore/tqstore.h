#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/env.h"

namespace tessaly {

// The administration tool over the printer's store files: runs one command
// line (without the program name) against the Env's files and registry.
// Text arguments are UTF-8. Returns the exit status: 0 done, 1 problems
// found (check) or profiles that differ (diff), 2 a command that failed, in
// which case nothing was written.
int RunTqstore(const Env& env, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err);

}  // namespace tessaly
