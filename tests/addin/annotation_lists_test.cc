#include <limits>

#include "addin/list_protocols.h"
#include "common/exception.h"
#include "common/store_codec.h"
#include "tests/addin/plugin_fixture.h"

namespace tessaly {
namespace {

class AnnotationListsTest : public PlugInTest {
 protected:
  TqvAddinPDFBookmark& bookmarks() { return objects_.bookmarks; }
  TqvAddinPDFHyperlink& links() { return objects_.hyperlinks; }
  TqvAddinPDFNotes& notes() { return objects_.notes; }

  static void FillBookmark(TqvAddinPDFBookmark& list, const std::string& text, int32_t page) {
    list.SetText(text);
    list.SetLevel(0);
    list.SetPage(page);
    list.SetVerticalPos(72);
  }
};

TEST_F(AnnotationListsTest, AppendToAnEmptyListWritesEntryOne) {
  EXPECT_EQ(bookmarks().Count(), 0);
  EXPECT_EQ(AppendEntry(bookmarks(), [](auto& list) { FillBookmark(list, "Intro", 2); }), 1);
  EXPECT_EQ(SectionLines(kHeadingsSection),
            (Lines{"Headings Count=1", "Heading Name1=Intro", "Heading Style1=0", "Heading Page1=2",
                   "Heading Vert Pos1=72"}));
  EXPECT_EQ(bookmarks().Number(), 1);
}

TEST_F(AnnotationListsTest, AppendGoesPastTheCountOverStaleEntries) {
  bookmarks().SetCount(3);
  bookmarks().SetNumber(4);
  bookmarks().SetText("stale");
  bookmarks().SetPage(9);
  bookmarks().SetNumber(1);  // wherever the caller left the cursor
  EXPECT_EQ(AppendEntry(bookmarks(), [](auto& list) { FillBookmark(list, "Fresh", 5); }), 4);
  EXPECT_EQ(SectionLines(kHeadingsSection),
            (Lines{"Headings Count=4", "Heading Name4=Fresh", "Heading Page4=5", "Heading Style4=0",
                   "Heading Vert Pos4=72"}));
  EXPECT_EQ(bookmarks().Number(), 4);
}

TEST_F(AnnotationListsTest, AppendToACountBelowOneStartsAtEntryOne) {
  links().SetCount(-3);
  EXPECT_EQ(AppendEntry(links(), [](auto& list) { list.SetURI("http://x"); }), 1);
  EXPECT_EQ(links().Count(), 1);
  EXPECT_EQ(ini().ReadString(kHyperlinkSection, "Hyperlink URI1", ""), "http://x");

  notes().SetCount(std::numeric_limits<int32_t>::max());
  EXPECT_THROW(AppendEntry(notes(), [](auto& list) { list.SetContent("lost"); }), Exception);
  EXPECT_EQ(notes().Count(), std::numeric_limits<int32_t>::max());
  EXPECT_FALSE(ini().ValueExists(kDocumentCommentSection, "DocumentCommentText1"));
}

TEST_F(AnnotationListsTest, CursorIsPlainMemory) {
  bookmarks().SetNumber(0);
  bookmarks().SetText("zero");
  EXPECT_EQ(SectionLines(kHeadingsSection), Lines{"Heading Name0=zero"});
  bookmarks().SetNumber(-2);
  bookmarks().SetLevel(1);
  EXPECT_TRUE(ini().ValueExists(kHeadingsSection, "Heading Style-2"));
  EXPECT_EQ(bookmarks().Count(), 0);  // the cursor never touches the count

  // Beyond the count: what is stored there, or the defaults.
  bookmarks().SetNumber(7);
  EXPECT_EQ(bookmarks().Text(), "");
  EXPECT_EQ(bookmarks().Page(), 1);
  links().SetNumber(7);
  EXPECT_EQ(links().SourcePage(), 1);
  EXPECT_EQ(links().DestRect(), TqvRect{});
  EXPECT_EQ(links().BorderColor(), 16777215);
}

TEST_F(AnnotationListsTest, RectanglesAreWrittenTopLeftBottomRight) {
  links().SetSourceRect({10, 20, 110, 40});
  EXPECT_EQ(SectionLines(kHyperlinkSection),
            (Lines{"Hyperlink Top Pos1=20", "Hyperlink Left Pos1=10", "Hyperlink Bottom Pos1=40",
                   "Hyperlink Right Pos1=110"}));
  EXPECT_EQ(links().SourceRect(), (TqvRect{10, 20, 110, 40}));

  // One side rewrites the whole rectangle, missing sides as 0.
  links().SetNumber(3);
  links().SetDestLeft(5);
  Lines lines = SectionLines(kHyperlinkSection);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ((Lines{lines.begin() + 4, lines.end()}),
            (Lines{"Hyperlink DestTop Pos3=0", "Hyperlink DestLeft Pos3=5",
                   "Hyperlink DestBottom Pos3=0", "Hyperlink DestRight Pos3=0"}));
  links().SetDestBottom(99);
  EXPECT_EQ(links().DestRect(), (TqvRect{5, 0, 0, 99}));

  notes().SetRight(30);
  notes().SetTop(-4);
  EXPECT_EQ(notes().Rect(), (TqvRect{0, -4, 30, 0}));
  EXPECT_EQ(notes().Right(), 30);
}

TEST_F(AnnotationListsTest, LinkSettersReduceTypeAndHighlightOnly) {
  links().SetHyperLinkType(257);
  links().SetHighlightMode(259);
  links().SetBorderWidth(300);
  EXPECT_EQ(links().HyperLinkType(), 1);
  EXPECT_EQ(links().HighlightMode(), 3);
  EXPECT_EQ(links().BorderWidth(), 300);
  links().SetBorderColor(-1);
  EXPECT_EQ(ini().ReadString(kHyperlinkSection, "Document Link Color1", ""), "-1");
}

TEST_F(AnnotationListsTest, NoteOpenIsOneValueForAllNotes) {
  notes().SetNumber(5);
  notes().SetOpen(true);
  notes().SetIsPositionPredefined(true);
  EXPECT_EQ(SectionLines(kDocumentCommentSection),
            (Lines{"Document Note Open=1", "Document Comment PredefinedPositions5=1"}));
  notes().SetNumber(1);
  EXPECT_TRUE(notes().Open());
  EXPECT_FALSE(notes().IsPositionPredefined());
  // The Word section's key of the same name is a value of its own.
  EXPECT_EQ(objects_.settings.WordNotesKeepOpen(), kAutomationFalse);
}

TEST_F(AnnotationListsTest, WriteListReplacesThePreviousList) {
  for (const char* text : {"a", "b", "c"}) {
    AppendEntry(bookmarks(), [&](auto& list) { FillBookmark(list, text, 1); });
  }
  const std::vector<std::string> headings = {"One", "Two"};
  WriteList(bookmarks(), headings,
            [](TqvAddinPDFBookmark& list, const std::string& text) { list.SetText(text); });
  EXPECT_EQ(bookmarks().Count(), 2);
  bookmarks().SetNumber(2);
  EXPECT_EQ(bookmarks().Text(), "Two");
  EXPECT_EQ(bookmarks().VerticalPos(), 72);  // not rewritten: left by the earlier entry 2

  // Nothing collected still writes the count, creating the section.
  WriteList(links(), std::vector<int>{}, [](TqvAddinPDFHyperlink&, int) {});
  EXPECT_EQ(SectionLines(kHyperlinkSection), Lines{"Hyperlink Count=0"});
}

TEST_F(AnnotationListsTest, ListWriterNumbersEntriesInTheOrderWritten) {
  // Entries written in pairs, as the Word flow writes a note reference and
  // its back link.
  TqvListWriter<TqvAddinPDFHyperlink> writer(links());
  for (int32_t page : {3, 8}) {
    writer.Next().SetSourcePage(page);
    writer.Next().SetDestPage(page);
  }
  EXPECT_EQ(writer.written(), 4);
  EXPECT_EQ(links().Count(), 0);  // until Finish
  writer.Finish();
  EXPECT_EQ(
      SectionLines(kHyperlinkSection),
      (Lines{"Hyperlink Page Number1=3", "Hyperlink DestPage Number2=3", "Hyperlink Page Number3=8",
             "Hyperlink DestPage Number4=8", "Hyperlink Count=4"}));
}

TEST_F(AnnotationListsTest, ClosedStoreFailsEverythingButTheCursor) {
  FakeEnv fake;
  fake.files.Put(kPlugInPath, "not a zlib stream");
  TqvStoreFile broken(fake.env, kPlugInPath);
  EXPECT_THROW(broken.Load(), EStoreCorrupt);
  TqvAddinObjects objects(&broken);

  objects.notes.SetNumber(4);
  EXPECT_EQ(objects.notes.Number(), 4);
  EXPECT_THROW(objects.bookmarks.Count(), Exception);
  EXPECT_THROW(objects.bookmarks.SetCount(1), Exception);
  EXPECT_THROW(objects.hyperlinks.SetSourceRect({1, 2, 3, 4}), Exception);
  EXPECT_THROW(objects.hyperlinks.DestTop(), Exception);
  EXPECT_THROW(objects.notes.SetOpen(true), Exception);
  EXPECT_THROW(AppendEntry(objects.notes, [](auto&) {}), Exception);
  EXPECT_THROW(objects.settings.WordHeadingsToBookmarks(), Exception);
  EXPECT_THROW(objects.settings.SetExcelPrintOption(1), Exception);
  EXPECT_THROW(objects.settings.ExcelPrintOption(), Exception);
  EXPECT_THROW(objects.document_properties.SetTitle("t"), Exception);
  try {
    objects.document_properties.Title();
    FAIL();
  } catch (const Exception& e) {
    EXPECT_NE(std::string(e.what()).find(kPlugInPath), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace tessaly
