#include "main_object/tessaly.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/sdk_error.h"
#include "main_object/sdk_failures.h"
#include "platform/fake/fake_env.h"
#include "profiles/profile_errors.h"
#include "watermarks/watermark_items.h"

namespace tessaly {
namespace {

using Names = std::vector<std::wstring>;

const char kProfilesPath[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\Profiles.qvf";
const char kWatermarkPath[] =
    "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\WatermarkProfiles.xml";

// The help context of the SdkError that `call` raises; -1 for another
// exception, 0 for none.
int32_t HelpContextOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::exception& e) {
    int32_t help_context = SdkHelpContextOf(e);
    return help_context != 0 ? help_context : -1;
  }
  return 0;
}

class TessalyTest : public ::testing::Test {
 protected:
  IniFile& Store() { return tessaly_->manager().ProfilesIni(); }
  // Gives a profile a section of its own, as a first setting does.
  void AddProfile(const std::string& name, const std::string& author = "a") {
    Store().WriteString(name, "Author", author);
  }
  std::string Author(const std::string& section) {
    return Store().ReadString(section, "Author", "");
  }
  void Reopen() {
    tessaly_.reset();
    tessaly_ = std::make_unique<TqvTessaly>(fake_.env);
  }

  FakeEnv fake_;
  std::unique_ptr<TqvTessaly> tessaly_ = std::make_unique<TqvTessaly>(fake_.env);
};

TEST_F(TessalyTest, FreshInstallation) {
  EXPECT_EQ(tessaly_->CurrentProfileName(), L"[PDF - Best Quality]");
  EXPECT_EQ(tessaly_->GetProfilesList(), Names{L"[PDF - Best Quality]"});
  EXPECT_EQ(tessaly_->GetProfileCount(), 1);
  EXPECT_EQ(tessaly_->CurrentProfile()->section(), "Last Saved State");
  EXPECT_EQ(tessaly_->CurrentProfile()->Name(), L"[PDF - Best Quality]");
  EXPECT_EQ(tessaly_->PrinterName(), L"Orvane Tessaly");
  // Construction hands the stores to the printer at once.
  EXPECT_EQ(fake_.registry.ReadString("Software\\Orvane\\Orvane Tessaly", "qvPD"), "1");
  EXPECT_TRUE(fake_.files.Exists(kProfilesPath));
  EXPECT_TRUE(fake_.messages.shown.empty());
}

TEST_F(TessalyTest, ConstructionCopiesTheLastProfileIntoTheWorkingCopy) {
  AddProfile("Mine", "me");
  Store().WriteString("General Settings", "LastProfile", "Mine");
  Reopen();
  EXPECT_EQ(tessaly_->CurrentProfileName(), L"Mine");
  EXPECT_EQ(Author("Last Saved State"), "me");
  EXPECT_EQ(tessaly_->CurrentProfile()->Name(), L"Mine");
}

TEST_F(TessalyTest, ConstructionFallsBackToTheBuiltInProfile) {
  AddProfile("[PDF - Best Quality]", "builtin");
  Store().WriteString("General Settings", "LastProfile", "Vanished");
  Reopen();
  EXPECT_EQ(tessaly_->CurrentProfileName(), L"[PDF - Best Quality]");
  EXPECT_EQ(Store().ReadString("General Settings", "LastProfile", ""), "[PDF - Best Quality]");
  EXPECT_EQ(Author("Last Saved State"), "builtin");
}

TEST_F(TessalyTest, ConstructionFailsOnACorruptProfilesFile) {
  tessaly_.reset();
  fake_.files.Put(kProfilesPath, "not a zlib stream");
  EXPECT_THROW(TqvTessaly{fake_.env}, Exception);
}

TEST_F(TessalyTest, DestructionWritesTheStores) {
  AddProfile("Kept");
  Reopen();
  EXPECT_EQ(tessaly_->GetProfilesList(), (Names{L"[PDF - Best Quality]", L"Kept"}));
}

TEST_F(TessalyTest, UpdateFlushesAndRaisesTheHandOffFlag) {
  fake_.registry.WriteString("Software\\Orvane\\Orvane Tessaly", "qvPD", "0");
  AddProfile("Flushed");
  tessaly_->Update();
  EXPECT_EQ(fake_.registry.ReadString("Software\\Orvane\\Orvane Tessaly", "qvPD"), "1");
  FakeEnv other;
  other.files.Put(kProfilesPath, fake_.files.Get(kProfilesPath));
  TqvTessaly reader(other.env);
  EXPECT_EQ(reader.GetProfilesList().back(), L"Flushed");
}

TEST_F(TessalyTest, ProfileListLeavesOutTheWorkingCopyAndShowsEmptyNamesAsLineBreaks) {
  AddProfile("");
  AddProfile("B");
  EXPECT_EQ(tessaly_->GetProfilesList(), (Names{L"[PDF - Best Quality]", L"\r\n", L"B"}));
  Store().EraseSection("[PDF - Best Quality]");
  Store().EraseSection("");
  Store().EraseSection("B");
  EXPECT_TRUE(tessaly_->GetProfilesList().empty());
}

TEST_F(TessalyTest, CreateNewProfileRefusals) {
  AddProfile("Mine", "me");
  EXPECT_EQ(HelpContextOf([&] { tessaly_->CreateNewProfile(L"Mine"); }), 6300);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->CreateNewProfile(L"[PDF - Best Quality]"); }), 6200);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->CreateNewProfile(L"PDF - Best Quality"); }), 6200);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->CreateNewProfile(L"General Settings"); }), 6200);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->CreateNewProfile(L"Last Saved State"); }), 6200);
  for (const wchar_t* bad : {L"a<b", L"[x", L"x]", L"a>", L"*", L"/", L"?", L"\\", L"|"}) {
    EXPECT_EQ(HelpContextOf([&] { tessaly_->CreateNewProfile(bad); }), 6500) << bad;
  }
  // A refusal changes nothing.
  EXPECT_EQ(tessaly_->GetProfilesList(), (Names{L"[PDF - Best Quality]", L"Mine"}));
  EXPECT_EQ(tessaly_->CurrentProfile()->section(), "Last Saved State");
}

// Names the store could not read back as written: refused by both members
// that create a profile, with nothing done.
TEST_F(TessalyTest, NamesTheStoreCannotHoldAreRefused) {
  AddProfile("Mine", "me");
  tessaly_->SelectCurrentProfile(L"Mine");
  const std::wstring bad_names[] = {L"",
                                    std::wstring(L"a\0b", 3),
                                    L"Evil\r\nLastProfile=Injected",
                                    L"tab\there",
                                    L" leading",
                                    L"trailing ",
                                    std::wstring(256, L'x'),
                                    std::wstring(16 << 20, L'x')};
  for (const std::wstring& name : bad_names) {
    std::string shown = std::to_string(name.size()) + " characters";
    EXPECT_EQ(HelpContextOf([&] { tessaly_->CreateNewProfile(name); }), 6500) << shown;
    EXPECT_EQ(HelpContextOf([&] { tessaly_->SaveCurrentProfileAs(name); }), 6500) << shown;
  }
  EXPECT_EQ(tessaly_->GetProfilesList(), (Names{L"[PDF - Best Quality]", L"Mine"}));
  EXPECT_TRUE(tessaly_->SaveCurrentProfileAs(std::wstring(255, L'x')));
}

TEST_F(TessalyTest, CreateNewProfileNeverReachesASectionThroughLetterCase) {
  AddProfile("[PDF - Best Quality]", "template");
  AddProfile("Mine", "me");
  Store().WriteString("Last Saved State", "Author", "edited");
  EXPECT_EQ(HelpContextOf([&] { tessaly_->CreateNewProfile(L"MINE"); }), 6300);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->CreateNewProfile(L"general settings"); }), 6200);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->CreateNewProfile(L"last saved state"); }), 6200);
  EXPECT_EQ(Author("Mine"), "me");
  EXPECT_EQ(Author("Last Saved State"), "edited");
  EXPECT_FALSE(Store().ValueExists("General Settings", "Author"));
}

TEST_F(TessalyTest, NewProfileBecomesCurrentSettingsButNotCurrentName) {
  AddProfile("[PDF - Best Quality]", "template");
  TqvSettingsRef created = tessaly_->CreateNewProfile(L"X");
  EXPECT_EQ(created->section(), "X");
  EXPECT_EQ(Author("X"), "template");
  EXPECT_EQ(tessaly_->CurrentProfile()->section(), "X");
  EXPECT_EQ(tessaly_->CurrentProfileName(), L"[PDF - Best Quality]");
  EXPECT_EQ(tessaly_->GetProfileCount(), 2);

  tessaly_->SelectCurrentProfile(L"X");
  EXPECT_EQ(tessaly_->CurrentProfile()->section(), "Last Saved State");
  EXPECT_EQ(tessaly_->CurrentProfile()->Name(), L"X");
  EXPECT_EQ(tessaly_->CurrentProfileName(), L"X");
  EXPECT_EQ(Store().ReadString("General Settings", "LastProfile", ""), "X");
  // The handle from before still reaches its own profile.
  EXPECT_EQ(created->section(), "X");
}

TEST_F(TessalyTest, SelectCurrentProfile) {
  AddProfile("Mine", "me");
  EXPECT_EQ(HelpContextOf([&] { tessaly_->SelectCurrentProfile(L"mine"); }), 6400);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->SelectCurrentProfile(L"Last Saved State"); }), 6400);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->SelectCurrentProfile(L"General Settings"); }), 6400);
  EXPECT_EQ(tessaly_->CurrentProfileName(), L"[PDF - Best Quality]");
  tessaly_->SelectCurrentProfile(L"Mine");
  EXPECT_EQ(Author("Last Saved State"), "me");
}

TEST_F(TessalyTest, ApplyChangesWritesTheWorkingCopyBack) {
  Store().WriteString("Last Saved State", "Author", "edited");
  EXPECT_EQ(HelpContextOf([&] { tessaly_->ApplyChangesToCurrentProfile(); }), 6200);
  EXPECT_EQ(Author("[PDF - Best Quality]"), "");
  EXPECT_EQ(Author("Last Saved State"), "edited");

  AddProfile("Mine", "me");
  tessaly_->SelectCurrentProfile(L"Mine");
  Store().WriteString("Last Saved State", "Author", "changed");
  EXPECT_TRUE(tessaly_->ApplyChangesToCurrentProfile());
  EXPECT_EQ(Author("Mine"), "changed");
}

TEST_F(TessalyTest, ApplyChangesToADeletedProfileIsNotFound) {
  AddProfile("Mine", "me");
  tessaly_->SelectCurrentProfile(L"Mine");
  tessaly_->DeleteProfile(L"Mine");
  // The target is gone, so the copy makes it anew.
  EXPECT_TRUE(tessaly_->ApplyChangesToCurrentProfile());
  Store().EraseSection("Last Saved State");
  EXPECT_EQ(HelpContextOf([&] { tessaly_->ApplyChangesToCurrentProfile(); }), 6400);
}

TEST_F(TessalyTest, SaveCurrentProfileAsCopiesTheStoredProfile) {
  AddProfile("Mine", "stored");
  tessaly_->SelectCurrentProfile(L"Mine");
  Store().WriteString("Last Saved State", "Author", "unsaved edit");
  EXPECT_TRUE(tessaly_->SaveCurrentProfileAs(L"Copy"));
  EXPECT_EQ(Author("Copy"), "stored");
  EXPECT_EQ(tessaly_->CurrentProfileName(), L"Mine");

  EXPECT_EQ(HelpContextOf([&] { tessaly_->SaveCurrentProfileAs(L"[PDF - Best Quality]"); }), 6200);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->SaveCurrentProfileAs(L"a|b"); }), 6500);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->SaveCurrentProfileAs(L"General Settings"); }), 6200);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->SaveCurrentProfileAs(L"GENERAL settings"); }), 6200);
  EXPECT_FALSE(Store().ValueExists("General Settings", "Author"));
}

TEST_F(TessalyTest, DeleteProfiles) {
  AddProfile("A");
  AddProfile("B");
  EXPECT_EQ(HelpContextOf([&] { tessaly_->DeleteProfile(L"a"); }), 6400);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->DeleteProfile(L"[PDF - Best Quality]"); }), 6200);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->DeleteProfile(L"Last Saved State"); }), 6400);
  EXPECT_TRUE(tessaly_->DeleteProfile(L"A"));
  EXPECT_EQ(tessaly_->GetProfilesList(), (Names{L"[PDF - Best Quality]", L"B"}));

  EXPECT_EQ(HelpContextOf([&] { tessaly_->DeleteProfileByIndex(2); }), 6400);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->DeleteProfileByIndex(-1); }), 6400);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->DeleteProfileByIndex(0); }), 6200);
  EXPECT_TRUE(tessaly_->DeleteProfileByIndex(1));
  EXPECT_EQ(tessaly_->GetProfileCount(), 1);
}

TEST_F(TessalyTest, OutputDocumentFormatMapsToThePrintersCodes) {
  using namespace doc_format;  // NOLINT
  IniFile& store = Store();
  auto stored = [&] { return store.ReadInteger("General Settings", "OutputDocumentFormat", -1); };
  tessaly_->SetOutputDocumentFormat(kTIFF);
  EXPECT_EQ(stored(), 0);
  EXPECT_EQ(tessaly_->OutputDocumentFormat(), kPDF);
  tessaly_->SetOutputDocumentFormat(kWMF);
  EXPECT_EQ(stored(), 10);
  EXPECT_EQ(tessaly_->OutputDocumentFormat(), kWMF);
  tessaly_->SetOutputDocumentFormat(kEMF);
  EXPECT_EQ(stored(), 9);
  EXPECT_EQ(tessaly_->OutputDocumentFormat(), kEMF);
  for (int32_t format : {kPDF, kHTML, kXHTML, kJPEG, kBMP, kGIF}) {
    tessaly_->SetOutputDocumentFormat(format);
    EXPECT_EQ(stored(), format);
    EXPECT_EQ(tessaly_->OutputDocumentFormat(), format);
  }
  tessaly_->SetOutputDocumentFormat(42);
  EXPECT_EQ(stored(), 0);
  for (int32_t code : {3, 4, 5, 11, -1}) {
    store.WriteInteger("General Settings", "OutputDocumentFormat", code);
    EXPECT_EQ(tessaly_->OutputDocumentFormat(), kPDF) << code;
  }
}

TEST_F(TessalyTest, SourceApplicationFieldFollowsTheProperty) {
  using namespace source_app;  // NOLINT
  Store().WriteInteger("General Settings", "Source Application", kMSWord);
  Reopen();
  EXPECT_EQ(tessaly_->source_application(), kOther);
  EXPECT_EQ(tessaly_->SourceApplication(), kMSWord);
  EXPECT_EQ(tessaly_->source_application(), kMSWord);
  tessaly_->SetSourceApplication(kMSPowerPoint);
  EXPECT_EQ(tessaly_->source_application(), kMSPowerPoint);
  EXPECT_EQ(Store().ReadInteger("General Settings", "Source Application", -1), kMSPowerPoint);
  tessaly_->SetSourceApplication(0x181);
  EXPECT_EQ(Store().ReadInteger("General Settings", "Source Application", -1), 0x81);
  EXPECT_EQ(tessaly_->SourceApplication(), 1);
}

TEST_F(TessalyTest, HandlesFailCleanlyOnceTheMainObjectIsGone) {
  TqvSettingsRef handle = tessaly_->CurrentProfile();
  EXPECT_TRUE(handle.connected());
  tessaly_.reset();
  EXPECT_FALSE(handle.connected());
  try {
    handle.get();
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), kSettingsDisconnectedMessage);
  }
}

// The AddPDF members append: each new entry's fields land under its number,
// and the number comes back.
TEST_F(TessalyTest, AddPDFBookmarksAppendUnderTheirNumbers) {
  EXPECT_EQ(tessaly_->AddPDFBookmark(L"Chapter 1", 0, 120, 1), 1);
  EXPECT_EQ(tessaly_->AddPDFBookmark(L"Gr\u00fc\u00dfe", 1, 300, 2), 2);
  TqvAddinPDFBookmark& list = tessaly_->manager().Bookmarks();
  EXPECT_EQ(list.Count(), 2);
  list.SetNumber(1);
  EXPECT_EQ(list.Text(), "Chapter 1");
  EXPECT_EQ(list.VerticalPos(), 120);
  list.SetNumber(2);
  EXPECT_EQ(list.Text(), "Gr\xfc\xdf" "e");
  EXPECT_EQ(list.Level(), 1);
  EXPECT_EQ(list.Page(), 2);
  EXPECT_EQ(list.VerticalPos(), 300);
}

TEST_F(TessalyTest, AddPDFLinksAppendAfterTheStoredCount) {
  TqvAddinPDFHyperlink& list = tessaly_->manager().Hyperlinks();
  list.SetCount(3);
  list.SetNumber(4);
  list.SetDestRect({7, 8, 9, 10});
  list.SetDestPage(6);
  const TqvLinkStyle style{0xFF0000, 2, 3};
  EXPECT_EQ(tessaly_->AddPDFLinkToURI(L"http://example.com/", {10, 20, 110, 40}, 5, style), 4);
  EXPECT_EQ(list.Number(), 4);
  EXPECT_EQ(list.HyperLinkType(), 1);
  EXPECT_EQ(list.URI(), "http://example.com/");
  EXPECT_EQ(list.SourceRect(), (TqvRect{10, 20, 110, 40}));
  EXPECT_EQ(list.SourcePage(), 5);
  EXPECT_EQ(list.BorderColor(), 0xFF0000);
  EXPECT_EQ(list.BorderWidth(), 2);
  EXPECT_EQ(list.HighlightMode(), 3);
  // A link to an address has no destination: entry 4's stays as it was.
  EXPECT_EQ(list.DestRect(), (TqvRect{7, 8, 9, 10}));
  EXPECT_EQ(list.DestPage(), 6);

  EXPECT_EQ(tessaly_->AddPDFLinkToFile(L"C:\\data\\sheet.xls", {1, 2, 3, 4}, 1, {}), 5);
  EXPECT_EQ(list.HyperLinkType(), 2);
  EXPECT_EQ(list.FileName(), "C:\\data\\sheet.xls");
  EXPECT_EQ(list.URI(), "");
  EXPECT_EQ(list.Count(), 5);
}

// The destination is the source rectangle moved to the destination's
// vertical position, so the printer finds the caller's position as the
// destination's top.
TEST_F(TessalyTest, AddPDFLinkWithinDocumentStoresTheDestinationPosition) {
  TqvAddinPDFHyperlink& list = tessaly_->manager().Hyperlinks();
  EXPECT_EQ(tessaly_->AddPDFLinkWithinDocument({10, 100, 110, 120}, 1, 500, 3, {0, 1, 2}), 1);
  EXPECT_EQ(list.HyperLinkType(), 0);
  EXPECT_EQ(list.SourceRect(), (TqvRect{10, 100, 110, 120}));
  EXPECT_EQ(list.SourcePage(), 1);
  EXPECT_EQ(list.DestPage(), 3);
  EXPECT_EQ(list.DestRect(), (TqvRect{10, 500, 110, 520}));
  EXPECT_EQ(list.BorderWidth(), 1);

  // A height that would carry the bottom past the range stops at its end.
  EXPECT_EQ(tessaly_->AddPDFLinkWithinDocument({0, 0, 5, 100}, 1, INT32_MAX - 10, 2, {}), 2);
  EXPECT_EQ(list.DestRect(), (TqvRect{0, INT32_MAX - 10, 5, INT32_MAX}));
}

TEST_F(TessalyTest, AddPDFNoteOpenFlagIsOneForTheWholeList) {
  TqvAddinPDFNotes& list = tessaly_->manager().Notes();
  EXPECT_EQ(tessaly_->AddPDFNote(L"Look here", false, {5, 5, 50, 50}, 2, 0xFFFF), 1);
  EXPECT_FALSE(list.Open());
  EXPECT_EQ(tessaly_->AddPDFNote(L"And here", true, {5, 60, 50, 110}, 3, 0xFF), 2);
  list.SetNumber(1);
  EXPECT_TRUE(list.Open());
  EXPECT_EQ(list.Content(), "Look here");
  EXPECT_EQ(list.Rect(), (TqvRect{5, 5, 50, 50}));
  EXPECT_EQ(list.Color(), 0xFFFF);
  list.SetNumber(2);
  EXPECT_EQ(list.Page(), 3);
}

// The appended entries reach the PlugIn file with the next flush.
TEST_F(TessalyTest, AppendedEntriesReachThePlugInFileOnUpdate) {
  tessaly_->AddPDFBookmark(L"Kept", 0, 0, 1);
  tessaly_->Update();
  FakeEnv other;
  for (const std::string& path : fake_.files.Paths()) other.files.Put(path, fake_.files.Get(path));
  TqvTessaly reader(other.env);
  EXPECT_EQ(reader.manager().Bookmarks().Count(), 1);
  EXPECT_EQ(reader.manager().Bookmarks().Text(), "Kept");
}

TEST_F(TessalyTest, WatermarkProfilesThroughTheMainObject) {
  EXPECT_EQ(tessaly_->GetWatermarkProfilesList(), Names{L"None"});
  EXPECT_FALSE(tessaly_->DeleteWatermarkProfile(L"None"));
  EXPECT_EQ(HelpContextOf([&] { tessaly_->DeleteWatermarkProfileByIndex(0); }), 6400);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->GetWatermarkProfile(L"Draft"); }), 6400);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->DeleteWatermarkProfile(L"Draft"); }), 6400);

  // A new profile reaches the file with its first item.
  std::unique_ptr<TqvWatermarkProfile> created =
      tessaly_->CreateWatermarkProfile(L"Entw\u00fcrfe", false);
  EXPECT_EQ(tessaly_->GetWatermarkProfilesList(), Names{L"None"});
  auto item = std::make_unique<TqvTextWatermark>();
  item->SetItemName("Stamp");
  item->SetText("DRAFT");
  EXPECT_TRUE(created->AddTextItem(std::move(item), false));
  EXPECT_EQ(tessaly_->GetWatermarkProfilesList(), (Names{L"None", L"Entw\u00fcrfe"}));
  EXPECT_NE(fake_.files.Get(kWatermarkPath).find("DRAFT"), std::string::npos);

  std::unique_ptr<TqvWatermarkProfile> opened = tessaly_->GetWatermarkProfile(L"Entw\u00fcrfe");
  ASSERT_EQ(opened->Count(), 1);
  EXPECT_EQ(opened->GetItemByIndex(0)->ItemName(), "Stamp");
  // Created again with Overwrite, the profile starts empty.
  EXPECT_EQ(tessaly_->CreateWatermarkProfile(L"Entw\u00fcrfe", true)->Count(), 0);

  EXPECT_EQ(HelpContextOf([&] { tessaly_->DeleteWatermarkProfileByIndex(2); }), 6400);
  EXPECT_EQ(HelpContextOf([&] { tessaly_->DeleteWatermarkProfileByIndex(-1); }), 6400);
}

TEST_F(TessalyTest, DeleteWatermarkProfileByIndexUsesTheNamesAsLastListed) {
  for (const wchar_t* name : {L"A", L"B"}) {
    auto item = std::make_unique<TqvTextWatermark>();
    item->SetItemName("i");
    tessaly_->CreateWatermarkProfile(name, false)->AddTextItem(std::move(item), false);
  }
  EXPECT_EQ(tessaly_->GetWatermarkProfilesList(), (Names{L"None", L"A", L"B"}));
  EXPECT_TRUE(tessaly_->DeleteWatermarkProfileByIndex(1));
  EXPECT_EQ(tessaly_->GetWatermarkProfilesList(), (Names{L"None", L"B"}));
  EXPECT_TRUE(tessaly_->DeleteWatermarkProfile(L"B"));
  EXPECT_EQ(tessaly_->GetWatermarkProfilesList(), Names{L"None"});
}

}  // namespace
}  // namespace tessaly
