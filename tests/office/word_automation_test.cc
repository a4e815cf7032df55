// The Word object model over automation, against a stand-in Word made of
// scripted automation objects: which members are called, with which
// arguments, and how Word's errors come back.
#include "office/win32/word_automation.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "com/com_error.h"
#include "tests/exception_message.h"
#include "tests/office/scripted_object.h"

namespace tessaly {
namespace {

using Log = std::vector<std::wstring>;

class WordAutomationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    // Information answers code + 0.5 points, to show the rounding.
    auto information = [](const std::vector<Variant>& args) {
      return Variant(args.at(0).AsInteger() + 0.5);
    };
    Object(L"font").Returns(L"Name", L"Arial").Returns(L"Bold", -1).Returns(L"Size", 11.5);
    Object(L"style").Default([](const std::vector<Variant>&) { return Variant(L"Heading 2"); });
    Object(L"range")
        .Returns(L"Style", Ref(L"style"))
        .Returns(L"Select", Variant())
        .On(L"Information", information)
        .Returns(L"Text", L"Intro\r")
        .Returns(L"Font", Ref(L"font"))
        .Returns(L"Hyperlinks", Ref(L"list"));
    // One item stands for every kind of collection item.
    Object(L"item")
        .Returns(L"Range", Ref(L"range"))
        .Returns(L"Scope", Ref(L"range"))
        .Returns(L"Reference", Ref(L"range"))
        .Returns(L"Name", L"_Toc1")
        .Returns(L"Address", L"")
        .Returns(L"SubAddress", L"_Toc1")
        .Returns(L"Type", 2);
    Object(L"list")
        .Returns(L"Count", 3)
        .Returns(L"Item", Ref(L"item"))
        .Returns(L"ShowHidden", Variant());
    Object(L"property").Returns(L"Value", L"7");
    Object(L"document")
        .Returns(L"Path", L"C:\\Docs")
        .Returns(L"Name", L"a.doc")
        .Returns(L"BuiltInDocumentProperties", Ref(L"property"));
    for (const wchar_t* list : {L"Paragraphs", L"Bookmarks", L"Hyperlinks", L"TablesOfContents",
                                L"Comments", L"Footnotes", L"Endnotes"}) {
      Object(L"document").Returns(list, Ref(L"list"));
    }
    Object(L"documents")
        .Returns(L"Count", 1)
        .Returns(L"Item", Ref(L"document"))
        .Returns(L"Open", Ref(L"document"));
    Object(L"selection").On(L"Information", information);
    Object(L"options").Returns(L"PrintBackground", true);
    Object(L"application")
        .Returns(L"Visible", Variant())
        .Returns(L"Documents", Ref(L"documents"))
        .Returns(L"ActiveDocument", Ref(L"document"))
        .Returns(L"Selection", Ref(L"selection"))
        .Returns(L"Options", Ref(L"options"))
        .Returns(L"ActivePrinter", L"Office Printer")
        .On(L"PrintOut", [](const std::vector<Variant>&) -> Variant {
          throw ScriptedRaise{static_cast<HRESULT>(0x800A1066), L"The printer is not ready."};
        });
    word_ = WordOverAutomation(ComPtr<IDispatch>::Share(objects_[L"application"].Get()));
  }
  void TearDown() override {
    word_.reset();
    objects_.clear();
    CoUninitialize();
  }

  ScriptedObject& Object(const wchar_t* name) {
    ComPtr<ScriptedObject>& object = objects_[name];
    if (!object) object = ScriptedObject::Make(&log_);
    return *object.Get();
  }
  Variant Ref(const wchar_t* name) { return Variant(static_cast<IDispatch*>(&Object(name))); }

  Log log_;
  std::map<std::wstring, ComPtr<ScriptedObject>> objects_;
  std::unique_ptr<WordApplication> word_;
};

TEST_F(WordAutomationTest, CallsGoByNameWithTheirArguments) {
  using Call = std::function<std::wstring(WordApplication&)>;
  struct Case {
    Call call;
    Log log;
    std::wstring result;
  };
  auto text = [](auto value) { return std::to_wstring(value); };
  const Case cases[] = {
      {[](WordApplication& w) {
         return w.ActiveDocument()->Paragraphs()->Item(2)->Range()->Style();
       },
       {L"ActiveDocument()", L"Paragraphs()", L"Item(2)", L"Range()", L"Style()", L"(default)()"},
       L"Heading 2"},
      // Word's points come back as integers, halves rounded to even.
      {[&](WordApplication& w) { return text(w.Selection()->Information(kWordVerticalOnPage)); },
       {L"Selection()", L"Information(6)"},
       L"6"},
      {[&](WordApplication& w) {
         return text(w.ActiveDocument()->Footnotes()->Item(1)->Reference()->Information(3));
       },
       {L"ActiveDocument()", L"Footnotes()", L"Item(1)", L"Reference()", L"Information(3)"},
       L"4"},
      {[](WordApplication& w) {
         w.ActiveDocument()->Bookmarks()->SetShowHidden(true);
         return L"";
       },
       {L"ActiveDocument()", L"Bookmarks()", L"ShowHidden=true"},
       L""},
      {[&](WordApplication& w) {
         auto font = w.ActiveDocument()->Comments()->Item(1)->Scope()->Font();
         std::wstring bold = text(font->Bold());
         return bold + L" " + font->Name();
       },
       {L"ActiveDocument()", L"Comments()", L"Item(1)", L"Scope()", L"Font()", L"Bold()",
        L"Name()"},
       L"-1 Arial"},
      {[&](WordApplication& w) {
         auto links = w.ActiveDocument()->Paragraphs()->Item(1)->Range()->Hyperlinks();
         std::wstring count = text(links->Count());
         return count + L" " + links->Item(3)->SubAddress();
       },
       {L"ActiveDocument()", L"Paragraphs()", L"Item(1)", L"Range()", L"Hyperlinks()", L"Count()",
        L"Item(3)", L"SubAddress()"},
       L"3 _Toc1"},
      {[&](WordApplication& w) { return text(w.ActiveDocument()->PropertyInteger(14)); },
       {L"ActiveDocument()", L"BuiltInDocumentProperties(14)", L"Value()"},
       L"7"},
      {[](WordApplication& w) { return w.Documents()->Open(L"C:\\a.doc")->Name(); },
       {L"Documents()", L"Open(C:\\a.doc)", L"Name()"},
       L"a.doc"},
      {[](WordApplication& w) {
         auto options = w.Options();
         options->SetPrintBackground(!options->PrintBackground());
         w.SetActivePrinter(L"Orvane Tessaly");
         w.SetVisible(true);
         return L"";
       },
       {L"Options()", L"PrintBackground()", L"PrintBackground=false",
        L"ActivePrinter=Orvane Tessaly", L"Visible=true"},
       L""},
  };
  for (const Case& c : cases) {
    log_.clear();
    EXPECT_EQ(c.call(*word_), c.result);
    EXPECT_EQ(log_, c.log);
  }
}

TEST_F(WordAutomationTest, FailuresCarryWordsMessage) {
  log_.clear();
  try {
    word_->PrintOut();
    ADD_FAILURE() << "PrintOut did not fail";
  } catch (const ComError& e) {
    EXPECT_EQ(e.code(), static_cast<HRESULT>(0x800A1066));
    EXPECT_STREQ(e.what(), "The printer is not ready.");
  }
  // Item by name, and no other argument.
  EXPECT_EQ(log_, Log{L"PrintOut(Item:=0)"});
}

TEST(WordConnectionTest, WordNotInstalledSaysSo) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  EXPECT_EQ(MessageOf([] { DefaultOfficeApplications().Word(); }),
            "Word is not installed: no program is registered to automate it");
  CoUninitialize();
}

}  // namespace
}  // namespace tessaly
