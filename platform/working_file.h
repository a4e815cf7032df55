#pragma once

#include <string>

#include "platform/file_system.h"

namespace tessaly {

// The working files through which a file is replaced: each write goes to a
// file of its own beside the file, `base` + "." + the process id + "-" + a
// number counted in the process, so that writers in one process or in
// several never write into each other's working file.
std::string UniqueWorkingName(FileSystem& files, const std::string& base);

// Removes the working files named after `base` whose process no longer
// runs: what a writer that died between writing and renaming left behind.
// The files of running writers are theirs and stay.
void RemoveLeftoverWorkingFiles(FileSystem& files, const std::string& base);

}  // namespace tessaly
