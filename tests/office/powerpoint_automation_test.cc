// The PowerPoint object model over automation, against a stand-in
// PowerPoint: one scripted object that answers every member, so that the
// log shows which members are called, in which order, with which arguments.
#include "office/win32/powerpoint_automation.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "office/office_applications.h"
#include "tests/exception_message.h"
#include "tests/office/scripted_object.h"

namespace tessaly {
namespace {

using Log = std::vector<std::wstring>;

std::wstring Shown(const PowerPointRectangle& box) {
  wchar_t text[64];
  swprintf(text, 64, L"%g %g %g %g", box.left, box.top, box.width, box.height);
  return text;
}

class PowerPointAutomationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    node_ = ScriptedObject::Make(&log_);
    Variant self(static_cast<IDispatch*>(node_.Get()));
    for (const wchar_t* object :
         {L"Presentations", L"ActivePresentation", L"Slides", L"Item", L"Open", L"NotesPage",
          L"Shapes", L"Placeholders", L"TextFrame", L"TextRange", L"Hyperlinks", L"Parent",
          L"parent", L"PrintOptions", L"BuiltInDocumentProperties"}) {
      node_->Returns(object, self);
    }
    node_->Returns(L"Text", L"notes")
        .Returns(L"Name", L"Rectangle 2")
        .Returns(L"SlideIndex", 4)
        .Returns(L"Path", L"C:\\Talks")
        .Returns(L"Value", L"Title")
        .Returns(L"BoundLeft", 1.5)
        .Returns(L"BoundTop", 2)
        .Returns(L"BoundWidth", 3)
        .Returns(L"BoundHeight", 4)
        .Returns(L"Left", 72)
        .Returns(L"Top", 72.5)
        .Returns(L"Width", 144)
        .Returns(L"Height", 36);
    for (const wchar_t* other : {L"PrintOut", L"Visible", L"WindowState", L"ActivePrinter"}) {
      node_->Returns(other, Variant());
    }
    ppt_ = PowerPointOverAutomation(ComPtr<IDispatch>::Share(node_.Get()));
  }
  void TearDown() override {
    ppt_.reset();
    node_.Reset();
    CoUninitialize();
  }

  Log log_;
  ComPtr<ScriptedObject> node_;
  std::unique_ptr<PowerPointApplication> ppt_;
};

TEST_F(PowerPointAutomationTest, CallsGoByNameWithTheirArguments) {
  using Call = std::function<std::wstring(PowerPointApplication&)>;
  struct Case {
    Call call;
    Log log;
    std::wstring result;
  };
  auto slide = [](PowerPointApplication& p) { return p.ActivePresentation()->Slides()->Item(1); };
  const Case cases[] = {
      {[&](PowerPointApplication& p) { return slide(p)->NotesText(); },
       {L"ActivePresentation()", L"Slides()", L"Item(1)", L"NotesPage()", L"Shapes()",
        L"Placeholders()", L"Item(2)", L"TextFrame()", L"TextRange()", L"Text()"},
       L"notes"},
      {[&](PowerPointApplication& p) {
         auto shape = slide(p)->Shapes()->Item(3);
         std::wstring read = shape->Name();
         read += L" " + std::to_wstring(shape->Top());
         return read + L" " + shape->Text();
       },
       {L"ActivePresentation()", L"Slides()", L"Item(1)", L"Shapes()", L"Item(3)", L"Name()",
        L"Top()", L"TextFrame()", L"TextRange()", L"Text()"},
       L"Rectangle 2 72.500000 notes"},
      // A link's carrier is the parent of its parent (its action setting).
      {[&](PowerPointApplication& p) {
         return Shown(slide(p)->Hyperlinks()->Item(2)->Carrier()->TextBounds());
       },
       {L"ActivePresentation()", L"Slides()", L"Item(1)", L"Hyperlinks()", L"Item(2)",
        L"Parent()", L"parent()", L"BoundLeft()", L"BoundTop()", L"BoundWidth()",
        L"BoundHeight()"},
       L"1.5 2 3 4"},
      {[&](PowerPointApplication& p) {
         return Shown(slide(p)->Hyperlinks()->Item(1)->Carrier()->ShapeBounds());
       },
       {L"ActivePresentation()", L"Slides()", L"Item(1)", L"Hyperlinks()", L"Item(1)",
        L"Parent()", L"parent()", L"Left()", L"Top()", L"Width()", L"Height()"},
       L"72 72.5 144 36"},
      {[](PowerPointApplication& p) { return p.Presentations()->Open(L"C:\\a.ppt")->Path(); },
       {L"Presentations()", L"Open(C:\\a.ppt,0,0,-1)", L"Path()"},
       L"C:\\Talks"},
      {[](PowerPointApplication& p) {
         auto presentation = p.ActivePresentation();
         presentation->SetActivePrinter(L"Orvane Tessaly");
         presentation->PrintOut(1, 3, L"", 1, false);
         return presentation->PropertyText(kOfficeAuthor);
       },
       {L"ActivePresentation()", L"PrintOptions()", L"ActivePrinter=Orvane Tessaly",
        L"PrintOut(1,3,,1,0)", L"BuiltInDocumentProperties(3)", L"Value()"},
       L"Title"},
      {[](PowerPointApplication& p) {
         p.SetVisible(kOfficeTrue);
         p.SetWindowState(kPowerPointWindowNormal);
         return std::to_wstring(p.ActivePresentation()->Slides()->Item(1)->SlideIndex());
       },
       {L"Visible=-1", L"WindowState=1", L"ActivePresentation()", L"Slides()", L"Item(1)",
        L"SlideIndex()"},
       L"4"},
  };
  for (const Case& c : cases) {
    log_.clear();
    EXPECT_EQ(c.call(*ppt_), c.result);
    EXPECT_EQ(log_, c.log);
  }
}

TEST(OfficeConnectionTest, MissingApplicationsSaySo) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  EXPECT_EQ(MessageOf([] { DefaultOfficeApplications().PowerPoint(); }),
            "PowerPoint is not installed: no program is registered to automate it");
  EXPECT_EQ(MessageOf([] { DefaultOfficeApplications().Excel(); }),
            "Excel is not installed: no program is registered to automate it");
  CoUninitialize();
}

}  // namespace
}  // namespace tessaly
