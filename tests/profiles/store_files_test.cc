#include <gtest/gtest.h>

#include "common/exception.h"
#include "common/zlib_stream.h"
#include "platform/fake/fake_env.h"
#include "profiles/profile_manager.h"

namespace tessaly {
namespace {

const char kProfiles[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\Profiles.qvf";
const char kPlugIn[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\PlugIn.qvf";
const char kWorking[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\\\Profiles.~qvf";

std::string Text(const FakeEnv& fake, const std::string& path) {
  return Inflate(fake.files.Get(path), kStoreSizeLimit);
}

std::string ManyLines(const std::string& first, const std::string& line, size_t count) {
  std::string text = first;
  text.reserve(first.size() + line.size() * count);
  for (size_t i = 0; i < count; ++i) text += line;
  return text;
}

class StoreFilesTest : public ::testing::Test {
 protected:
  FakeEnv fake_;
};

TEST_F(StoreFilesTest, FreshInstallationGetsTheDefaultFiles) {
  { TqvProfileManager manager(fake_.env); }
  EXPECT_EQ(Text(fake_, kProfiles),
            "[General Settings]\r\nLastProfile=[PDF - Best Quality]\r\n"
            "DefaultOutputDirectory='My Documents'\r\nShowPreview=1\r\nShowSaveDialog=1\r\n"
            "ShowSettingsDialog=1\r\nViewGeneratedDocuments=1\r\nSource Application=3\r\n"
            "OutputDocumentFormat=0\r\nOutputDocumentName=Output\r\nUseCustomDocumentName=1\r\n"
            "\r\n[[PDF - Best Quality]]\r\n\r\n[Last Saved State]\r\n\r\n");
  EXPECT_EQ(Text(fake_, kPlugIn),
            "[WordSettings]\r\n\r\n[Excel Settings]\r\n\r\n[Ppt Settings]\r\n\r\n"
            "[Document Properties]\r\n\r\n");
  EXPECT_TRUE(fake_.files.FilesStartingWith(kWorking).empty());
  EXPECT_TRUE(fake_.messages.shown.empty());
}

TEST_F(StoreFilesTest, InstallationPathComesFromTheRegistryAndIsUsedUnchanged) {
  fake_.registry.WriteString(kTessalyRegistryKey, "Installation Path", "D:\\Tess\\");
  TqvProfileManager manager(fake_.env);
  EXPECT_EQ(manager.InstallPath(), "D:\\Tess\\");
  EXPECT_EQ(manager.profiles_store().path(), "D:\\Tess\\\\Profiles\\Profiles.qvf");
  EXPECT_EQ(manager.profiles_store().working_name(), "D:\\Tess\\\\Profiles\\\\Profiles.~qvf");
  EXPECT_EQ(manager.ProfilesIni().FileName(), manager.profiles_store().working_name());
}

TEST_F(StoreFilesTest, InstallationPathOfAnotherTypeFailsTheConstruction) {
  fake_.registry.SetDword(kTessalyRegistryKey, "Installation Path", 5);
  try {
    TqvProfileManager manager(fake_.env);
    FAIL() << "constructed";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'Installation Path'");
  }
}

TEST_F(StoreFilesTest, MissingFolderShowsErrorWritingFileAndOpensEmpty) {
  fake_.files.AddFolder("C:\\elsewhere");
  // A watermark file that cannot be created fails the construction; one
  // that is there is only read.
  fake_.files.Put("C:\\Program Files\\Orvane\\Tessaly\\Profiles\\WatermarkProfiles.xml",
                  "<Orvane><WatermarkProfiles/></Orvane>");
  TqvProfileManager manager(fake_.env);
  ASSERT_EQ(fake_.messages.shown.size(), 2u);
  EXPECT_EQ(fake_.messages.shown[0].text, "Error Writing File");
  EXPECT_TRUE(manager.GetProfilesList().empty());
  EXPECT_EQ(manager.GetLastProfile(), L"PDF - Best Quality");
}

TEST_F(StoreFilesTest, CorruptOrHostileFilesLeaveTheStoreClosed) {
  const std::string bodies[] = {
      "not compressed at all",
      Deflate("[General Settings]\r\nLastProfile=x\r\n").substr(0, 12),
      Deflate(std::string(70u << 20, ' ')),  // inflates past the size limit
      Deflate(ManyLines("[a]\r\n", "a\n", 8u << 20)),     // more lines than a store holds
      Deflate(ManyLines("[a]\r\n", "\r", 2u << 20)),      // lone CRs end lines too
      Deflate(ManyLines("", "[a long enough section name]\r\n", 70000)),  // sections
  };
  for (const std::string& body : bodies) {
    FakeEnv fake;
    fake.files.Put(kProfiles, body);
    fake.files.Put(kPlugIn, body);
    {
      TqvProfileManager manager(fake.env);
      ASSERT_EQ(fake.messages.shown.size(), 2u);
      EXPECT_EQ(fake.messages.shown[0].text,
                "Tessaly has encountered error while printing the document. 1002");
      EXPECT_EQ(fake.messages.shown[0].caption, "Orvane Tessaly");
      EXPECT_EQ(fake.messages.shown[0].icon, MessageIcon::kError);
      EXPECT_EQ(fake.messages.shown[1].text,
                "Tessaly has encountered error while printing the document. 1003");
      EXPECT_FALSE(manager.profiles_store().is_open());
      EXPECT_THROW(manager.GetProfilesList(), Exception);
      EXPECT_THROW(manager.ShowPreview(), Exception);
      manager.FlushStoreFiles();
    }
    // Nothing was written over the unreadable files.
    EXPECT_EQ(fake.files.Get(kProfiles), body);
    EXPECT_EQ(fake.messages.shown.size(), 2u);
  }
}

TEST_F(StoreFilesTest, AStoreThatCannotBeReadFailsTheConstructionAndIsKept) {
  TqvProfileManager(fake_.env).CreateNewProfile(L"Kept");
  const std::string before = fake_.files.Get(kProfiles);
  fake_.files.FailReadsOf(kProfiles);
  try {
    TqvProfileManager manager(fake_.env);
    FAIL() << "constructed over an unreadable store";
  } catch (const Exception& e) {
    EXPECT_EQ(std::string(e.what()), std::string("Cannot open file \"") + kProfiles + "\"");
  }
  EXPECT_EQ(fake_.files.Get(kProfiles), before);
}

TEST_F(StoreFilesTest, TextOfExactlyTwoInflationChunksIsReadCompletely) {
  std::string text = "[General Settings]\r\nOutputDocumentName=";
  std::string tail = "\r\n";
  text += std::string(2 * kInflatePiece - text.size() - tail.size() - 3, 'n') + "end" + tail;
  ASSERT_EQ(text.size(), 2 * kInflatePiece);
  fake_.files.Put(kProfiles, Deflate(text));
  TqvProfileManager manager(fake_.env);
  std::wstring name = manager.OutputDocumentName();
  EXPECT_EQ(name.substr(name.size() - 3), L"end");
}

TEST_F(StoreFilesTest, ChangesReachTheDiskAtFlushAndAtRelease) {
  TqvProfileManager manager(fake_.env);
  manager.SetOutputDocumentName(L"Flushed");
  EXPECT_EQ(Text(fake_, kProfiles).find("Flushed"), std::string::npos);
  manager.FlushStoreFiles();
  EXPECT_NE(Text(fake_, kProfiles).find("OutputDocumentName=Flushed"), std::string::npos);
  EXPECT_TRUE(fake_.files.FilesStartingWith(kWorking).empty());
}

TEST_F(StoreFilesTest, AFailedReplaceKeepsTheOldFileAndIsReported) {
  { TqvProfileManager manager(fake_.env); }
  std::string before = fake_.files.Get(kProfiles);
  {
    TqvProfileManager manager(fake_.env);
    manager.SetOutputDocumentName(L"Lost?");
    fake_.files.FailReplaces(true);
    manager.FlushStoreFiles();  // silent
    EXPECT_TRUE(fake_.messages.shown.empty());
  }
  EXPECT_EQ(fake_.files.Get(kProfiles), before);
  EXPECT_EQ(fake_.sleeper.waits, (std::vector<unsigned>{1000, 1000, 1000, 1000}));
  ASSERT_EQ(fake_.messages.shown.size(), 2u);
  EXPECT_EQ(fake_.messages.shown[0].text,
            std::string("Could not write ") + kProfiles +
                " : Tessaly has encountered error while printing the document. 1001");
  EXPECT_NE(fake_.messages.shown[1].text.find("document. 1004"), std::string::npos);
  EXPECT_TRUE(fake_.files.FilesStartingWith(kWorking).empty());
}

TEST_F(StoreFilesTest, AFullDiskNeverLeavesAHalfWrittenStore) {
  { TqvProfileManager manager(fake_.env); }
  std::string before = fake_.files.Get(kProfiles);
  {
    TqvProfileManager manager(fake_.env);
    manager.SetOutputDocumentName(std::wstring(5000, L'x'));
    fake_.files.SetDiskFull(true);
  }
  EXPECT_EQ(fake_.files.Get(kProfiles), before);
  EXPECT_TRUE(fake_.files.FilesStartingWith(kWorking).empty());
  EXPECT_EQ(fake_.messages.shown.size(), 2u);
}

TEST_F(StoreFilesTest, ReleaseRetriesAfterAFailedWrite) {
  {
    TqvProfileManager manager(fake_.env);
    manager.SetOutputDocumentName(L"Second try");
    fake_.files.FailNextWrites(1);
  }
  EXPECT_EQ(fake_.sleeper.waits, std::vector<unsigned>{1000});
  EXPECT_TRUE(fake_.messages.shown.empty());
  EXPECT_NE(Text(fake_, kProfiles).find("OutputDocumentName=Second try"), std::string::npos);
}

// Working files beside the store: a running writer's is never touched, a
// gone writer's is removed on the next open and release, and a write never
// goes into another writer's file.
TEST_F(StoreFilesTest, WorkingFilesOfOtherWriters) {
  const std::string working = kWorking;
  struct Case {
    std::string name;
    bool stays;
  } cases[] = {{working + ".7-1", true},      // a running writer mid-write
               {working + ".8-3", false},     // a writer that is gone
               {working + ".8-x", true},      // not a working file's name
               {working + ".backup", true}};
  fake_.files.EndProcess(8);
  for (const Case& c : cases) fake_.files.Put(c.name, "theirs");
  {
    TqvProfileManager manager(fake_.env);
    for (const Case& c : cases) EXPECT_EQ(fake_.files.Exists(c.name), c.stays) << c.name;
    manager.ProfilesIni().WriteString("General Settings", "OutputDocumentName", "Mine");
    fake_.files.Put(working + ".8-4", "theirs");
  }
  for (const Case& c : cases) {
    EXPECT_EQ(fake_.files.Get(c.name), c.stays ? "theirs" : "") << c.name;
  }
  EXPECT_FALSE(fake_.files.Exists(working + ".8-4"));
  EXPECT_NE(Text(fake_, kProfiles).find("OutputDocumentName=Mine"), std::string::npos);
  EXPECT_EQ(fake_.files.FilesStartingWith(working + ".1-").size(), 0u);
}

TEST_F(StoreFilesTest, AddinAccessorsWorkOnThePlugInStoreOrFailClearly) {
  {
    TqvProfileManager manager(fake_.env);
    manager.Bookmarks().SetCount(2);
    EXPECT_EQ(manager.Bookmarks().Count(), 2);
  }
  EXPECT_NE(Text(fake_, kPlugIn).find("[Headings]\r\nHeadings Count=2\r\n"), std::string::npos);

  FakeEnv corrupt;
  corrupt.files.Put(kPlugIn, "garbage");
  TqvProfileManager manager(corrupt.env);
  EXPECT_TRUE(manager.profiles_store().is_open());
  EXPECT_THROW(manager.Notes().Count(), Exception);
  manager.Notes().SetNumber(5);  // the cursor is plain memory
  EXPECT_EQ(manager.Notes().Number(), 5);
}

TEST_F(StoreFilesTest, HandOffValues) {
  TqvProfileManager manager(fake_.env);
  EXPECT_FALSE(ReadFlagPS(fake_.env));
  manager.WriteFlagPD(true);
  manager.WriteFlagPP(false);
  EXPECT_EQ(fake_.registry.ReadString(kTessalyRegistryKey, "qvPD"), "1");
  EXPECT_EQ(fake_.registry.ReadString(kTessalyRegistryKey, "qvPP"), "0");
  fake_.registry.WriteString(kTessalyRegistryKey, "qvPS", "1");
  EXPECT_TRUE(ReadFlagPS(fake_.env));
  fake_.registry.SetDword(kTessalyRegistryKey, "qvPS", 1);
  EXPECT_THROW(ReadFlagPS(fake_.env), Exception);
}

}  // namespace
}  // namespace tessaly
