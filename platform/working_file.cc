#include "platform/working_file.h"

#include <atomic>
#include <charconv>
#include <cstdint>

namespace tessaly {

std::string UniqueWorkingName(FileSystem& files, const std::string& base) {
  static std::atomic<uint32_t> count{0};
  return base + "." + std::to_string(files.ProcessId()) + "-" + std::to_string(++count);
}

void RemoveLeftoverWorkingFiles(FileSystem& files, const std::string& base) {
  const size_t start = base.size() + 1;
  for (const std::string& path : files.FilesStartingWith(base + ".")) {
    // Only names of the form above: another file that begins like them is
    // not a working file.
    uint32_t id = 0, number = 0;
    const char* end = path.data() + path.size();
    auto [dash, ec] = std::from_chars(path.data() + start, end, id);
    if (ec != std::errc() || dash == end || *dash != '-') continue;
    auto [rest, ec2] = std::from_chars(dash + 1, end, number);
    if (ec2 != std::errc() || rest != end) continue;
    if (id != files.ProcessId() && !files.ProcessRuns(id)) files.Remove(path);
  }
}

}  // namespace tessaly
