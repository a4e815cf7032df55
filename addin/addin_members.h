#pragma once

#include <cstdint>
#include <vector>

#include "addin/addin_values.h"

namespace tessaly {

// One property of an automation interface over the PlugIn store, in
// interface order: the getter and the setter share the dispatch id. The
// automation getter returns the stored value reduced by `get_mask`.
struct AddinMember {
  const char* name;
  int32_t dispid;
  AddinValueKind kind;
  uint32_t get_mask;
};

const std::vector<AddinMember>& OfficeAddinSettingsMembers();
const std::vector<AddinMember>& BookmarkMembers();
const std::vector<AddinMember>& HyperlinkMembers();
const std::vector<AddinMember>& NotesMembers();
const std::vector<AddinMember>& DocumentPropertiesMembers();

// One key of a PlugIn section; `numbered` keys carry the entry number.
struct AddinKey {
  const char* property;
  const char* key;
  AddinValueKind kind;
  bool numbered;
};

struct AddinSectionKeys {
  const char* section;
  std::vector<AddinKey> keys;
};

// Every key the server reads or writes in the PlugIn store, by section.
const std::vector<AddinSectionKeys>& PlugInKeyTables();

}  // namespace tessaly
