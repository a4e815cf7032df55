// profiles, show, get, set, diff: the profiles of a folder's Profiles file.
#include "tools/tqstore/folder_stores.h"
#include "tools/tqstore/report.h"
#include "tools/tqstore/text.h"
#include "tools/tqstore/tool_context.h"

namespace tessaly {

int ProfilesCommand(ToolContext& c) {
  FolderStores stores(c.env, c.operands[0]);
  for (const std::string& name : stores.ProfileNames()) c.out << AnsiToUtf8(c.env, name) << "\n";
  return 0;
}

int ShowCommand(ToolContext& c) {
  FolderStores stores(c.env, c.operands[0]);
  auto settings = stores.Settings(stores.SectionOf(c.operands[1]));
  ReportNode root;
  root.Text("profile", c.operands[1]);
  ReportNode& keys = root.List("keys");
  for (const ProfileKey& row : kProfileKeys) {
    std::string value = ReadProfileValue(c.env, *settings, row.property);
    std::string default_value = DefaultProfileValue(c.env, row.property);
    if (!c.json) {
      c.out << (value == default_value ? "  " : "* ") << row.name << " [" << row.key
            << "]: " << value << " (default: " << default_value << ")\n";
      continue;
    }
    keys.Item()
        .Text("property", row.name)
        .Text("key", row.key)
        .Text("value", value)
        .Text("default", default_value)
        .Flag("differs", value != default_value);
  }
  if (c.json) PrintJson(root, c.out);
  return 0;
}

int GetCommand(ToolContext& c) {
  FolderStores stores(c.env, c.operands[0]);
  auto settings = stores.Settings(stores.SectionOf(c.operands[1]));
  c.out << ReadProfileValue(c.env, *settings, ProfileKeyNamed(c.operands[2]).property) << "\n";
  return 0;
}

int SetCommand(ToolContext& c) {
  FolderStores stores(c.env, c.operands[0]);
  auto settings = stores.Settings(stores.SectionOf(c.operands[1]));
  const ProfileKey& row = ProfileKeyNamed(c.operands[2]);
  // Only the store in memory changes until the whole file is written.
  WriteProfileValue(c.env, *settings, row.property, c.operands[3]);
  stores.SaveProfiles();
  return 0;
}

int DiffCommand(ToolContext& c) {
  FolderStores stores(c.env, c.operands[0]);
  auto a = stores.Settings(stores.SectionOf(c.operands[1]));
  auto b = stores.Settings(stores.SectionOf(c.operands[2]));
  int status = 0;
  for (const ProfileKey& row : kProfileKeys) {
    std::string x = ReadProfileValue(c.env, *a, row.property);
    std::string y = ReadProfileValue(c.env, *b, row.property);
    if (x == y) continue;
    c.out << row.name << " [" << row.key << "]: " << x << " | " << y << "\n";
    status = 1;
  }
  return status;
}

}  // namespace tessaly
