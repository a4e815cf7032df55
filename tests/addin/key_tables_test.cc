#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "addin/addin_members.h"

namespace tessaly {
namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// True when `key` is `base` followed by an entry number (digits, maybe a
// minus sign): the key of a numbered field would then land on it.
bool LooksNumbered(const std::string& key, const std::string& base) {
  if (key.size() < base.size() || Upper(key.substr(0, base.size())) != Upper(base)) return false;
  std::string rest = key.substr(base.size());
  if (!rest.empty() && rest[0] == '-') rest.erase(0, 1);
  for (char c : rest) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

TEST(AddinKeyTablesTest, AutomationMembersAreNumberedFrom201WithoutGapsOrTwins) {
  struct Interface {
    const char* name;
    const std::vector<AddinMember>& members;
    size_t size;
  };
  const Interface interfaces[] = {
      {"IqvOfficeAddinSettingsX", OfficeAddinSettingsMembers(), 27},
      {"IqvAddinPDFBookmarkX", BookmarkMembers(), 6},
      {"IqvAddinPDFHyperlinkX", HyperlinkMembers(), 18},
      {"IqvAddinPDFNotesX", NotesMembers(), 12},
      {"IqvDocumentPropertiesX", DocumentPropertiesMembers(), 6},
  };
  for (const Interface& interface : interfaces) {
    SCOPED_TRACE(interface.name);
    ASSERT_EQ(interface.members.size(), interface.size);
    std::set<std::string> names;
    for (size_t i = 0; i < interface.members.size(); ++i) {
      EXPECT_EQ(interface.members[i].dispid, 201 + static_cast<int32_t>(i));
      EXPECT_TRUE(names.insert(Upper(interface.members[i].name)).second)
          << interface.members[i].name;
    }
  }
  EXPECT_STREQ(HyperlinkMembers()[3].name, "SourceLeft");
  EXPECT_STREQ(HyperlinkMembers()[11].name, "DestBottom");
  EXPECT_STREQ(NotesMembers()[4].name, "Top");
  EXPECT_EQ(NotesMembers()[9].kind, AddinValueKind::kVariant);     // Open
  EXPECT_EQ(OfficeAddinSettingsMembers()[7].get_mask, kLow7Bits);  // WordLinkBorderWidth
}

TEST(AddinKeyTablesTest, NoTwoKeysOfASectionCanMeet) {
  size_t sections = 0;
  for (const AddinSectionKeys& table : PlugInKeyTables()) {
    SCOPED_TRACE(table.section);
    ++sections;
    for (size_t i = 0; i < table.keys.size(); ++i) {
      for (size_t j = 0; j < table.keys.size(); ++j) {
        if (i == j) continue;
        const AddinKey& a = table.keys[i];
        const AddinKey& b = table.keys[j];
        EXPECT_NE(Upper(a.key), Upper(b.key)) << a.key;
        if (a.numbered) {
          EXPECT_FALSE(LooksNumbered(b.key, a.key)) << a.key << " / " << b.key;
        }
      }
    }
  }
  EXPECT_EQ(sections, 7u);
}

}  // namespace
}  // namespace tessaly
