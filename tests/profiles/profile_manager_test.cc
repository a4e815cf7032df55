#include <gtest/gtest.h>

#include "platform/fake/fake_env.h"
#include "profiles/profile_manager.h"
#include "profiles/profile_sections.h"
#include "tests/exception_message.h"

namespace tessaly {
namespace {

using Names = std::vector<std::string>;

class ProfileManagerTest : public ::testing::Test {
 protected:
  // Writes one key so that a new profile's section exists.
  void Touch(const std::string& section) { manager_.ProfilesIni().WriteString(section, "k", "v"); }

  FakeEnv fake_;
  TqvProfileManager manager_{fake_.env};
};

TEST_F(ProfileManagerTest, FreshFileListsTheBuiltInProfileAndTheWorkingCopy) {
  EXPECT_EQ(manager_.GetProfilesList(), (Names{"[PDF - Best Quality]", "Last Saved State"}));
  EXPECT_EQ(manager_.last_profile_at_start(), "[PDF - Best Quality]");
}

TEST_F(ProfileManagerTest, CreateNewProfile) {
  manager_.ProfilesIni().WriteString(kBuiltInProfileSection, "Author", "me");
  auto settings = manager_.CreateNewProfile(L"Mine, v1.0-final");
  EXPECT_EQ(settings->section(), "Mine, v1.0-final");
  EXPECT_EQ(manager_.ProfilesIni().ReadString("Mine, v1.0-final", "Author", ""), "me");
  EXPECT_EQ(manager_.GetProfilesList().back(), "Mine, v1.0-final");

  EXPECT_EQ(MessageOf([&] { manager_.CreateNewProfile(L"Mine, v1.0-final"); }),
            kProfileExistsMessage);
  EXPECT_EQ(MessageOf([&] { manager_.CreateNewProfile(L"Last Saved State"); }),
            kProfileProtectedMessage);
  EXPECT_EQ(MessageOf([&] { manager_.CreateNewProfile(L"[PDF - Best Quality]"); }),
            kProfileProtectedMessage);
  EXPECT_EQ(MessageOf([&] { manager_.CreateNewProfile(L"General Settings"); }),
            kProfileProtectedMessage);
  const std::wstring bad_names[] = {L"a*", L"/a", L"a?b", L"[x", L"x\\y", L"x]", L"|", L"<", L">",
                                    L"", std::wstring(L"a\0b", 3), L"x\ry", L" a", L"a ",
                                    L"\x4e00", std::wstring(256, L'n')};
  for (const std::wstring& bad : bad_names) {
    EXPECT_EQ(MessageOf([&] { manager_.CreateNewProfile(bad); }), kInvalidProfileNameMessage)
        << bad.size();
    EXPECT_THROW(manager_.CopyProfile(L"Mine, v1.0-final", bad, true), EInvalidProfileName);
  }
}

TEST_F(ProfileManagerTest, ANameCannotInjectLinesIntoTheStore) {
  std::wstring evil = L"Evil\r\nLastProfile=Injected";
  EXPECT_EQ(MessageOf([&] { manager_.CreateNewProfile(evil); }), kInvalidProfileNameMessage);
  // Even written straight into the store, the name stays on its line.
  manager_.ProfilesIni().WriteString("Last Saved State", "Evil\r\nLastProfile", "Injected");
  manager_.ProfilesIni().SetText(manager_.ProfilesIni().Text());
  EXPECT_EQ(manager_.GetLastProfile(), L"[PDF - Best Quality]");
}

TEST_F(ProfileManagerTest, NewProfileFromEmptyTemplateIsListedOnlyOnceWritten) {
  manager_.CreateNewProfile(L"Later");
  EXPECT_EQ(manager_.GetProfilesList().size(), 2u);
  Touch("Later");
  EXPECT_EQ(manager_.GetProfilesList().size(), 3u);
}

TEST_F(ProfileManagerTest, DeleteProfile) {
  Touch("Gone");
  EXPECT_EQ(MessageOf([&] { manager_.DeleteProfile(L"gone"); }), kProfileNotFoundMessage);
  EXPECT_EQ(MessageOf([&] { manager_.DeleteProfile(L"[PDF - Best Quality]"); }),
            kProfileProtectedMessage);
  EXPECT_EQ(MessageOf([&] { manager_.DeleteProfile(L"Last Saved State"); }),
            kProfileProtectedMessage);
  EXPECT_TRUE(manager_.DeleteProfile(L"Gone"));
  EXPECT_EQ(manager_.GetProfilesList().size(), 2u);
}

TEST_F(ProfileManagerTest, CopyProfile) {
  IniFile& ini = manager_.ProfilesIni();
  ini.WriteString("Src", "a", "1");
  ini.WriteString("Src", "b", "2");
  ini.WriteString("Last Saved State", "b", "old");
  ini.WriteString("Last Saved State", "c", "kept");
  EXPECT_TRUE(manager_.CopyProfile(L"Src", L"Last Saved State", true));
  EXPECT_EQ(ini.SectionValues("Last Saved State"),
            (std::vector<std::pair<std::string, std::string>>{{"b", "2"}, {"c", "kept"}, {"a", "1"}}));

  Touch("Other");
  EXPECT_FALSE(manager_.CopyProfile(L"Src", L"Other", false));
  EXPECT_EQ(ini.SectionKeys("Other"), Names{"k"});

  EXPECT_THROW(manager_.CopyProfile(L"Nope", L"X", true), EProfileNotFound);
  EXPECT_THROW(manager_.CopyProfile(L"Src", L"[PDF - Best Quality]", false), EProfileCantDelete);
  EXPECT_THROW(manager_.CopyProfile(L"Src", L"a|b", true), EInvalidProfileName);
  // Never listed, still protected: the global settings stay as they are.
  EXPECT_THROW(manager_.CopyProfile(L"Src", L"General Settings", true), EProfileCantDelete);
  EXPECT_FALSE(ini.ValueExists("General Settings", "a"));

  // The list is not refreshed by a copy: the new name is unknown to
  // SetLastProfile until the next refresh.
  EXPECT_TRUE(manager_.CopyProfile(L"Src", L"Copy", false));
  EXPECT_EQ(MessageOf([&] { manager_.SetLastProfile(L"Copy"); }), kProfileNotFoundMessage);
  manager_.RefreshProfileList();
  manager_.SetLastProfile(L"Copy");
  EXPECT_EQ(manager_.GetLastProfile(), L"Copy");
}

TEST_F(ProfileManagerTest, OpenProfileAcceptsANameContainingAProfileName) {
  Touch("Report");
  auto settings = manager_.OpenProfile(L"Last Saved State", L"  report2 ");
  EXPECT_EQ(settings->section(), "Last Saved State");
  EXPECT_EQ(settings->Name(), L"  report2 ");
  EXPECT_EQ(MessageOf([&] { manager_.OpenProfile(L"Last Saved State", L"Repo"); }),
            kProfileNotFoundMessage);
}

TEST_F(ProfileManagerTest, GlobalSettingsDefaultsAndEncodings) {
  manager_.ProfilesIni().EraseSection("General Settings");
  EXPECT_EQ(manager_.DefaultOutputDirectory(), L"C:\\Program Files\\Orvane\\Tessaly\\Output\\");
  EXPECT_TRUE(manager_.ShowPreview());
  EXPECT_TRUE(manager_.ShowSaveDialog());
  EXPECT_FALSE(manager_.ShowSettingsDialog());
  EXPECT_TRUE(manager_.ViewGeneratedDocuments());
  EXPECT_EQ(manager_.SourceApplication(), 3);
  EXPECT_EQ(manager_.OutputDocumentFormat(), 0);
  EXPECT_EQ(manager_.OutputDocumentName(), L"Document 1");
  EXPECT_FALSE(manager_.UseCustomDocumentName());
  EXPECT_EQ(manager_.GetLastProfile(), L"PDF - Best Quality");

  manager_.SetOutputDocumentFormat(258);
  manager_.SetShowPreview(false);
  manager_.SetOutputDocumentName(L"Caf\u00e9 \u20ac");
  IniFile& ini = manager_.ProfilesIni();
  EXPECT_EQ(ini.ReadString("General Settings", "OutputDocumentFormat", ""), "2");
  EXPECT_EQ(ini.ReadString("General Settings", "ShowPreview", ""), "0");
  EXPECT_EQ(ini.ReadString("General Settings", "OutputDocumentName", ""), "Caf\xe9 \x80");
  EXPECT_EQ(manager_.OutputDocumentName(), L"Caf\u00e9 \u20ac");
}

TEST(ProductStringsTest, Fixed) {
  EXPECT_EQ(TqvProfileManager::PrinterName(), L"Orvane Tessaly");
  EXPECT_EQ(TqvProfileManager::Edition(), L"Professional");
  EXPECT_EQ(TqvProfileManager::Version(), L"1.0b");
}

}  // namespace
}  // namespace tessaly
