// What the print flows rely on in the in-memory Word.
#include "office/fake/fake_office.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/exception_message.h"

namespace tessaly {
namespace {

FakeWordDocument Sample() {
  FakeWordDocument d;
  d.path = L"C:\\Docs";
  d.name = L"a.doc";
  FakeWordText heading{L"Intro\r", 2, L"Heading 1"};
  heading.x = 10.5;
  heading.y = 71.5;
  heading.links = {2};
  d.paragraphs = {{L"plain\r"}, heading};
  d.bookmarks = {{L"_Toc1", {L"Intro", 2}}, {L"Mark", {L"here", 3}}};
  d.hyperlinks = {{{L"site"}, L"www.example.org", L"", 1}, {{L"toc"}, L"", L"_Toc1", 0}};
  d.comments = {{{L"scope"}, {L" note "}}};
  d.footnotes = {{{L"foot text", 3}, {L"1", 2}}};
  d.properties = {{kWordTitle, L"Title"}, {kWordPageCount, L"7"}};
  return d;
}

class FakeWordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    word_.open.push_back(Sample());
    app_ = word_.Application();
  }
  std::unique_ptr<WordDocument> Doc() { return app_->ActiveDocument(); }

  FakeWord word_;
  std::unique_ptr<WordApplication> app_;
};

TEST_F(FakeWordTest, HiddenBookmarksOnlyWhileShowHiddenIsOn) {
  std::unique_ptr<WordBookmarks> marks = Doc()->Bookmarks();
  EXPECT_EQ(marks->Count(), 1);
  EXPECT_EQ(marks->Item(1)->Name(), L"Mark");
  // The setting belongs to the document: a new collection object sees it.
  marks->SetShowHidden(true);
  std::unique_ptr<WordBookmarks> again = Doc()->Bookmarks();
  EXPECT_EQ(again->Count(), 2);
  EXPECT_EQ(again->Item(1)->Name(), L"_Toc1");
  EXPECT_EQ(MessageOf([&] { again->Item(3); }),
            "The requested member of the collection does not exist.");
}

TEST_F(FakeWordTest, ValuesOfTheDocument) {
  using Read = std::function<std::wstring(WordDocument&)>;
  struct Case {
    const char* what;
    Read read;
    std::wstring expected;
  };
  auto number = [](int32_t n) { return std::to_wstring(n); };
  const Case cases[] = {
      {"style", [](WordDocument& d) { return d.Paragraphs()->Item(2)->Range()->Style(); },
       L"Heading 1"},
      {"end page",
       [&](WordDocument& d) {
         return number(d.Paragraphs()->Item(2)->Range()->Information(kWordEndPage));
       },
       L"2"},
      // Positions round halves to even, as an automation integer does.
      {"x",
       [&](WordDocument& d) {
         return number(d.Paragraphs()->Item(2)->Range()->Information(kWordHorizontalOnPage));
       },
       L"10"},
      {"y",
       [&](WordDocument& d) {
         return number(d.Paragraphs()->Item(2)->Range()->Information(kWordVerticalOnPage));
       },
       L"72"},
      {"font", [](WordDocument& d) { return d.Paragraphs()->Item(1)->Range()->Font()->Name(); },
       L"Times New Roman"},
      {"links of a range",
       [](WordDocument& d) {
         return d.Paragraphs()->Item(2)->Range()->Hyperlinks()->Item(1)->SubAddress();
       },
       L"_Toc1"},
      {"comment text", [](WordDocument& d) { return d.Comments()->Item(1)->Range()->Text(); },
       L" note "},
      {"note mark",
       [&](WordDocument& d) {
         return number(d.Footnotes()->Item(1)->Reference()->Information(kWordEndPage));
       },
       L"2"},
      {"title", [](WordDocument& d) { return d.PropertyText(kWordTitle); }, L"Title"},
      {"pages", [&](WordDocument& d) { return number(d.PropertyInteger(kWordPageCount)); }, L"7"},
      {"missing property", [](WordDocument& d) { return d.PropertyText(kWordKeywords); }, L""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.read(*Doc()), c.expected) << c.what;
}

TEST_F(FakeWordTest, SelectionFollowsSelectAndPrintOutRecordsTheJob) {
  Doc()->Footnotes()->Item(1)->Range()->Select();
  EXPECT_EQ(app_->Selection()->Information(kWordEndPage), 3);

  std::unique_ptr<WordOptions> options = app_->Options();
  options->SetPrintBackground(false);
  app_->SetActivePrinter(L"Orvane Tessaly");
  app_->PrintOut();
  ASSERT_EQ(word_.print_jobs.size(), 1u);
  EXPECT_EQ(word_.print_jobs[0].document, L"a.doc");
  EXPECT_EQ(word_.print_jobs[0].printer, L"Orvane Tessaly");
  EXPECT_FALSE(word_.print_jobs[0].background);
}

TEST_F(FakeWordTest, OpeningMakesTheDocumentActive) {
  FakeWordDocument other;
  other.name = L"b.doc";
  word_.files[L"C:\\b.doc"] = other;
  std::unique_ptr<WordDocuments> documents = app_->Documents();
  EXPECT_EQ(MessageOf([&] { documents->Open(L"C:\\c.doc"); }), "This file could not be found.");
  EXPECT_EQ(documents->Open(L"C:\\b.doc")->Name(), L"b.doc");
  EXPECT_EQ(documents->Count(), 2);
  EXPECT_EQ(app_->ActiveDocument()->Name(), L"b.doc");
}

TEST_F(FakeWordTest, CountsCallsAndFailsArrangedMembers) {
  std::unique_ptr<WordList<WordParagraph>> paragraphs = Doc()->Paragraphs();
  for (int32_t i = 1; i <= paragraphs->Count(); ++i) paragraphs->Item(i)->Range()->Text();
  EXPECT_EQ(word_.CallsOf("Paragraphs.Count"), 3);
  EXPECT_EQ(word_.CallsOf("Paragraphs.Item"), 2);
  EXPECT_EQ(word_.CallsOf("Range.Text"), 2);
  // ActiveDocument, Paragraphs, 3 counts, then 2 x (Item, Range, Text).
  EXPECT_EQ(word_.total_calls, 11);

  word_.failures["Range.Text"] = "Word's own message";
  EXPECT_EQ(MessageOf([&] { paragraphs->Item(1)->Range()->Text(); }), "Word's own message");

  FakeOfficeApplications office;
  office.word_failure = "Word is not installed";
  EXPECT_EQ(MessageOf([&] { office.Word(); }), "Word is not installed");
  EXPECT_EQ(office.word_connections, 1);
}

}  // namespace
}  // namespace tessaly
