#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "common/exception.h"
#include "platform/env.h"

namespace tessaly {

// A failure of a command, told to the user as one line; the command has
// written nothing.
class ToolError : public Exception {
 public:
  using Exception::Exception;
};

// One command line as a command sees it.
struct ToolContext {
  const Env& env;
  std::ostream& out;
  std::vector<std::string> operands;
  bool json = false;
  bool utf8 = false;
};

// The three files of a Profiles folder, as the printer finds them there.
struct StoreFolder {
  std::string profiles;
  std::string plugin;
  std::string watermarks;
};

// A path given on the command line in the form the file system takes:
// backslashes between folders, a bare name relative to the current folder.
std::string ToolPath(const std::string& path);
StoreFolder FolderOf(const std::string& dir);

// Lower-case file name of a path ("plugin.qvf").
std::string BaseNameLower(const std::string& path);

// The commands; each returns the exit status or throws ToolError.
int CatCommand(ToolContext& c);
int PackCommand(ToolContext& c);
int CheckCommand(ToolContext& c);
int ProfilesCommand(ToolContext& c);
int ShowCommand(ToolContext& c);
int GetCommand(ToolContext& c);
int SetCommand(ToolContext& c);
int DiffCommand(ToolContext& c);
int JobCommand(ToolContext& c);

}  // namespace tessaly
