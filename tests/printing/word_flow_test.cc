// The Word flow over the in-memory Word: what reaches the PlugIn store,
// what is printed, and what a failure leaves behind.
#include "printing/word_flow.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "office/fake/fake_office.h"
#include "platform/fake/fake_env.h"
#include "printing/office_routes.h"
#include "profiles/profile_manager.h"
#include "tests/exception_message.h"

namespace tessaly {
namespace {

const char kPlugInPath[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\PlugIn.qvf";
const char kHeadings[] = "Headings";
const char kLinks[] = "Hyperlink";
const char kNotes[] = "Document Comment";

// A span of text at (x, y) points on `page`.
FakeWordText At(std::wstring text, int32_t page, double x, double y) {
  FakeWordText t(std::move(text), page);
  t.x = x;
  t.y = y;
  return t;
}

class WordFlowTest : public ::testing::Test {
 protected:
  WordFlowTest() {
    document().path = L"C:\\Docs";
    document().name = L"a.doc";
  }

  FakeWordDocument& document() {
    if (word_.open.empty()) word_.open.emplace_back();
    return word_.open.front();
  }
  // Changes the Word settings of the PlugIn store before the run.
  void Settings(const std::function<void(TqvOfficeAddinSettings&)>& change) {
    TqvProfileManager manager(fake_.env);
    change(manager.AddinSettings());
  }
  void Run() {
    auto app = word_.Application();
    auto doc = app->ActiveDocument();
    PrintWordDocument(fake_.env, *app, *doc);
  }
  // A value of the PlugIn store on disk.
  std::string Value(const char* section, const std::string& key) {
    TqvProfileManager manager(fake_.env);
    return manager.plugin_store().ini().ReadString(section, key, "(none)");
  }
  std::string Entry(const char* section, const char* field, int entry) {
    return Value(section, field + std::to_string(entry));
  }

  FakeEnv fake_;
  FakeWord word_;
};

TEST_F(WordFlowTest, HeadingLevelsFollowTheStyleNames) {
  struct Case {
    std::vector<std::wstring> styles;
    std::vector<std::string> levels;
  };
  const Case cases[] = {
      {{L"Heading 1", L"Heading 1", L"Heading 2"}, {"0", "0", "1"}},
      // The test ignores letter case, the removal does not: "heading 2"
      // reads as 0, which then is the lowest level.
      {{L"Heading 2", L"heading 2", L"Heading 3"}, {"2", "0", "3"}},
      {{L"Heading1", L"Title Heading", L"Normal", L"Heading 3"}, {"1", "0", "3"}},
      // At most 10 is taken away.
      {{L"Heading 12", L"Heading 15"}, {"2", "5"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.levels));
    document().paragraphs.clear();
    for (const std::wstring& style : c.styles) {
      document().paragraphs.push_back({L"Title \r", 2, style});
    }
    Run();
    EXPECT_EQ(Value(kHeadings, "Headings Count"), std::to_string(c.levels.size()));
    for (size_t i = 0; i < c.levels.size(); ++i) {
      EXPECT_EQ(Entry(kHeadings, "Heading Style", static_cast<int>(i + 1)), c.levels[i]);
    }
  }
}

TEST_F(WordFlowTest, HeadingEntryAndPositionsInPixels) {
  fake_.screen.pixels_per_inch = 120;
  // Word's 10.5 points become 10 (halves to even), 16.67 pixels at 120 dpi
  // become 17; 7.5 points become 8 and then 13.33 pixels, 13.
  FakeWordText heading = At(L"Intro \r", 3, 7.5, 10.5);
  heading.style = L"Heading 1";
  document().paragraphs = {heading};
  document().bookmarks = {{L"Mark", At(L"here", 4, 7.5, 10.5)}};
  document().bookmarks[0].text.bold = kWordTrue;
  document().bookmarks[0].text.size = 11.5;
  Run();
  const std::map<std::string, std::string> expected = {
      {"Headings Count", "2"},     {"Heading Name1", "Intro"}, {"Heading Style1", "0"},
      {"Heading Vert Pos1", "17"}, {"Heading Page1", "3"},        {"Heading Name2", "Mark"},
      {"Heading Style2", "0"},     {"Heading Vert Pos2", "17"},   {"Heading Page2", "4"},
  };
  for (const auto& [key, value] : expected) EXPECT_EQ(Value(kHeadings, key), value) << key;
  // The bookmark's text was measured in its own font, the size rounded.
  ASSERT_EQ(fake_.screen.measured.size(), 1u);
  EXPECT_EQ(fake_.screen.measured[0].text, "here");
  EXPECT_EQ(fake_.screen.measured[0].font.points, 12);
  EXPECT_TRUE(fake_.screen.measured[0].font.bold);
}

TEST_F(WordFlowTest, HiddenBookmarksAreDestinationsOnly) {
  Settings([](TqvOfficeAddinSettings& s) { s.SetWordHiddenBookmarksToBookmarks(0); });
  document().bookmarks = {{L"_Toc1", At(L"Intro", 5, 0, 72)}, {L"Mark", {L"m", 2}}};
  // A table of contents whose one entry points at the hidden bookmark.
  document().hyperlinks = {{{L"Intro 5", 1}, L"", L"_Toc1", 0}};
  FakeWordText toc(L"Intro 5", 1);
  toc.links = {1};
  document().tables_of_contents = {toc};
  Run();
  EXPECT_EQ(Value(kHeadings, "Headings Count"), "1");
  EXPECT_EQ(Value(kHeadings, "Heading Name1"), "Mark");
  // The document's own link and the table's entry, both to _Toc1.
  EXPECT_EQ(Value(kLinks, "Hyperlink Count"), "2");
  for (int entry : {1, 2}) {
    EXPECT_EQ(Entry(kLinks, "Hyperlink Type", entry), "0");
    EXPECT_EQ(Entry(kLinks, "Hyperlink DestPage Number", entry), "5");
    EXPECT_EQ(Entry(kLinks, "Hyperlink DestTop Pos", entry), "96");
    EXPECT_EQ(Entry(kLinks, "Hyperlink DestRight Pos", entry), "40");
  }
}

TEST_F(WordFlowTest, LinkTargetsAreClassified) {
  struct Case {
    std::wstring address;
    std::wstring sub_address;
    std::map<std::string, std::string> fields;
  };
  const Case cases[] = {
      {L"http://x.org", L"", {{"Hyperlink Type", "1"}, {"Hyperlink URI", "http://x.org"}}},
      {L"WWW.x.org", L"", {{"Hyperlink Type", "1"}, {"Hyperlink URI", "WWW.x.org"}}},
      {L"mailto:a@b.c", L"", {{"Hyperlink Type", "1"}}},
      {L"FTP.x.org", L"", {{"Hyperlink Type", "1"}}},
      {L"report.pdf", L"",
       {{"Hyperlink Type", "2"}, {"Hyperlink Filename", "C:\\Docs\\report.pdf"}}},
      {L"", L"Mark", {{"Hyperlink Type", "0"}, {"Hyperlink DestPage Number", "3"}}},
      // The sub-address is matched exactly: no destination is written.
      {L"", L"mark", {{"Hyperlink Type", "0"}, {"Hyperlink DestPage Number", "(none)"}}},
      // Untrimmed for the document's links: " " is a sub-address.
      {L"www.x.org", L" ", {{"Hyperlink Type", "0"}, {"Hyperlink URI", "(none)"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fields.begin()->second);
    document().bookmarks = {{L"Mark", {L"m", 3}}};
    document().hyperlinks = {{{L"link", 2}, c.address, c.sub_address, 1}};
    Run();
    EXPECT_EQ(Value(kLinks, "Hyperlink Count"), "1");
    EXPECT_EQ(Entry(kLinks, "Hyperlink Page Number", 1), "2");
    for (const auto& [field, value] : c.fields) {
      EXPECT_EQ(Value(kLinks, field + "1"), value) << field;
    }
    fake_.files.Remove(kPlugInPath);
  }
}

TEST_F(WordFlowTest, LinksInsideBookmarksTrimTheSubAddressAndPictureLinksAreOverwritten) {
  Settings([](TqvOfficeAddinSettings& s) {
    s.word().SetLinkBorderWidth(0x1FF);
    s.SetWordLinkBorderColor(255);
  });
  FakeWordText marked(L"m", 1);
  marked.links = {1};
  document().bookmarks = {{L"Mark", marked}};
  document().hyperlinks = {{{L"a", 1}, L"www.a.org", L" \t", 1},
                           {{L"picture", 4}, L"www.p.org", L"", 2},
                           {{L"b", 6}, L"www.b.org", L"", 1}};
  Run();
  // From the bookmark: its blank sub-address trims to nothing, so the
  // address decides. Then the document's links, the picture's entry taken
  // over by the link after it.
  EXPECT_EQ(Value(kLinks, "Hyperlink Count"), "3");
  EXPECT_EQ(Entry(kLinks, "Hyperlink URI", 1), "www.a.org");
  EXPECT_EQ(Entry(kLinks, "Hyperlink Type", 2), "0");
  EXPECT_EQ(Entry(kLinks, "Hyperlink URI", 3), "www.b.org");
  EXPECT_EQ(Entry(kLinks, "Hyperlink Page Number", 3), "6");
  EXPECT_EQ(Entry(kLinks, "Document Link Border Width", 1), "255");
  EXPECT_EQ(Entry(kLinks, "Document Link Color", 3), "255");
}

TEST_F(WordFlowTest, NotesBecomeLinkPairsAndCommentsNotes) {
  document().footnotes = {{At(L"foot", 3, 0, 720), At(L"1", 2, 72, 144)}};
  document().endnotes = {{At(L"end", 4, 0, 0), At(L"2", 1, 0, 0)}};
  document().properties = {{kWordPageCount, L"9"}};
  document().comments = {{At(L"scope", 2, 36, 72), {L"  a note\r\n"}}};
  Run();
  const std::map<std::string, std::string> links = {
      {"Hyperlink Count", "4"},
      // The footnote text on page 3 points to its mark on page 2, and back.
      {"Hyperlink Page Number1", "3"}, {"Hyperlink DestPage Number1", "2"},
      {"Hyperlink Top Pos1", "960"}, {"Hyperlink DestTop Pos1", "192"},
      {"Hyperlink DestLeft Pos1", "96"}, {"Hyperlink DestRight Pos1", "104"},
      {"Hyperlink Page Number2", "2"}, {"Hyperlink DestPage Number2", "3"},
      {"Hyperlink Type2", "0"}, {"Hyperlink DestTop Pos2", "960"},
      // An endnote's text is on the document's last page.
      {"Hyperlink Page Number3", "9"}, {"Hyperlink DestPage Number3", "1"},
      {"Hyperlink Page Number4", "1"}, {"Hyperlink DestPage Number4", "9"},
  };
  for (const auto& [key, value] : links) EXPECT_EQ(Value(kLinks, key), value) << key;
  const std::map<std::string, std::string> notes = {
      {"Document Comment Count", "1"},  {"DocumentCommentText1", "a note"},
      {"Document Comment Page1", "2"},  {"Document Comment Left Pos1", "48"},
      {"Document Comment Top Pos1", "96"}, {"Document Comment Right Pos1", "88"},
      {"Document Comment PredefinedPositions1", "0"},
  };
  for (const auto& [key, value] : notes) EXPECT_EQ(Value(kNotes, key), value) << key;
}

TEST_F(WordFlowTest, SettingsOffStillRewriteTheCounts) {
  {
    // Lists of an earlier job.
    TqvProfileManager manager(fake_.env);
    manager.Bookmarks().SetCount(5);
    manager.Hyperlinks().SetCount(5);
    manager.Notes().SetCount(5);
    TqvOfficeAddinSettings& s = manager.AddinSettings();
    s.SetWordHeadingsToBookmarks(0);
    s.SetWordBookmarksToBookmarks(0);
    s.SetWordHyperlinksToLinks(0);
    s.SetWordTOCToLinks(0);
    s.SetWordCommentsToPDFNotes(0);
    s.SetWordNotesToLinks(0);
    s.SetWordDocumentPropertiestoDocumentInfo(0);
    manager.DocumentProperties().SetTitle("earlier");
  }
  document().paragraphs = {{L"H\r", 1, L"Heading 1"}};
  document().bookmarks = {{L"Mark", {L"m"}}};
  document().hyperlinks = {{{L"a"}, L"www.a.org", L"", 1}};
  document().comments = {{{L"s"}, {L"c"}}};
  document().footnotes = {{{L"f"}, {L"1"}}};
  document().properties = {{kWordTitle, L"Title"}};
  Run();
  EXPECT_EQ(Value(kHeadings, "Headings Count"), "0");
  EXPECT_EQ(Value(kLinks, "Hyperlink Count"), "0");
  EXPECT_EQ(Value(kNotes, "Document Comment Count"), "0");
  EXPECT_EQ(Value("Document Properties", "Export DocProperty"), "0");
  EXPECT_EQ(Value("Document Properties", "Doc Title"), "earlier");
  EXPECT_EQ(word_.CallsOf("Document.Paragraphs"), 0);
  EXPECT_EQ(word_.CallsOf("Document.Comments"), 0);
}

TEST_F(WordFlowTest, DocumentPropertiesAndPrinting) {
  document().properties = {{kWordTitle, L"T"}, {kWordSubject, L"S"}, {kWordAuthor, L"A"},
                           {kWordKeywords, L"K"}};
  word_.on_print_out = [&] {
    // The lists and properties are on disk when Word prints.
    EXPECT_EQ(Value("Document Properties", "Doc Creator"), "A");
    EXPECT_EQ(Value(kHeadings, "Headings Count"), "0");
  };
  Run();
  const std::map<std::string, std::string> expected = {
      {"Export DocProperty", "1"}, {"Doc Title", "T"},   {"Doc Author", "A"},
      {"Doc Creator", "A"},        {"Doc Subject", "S"}, {"Doc Keywords", "K"},
  };
  for (const auto& [key, value] : expected) {
    EXPECT_EQ(Value("Document Properties", key), value) << key;
  }
  ASSERT_EQ(word_.print_jobs.size(), 1u);
  EXPECT_EQ(word_.print_jobs[0].printer, L"Orvane Tessaly");
  EXPECT_FALSE(word_.print_jobs[0].background);
  // Word is put back as it was.
  EXPECT_TRUE(word_.print_background);
  EXPECT_EQ(word_.active_printer, L"Office Printer");
  EXPECT_EQ(fake_.registry.ReadString("Software\\Orvane\\Orvane Tessaly", "qvPP"), "1");
}

TEST_F(WordFlowTest, FailuresStopTheRunAndLeaveTheStoreAsItWas) {
  struct Case {
    const char* member;
    bool lists_written;
  };
  const Case cases[] = {
      {"Bookmarks.ShowHidden", false}, {"Range.Style", false},
      {"Selection.Information", false}, {"Hyperlink.SubAddress", false},
      {"Comment.Range", false},         {"Note.Reference", false},
      {"Document.BuiltInDocumentProperties", false},
      {"Application.ActivePrinter=", true}, {"Application.PrintOut", true},
  };
  document().paragraphs = {{L"H\r", 1, L"Heading 1"}};
  document().hyperlinks = {{{L"a"}, L"www.a.org", L"", 1}};
  document().comments = {{{L"s"}, {L"c"}}};
  document().footnotes = {{{L"f"}, {L"1"}}};
  { TqvProfileManager manager(fake_.env); }
  const std::string before = fake_.files.Get(kPlugInPath);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.member);
    word_.failures = {{c.member, "Word failed here."}};
    EXPECT_EQ(MessageOf([&] { Run(); }), "Word failed here.");
    EXPECT_EQ(fake_.files.Get(kPlugInPath) != before, c.lists_written);
    EXPECT_TRUE(word_.print_jobs.empty());
    // A failed print-out still puts Word back.
    EXPECT_TRUE(word_.print_background);
    EXPECT_EQ(word_.active_printer, L"Office Printer");
    fake_.files.Put(kPlugInPath, before);
  }
}

TEST_F(WordFlowTest, TheRouteTakesAnOpenDocumentOrOpensIt) {
  FakeOfficeApplications office;
  office.word.open.push_back(document());
  FakeWordDocument other;
  other.path = L"C:\\Docs";
  other.name = L"B.doc";
  office.word.files[L"C:\\Docs\\b.doc"] = other;
  struct : PrintJobStores {
    void Update() override {}
    void MarkJobFailed() override {}
  } stores;
  const PrintServices services{fake_.env, office};
  struct Case {
    const wchar_t* document;
    size_t open_after;
  };
  // Letter case counts: "b.doc" is not the open "B.doc" but a file to open.
  const Case cases[] = {{L"C:\\Docs\\a.doc", 1}, {L"C:\\Docs\\b.doc", 2}};
  for (const Case& c : cases) {
    PrintWithWord(services, c.document, stores);
    EXPECT_EQ(office.word.open.size(), c.open_after);
  }
  EXPECT_TRUE(office.word.visible);
  EXPECT_EQ(office.word.CallsOf("Documents.Open"), 1);
  ASSERT_EQ(office.word.print_jobs.size(), 2u);
  EXPECT_EQ(office.word.print_jobs[1].document, L"B.doc");
}

}  // namespace
}  // namespace tessaly
