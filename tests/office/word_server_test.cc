// The Word adapter through real COM against the fake Word server, loaded in
// the process and as a program of its own: what Word's members answer, and
// how its errors and the print-out's arguments come across.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "com/com_error.h"
#include "office/win32/word_automation.h"
#include "tests/office/fake_office_fixture.h"

namespace tessaly {
namespace {

const char kDescription[] =
    "[Word]\n"
    "ActivePrinter=Office Printer\n"
    "[Document1]\n"
    "Path=C:\\Docs\n"
    "Name=a.doc\n"
    "Property14=7\n"
    "Paragraph1.Text=Intro\\r\n"
    "Paragraph1.Style=Heading 2\n"
    "Paragraph1.X=2.5\n"
    "Paragraph1.Y=3.5\n"
    "Paragraph1.Font=Arial\n"
    "Paragraph1.Bold=9999999\n"
    "Paragraph1.Size=11.5\n"
    "Paragraph1.Links=1\n"
    "Hyperlink1.Text=site\n"
    "Hyperlink1.Address=www.example.org\n"
    "Bookmark1.Name=_Toc1\n"
    "Bookmark1.Text=Intro\n"
    "Comment1.Text=note\n"
    "Comment1.Scope.Text=scope\n"
    "Footnote1.Text=foot\n"
    "Footnote1.Reference.Text=1\n"
    "Footnote1.Reference.Page=2\n"
    "[Document2]\n"
    "Path=C:\\Docs\n"
    "Name=b.doc\n"
    "Opened=0\n"
    "[Failures]\n"
    "Endnotes.Count=The endnotes are not ready.\n"
    "TablesOfContents.Count=The contents are not ready.\n"
    "Comments.Count=\n"
    "Document.Path=\n"
    "[Failure Codes]\n"
    "Endnotes.Count=800A1066\n"
    "TablesOfContents.Count=wcode 800A1066\n"
    "Comments.Count=80070005\n"
    "Document.Path=returned 80070005\n";

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

const FakeOfficeFixture kFake(L"Word");

// The parameter: the fake runs as a program of its own.
class WordServerTest : public ::testing::TestWithParam<bool> {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(kFake.Register(kDescription), 0u); }
  static void TearDownTestSuite() { kFake.Unregister(); }
  void SetUp() override {
    kFake.ClearLog();
    if (GetParam()) {
      // Started first, so that Word() attaches to it as the running Word.
      ASSERT_EQ(CoCreateInstance(kFakeWordClsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                 reinterpret_cast<void**>(running_.Out())),
                S_OK);
    }
    word_ = DefaultOfficeApplications().Word();
  }
  void TearDown() override {
    word_.reset();
    running_.Reset();
    if (!GetParam()) return;
    // The program ends once its last object is let go.
    for (int i = 0; i < 100 && !Logged("Server ended"); ++i) Sleep(50);
    EXPECT_TRUE(Logged("Server ended"));
  }

  bool Logged(const std::string& line) const { return kFake.Logged(line); }
  std::vector<std::string> LinesStartingWith(const char* prefix) const {
    return kFake.LinesStartingWith(prefix);
  }

  ComApartment apartment_;
  ComPtr<IDispatch> running_;
  std::unique_ptr<WordApplication> word_;
};

TEST_P(WordServerTest, MembersAnswer) {
  using Read = std::function<std::wstring(WordApplication&)>;
  auto text = [](auto value) { return std::to_wstring(value); };
  auto range = [](WordApplication& w) {
    return w.ActiveDocument()->Paragraphs()->Item(1)->Range();
  };
  const std::pair<Read, std::wstring> cases[] = {
      {[&](WordApplication& w) { return range(w)->Style(); }, L"Heading 2"},
      {[&](WordApplication& w) { return range(w)->Text(); }, L"Intro\r"},
      // Word's points are rounded halves to even: 2.5 and 3.5.
      {[&](WordApplication& w) { return text(range(w)->Information(kWordHorizontalOnPage)); },
       L"2"},
      {[&](WordApplication& w) {
         range(w)->Select();
         return text(w.Selection()->Information(kWordVerticalOnPage));
       },
       L"4"},
      {[&](WordApplication& w) {
         auto font = range(w)->Font();
         std::wstring name = font->Name();
         return name + L" " + text(font->Bold()) + L" " + text(font->Size());
       },
       L"Arial 9999999 11.500000"},
      {[&](WordApplication& w) { return range(w)->Hyperlinks()->Item(1)->Address(); },
       L"www.example.org"},
      {[&](WordApplication& w) {
         auto marks = w.ActiveDocument()->Bookmarks();
         std::wstring hidden = text(marks->Count());
         marks->SetShowHidden(true);
         return hidden + L" " + marks->Item(1)->Name();
       },
       L"0 _Toc1"},
      {[&](WordApplication& w) {
         auto comment = w.ActiveDocument()->Comments()->Item(1);
         return comment->Scope()->Text() + L"/" + comment->Range()->Text();
       },
       L"scope/note"},
      {[&](WordApplication& w) {
         auto note = w.ActiveDocument()->Footnotes()->Item(1);
         return note->Range()->Text() + L" " + text(note->Reference()->Information(kWordEndPage));
       },
       L"foot 2"},
      {[&](WordApplication& w) {
         return text(w.ActiveDocument()->PropertyInteger(kWordPageCount)) +
                w.ActiveDocument()->PropertyText(kWordTitle);
       },
       L"7"},
  };
  for (const auto& [read, expected] : cases) EXPECT_EQ(read(*word_), expected);
}

TEST_P(WordServerTest, OpenAndPrintOutGetTheirArgumentsOnly) {
  EXPECT_EQ(word_->Documents()->Open(L"C:\\Docs\\b.doc")->Name(), L"b.doc");
  EXPECT_EQ(word_->Documents()->Count(), 2);
  auto options = word_->Options();
  options->SetPrintBackground(false);
  word_->SetActivePrinter(L"Orvane Tessaly");
  EXPECT_EQ(word_->ActivePrinter(), L"Orvane Tessaly");
  word_->PrintOut();

  using Lines = std::vector<std::string>;
  EXPECT_EQ(LinesStartingWith("Documents.Open("), Lines{"Documents.Open(C:\\Docs\\b.doc)"});
  EXPECT_EQ(LinesStartingWith("Application.PrintOut("), Lines{"Application.PrintOut(Item:=0)"});
  EXPECT_TRUE(Logged("PrintOut.ActivePrinter=Orvane Tessaly"));
  EXPECT_TRUE(Logged("PrintOut.PrintBackground=0"));
}

TEST_P(WordServerTest, ErrorsCarryTheServersMessageOrTheSystemsText) {
  std::wstring access_denied = Wide(HresultMessage(E_ACCESSDENIED, "none"));
  ASSERT_NE(access_denied, L"none failed (0x80070005)");
  using Call = std::function<void(WordDocument&)>;
  struct Case {
    Call call;
    HRESULT code;
    std::wstring message;
  };
  const Case cases[] = {
      {[](WordDocument& d) { d.Endnotes()->Count(); }, static_cast<HRESULT>(0x800A1066),
       L"The endnotes are not ready."},
      {[](WordDocument& d) { d.TablesOfContents()->Count(); }, static_cast<HRESULT>(0x80041066),
       L"The contents are not ready."},
      // No description, and a failure returned without an exception.
      {[](WordDocument& d) { d.Comments()->Count(); }, E_ACCESSDENIED, access_denied},
      {[](WordDocument& d) { d.Path(); }, E_ACCESSDENIED, access_denied},
  };
  for (const Case& c : cases) {
    try {
      c.call(*word_->ActiveDocument());
      ADD_FAILURE() << "no failure";
    } catch (const ComError& e) {
      EXPECT_EQ(e.code(), c.code);
      EXPECT_EQ(Wide(e.what()), c.message);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, WordServerTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "LocalServer" : "InProcess";
                         });

}  // namespace
}  // namespace tessaly
