#include "tools/tqstore/tqstore.h"

#include <algorithm>

#include "tools/tqstore/tool_context.h"

namespace tessaly {
namespace {

struct Command {
  const char* name;
  int (*run)(ToolContext&);
  size_t min_operands;
  size_t max_operands;
  bool takes_json;
  bool takes_utf8;
  const char* usage;
  const char* help;
};

constexpr size_t kAny = 1u << 20;

const Command kCommands[] = {
    {"cat", CatCommand, 1, 1, false, true, "cat [--utf8] FILE.qvf",
     "Prints the INI text of a store file as stored (ANSI code page), or with --utf8\n"
     "converted to UTF-8."},
    {"pack", PackCommand, 2, 2, false, true, "pack [--utf8] TEXT FILE.qvf",
     "Writes the INI text of the file TEXT (with --utf8 converted from UTF-8) as the store\n"
     "file FILE.qvf, through its working file: the old file is replaced in one step or\n"
     "left as it was. cat, then pack, gives back the same bytes."},
    {"check", CheckCommand, 1, kAny, true, false, "check [--json] PATH...",
     "Checks store files (Profiles.qvf, PlugIn.qvf) and the watermark file (*.xml): the\n"
     "compressed stream and its size cap, lines, sections and keys, values that would not\n"
     "read as their type (with the value read instead), the watermark profiles.\n"
     "One line per finding, FILE:LINE: ...; exit status 0 clean, 1 problems, 2 unreadable."},
    {"profiles", ProfilesCommand, 1, 1, false, false, "profiles DIR",
     "Lists the profiles of DIR\\Profiles.qvf in file order (DIR: the Profiles folder)."},
    {"show", ShowCommand, 2, 2, true, false, "show [--json] DIR PROFILE",
     "Every key of the profile as the SDK reads it, with its default; \"*\" marks the\n"
     "keys whose value differs from the default."},
    {"get", GetCommand, 3, 3, false, false, "get DIR PROFILE KEY",
     "The value of one key (a property name or a stored key, any letter case)."},
    {"set", SetCommand, 4, 4, false, false, "set DIR PROFILE KEY VALUE",
     "Sets one key as the automation member does: booleans true/false, integers (decimal\n"
     "or 0x...), numbers with \".\", lists as comma text, fonts in their text form. A value\n"
     "not of the key's type is refused; the file is written whole or not at all."},
    {"diff", DiffCommand, 3, 3, false, false, "diff DIR PROFILE PROFILE",
     "The keys whose values differ between two profiles; exit status 1 when any does."},
    {"job", JobCommand, 1, 1, true, false, "job [--json] DIR",
     "What the printer reads for the next job: output format and document name, the\n"
     "current profile's main settings, the registry hand-off values, bookmarks, links and\n"
     "notes, the document information and the selected watermark profile's items."},
};

void Usage(std::ostream& out) {
  out << "usage: tqstore COMMAND [--help] ...\n";
  for (const Command& command : kCommands) out << "  tqstore " << command.usage << "\n";
}

}  // namespace

std::string ToolPath(const std::string& path) {
  std::string p = path;
  std::replace(p.begin(), p.end(), '/', '\\');
  bool bare = p.find('\\') == std::string::npos && p.find(':') == std::string::npos;
  return bare ? ".\\" + p : p;
}

StoreFolder FolderOf(const std::string& dir) {
  std::string base = ToolPath(dir);
  while (base.size() > 1 && base.back() == '\\') base.pop_back();
  return {base + "\\Profiles.qvf", base + "\\PlugIn.qvf", base + "\\WatermarkProfiles.xml"};
}

std::string BaseNameLower(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

int RunTqstore(const Env& env, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
  if (args.empty()) {
    Usage(err);
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    Usage(out);
    return 0;
  }
  const Command* command = nullptr;
  for (const Command& c : kCommands) {
    if (args[0] == c.name) command = &c;
  }
  if (command == nullptr) {
    err << "tqstore: unknown command \"" << args[0] << "\" (see tqstore --help)\n";
    return 2;
  }
  ToolContext context{env, out, {}, false, false};
  bool options_done = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (options_done || a.size() < 2 || a.compare(0, 2, "--") != 0) {
      context.operands.push_back(a);
    } else if (a == "--") {
      options_done = true;
    } else if (a == "--help") {
      out << "usage: tqstore " << command->usage << "\n" << command->help << "\n";
      return 0;
    } else if (a == "--json" && command->takes_json) {
      context.json = true;
    } else if (a == "--utf8" && command->takes_utf8) {
      context.utf8 = true;
    } else {
      err << "tqstore " << command->name << ": unknown option " << a << " (usage: tqstore "
          << command->usage << ")\n";
      return 2;
    }
  }
  size_t n = context.operands.size();
  if (n < command->min_operands || n > command->max_operands) {
    err << "tqstore " << command->name << ": usage: tqstore " << command->usage << "\n";
    return 2;
  }
  try {
    return command->run(context);
  } catch (const std::exception& e) {
    err << "tqstore " << command->name << ": " << e.what() << "\n";
    return 2;
  }
}

}  // namespace tessaly
