// The Excel object model over automation, against a stand-in Excel made of
// scripted automation objects: which members are called, by name or by
// dispatch id, with which arguments and locale, and the interface casts.
#include "office/win32/excel_automation.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "com/com_error.h"
#include "tests/office/scripted_object.h"

namespace tessaly {
namespace {

using Log = std::vector<std::wstring>;

class ExcelAutomationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    // The page setup and the page breaks answer only by dispatch id.
    Object(L"setup").OnId(1022, L"PrintQuality", 600).OnId(134, L"Orientation", 1);
    Object(L"breaks").OnId(118, L"Count", 2);
    Object(L"sheet")
        .Implements(kExcelWorksheetInterface)
        .Returns(L"Name", L"North")
        .Returns(L"PageSetup", Ref(L"setup"))
        .Returns(L"HPageBreaks", Ref(L"breaks"))
        .Returns(L"VPageBreaks", Ref(L"breaks"))
        .Returns(L"PrintOut", Variant());
    Object(L"chart").Returns(L"Name", L"Chart1");
    Variant sheet = Ref(L"sheet");
    Variant chart = Ref(L"chart");
    Object(L"sheets").Returns(L"Count", 2).On(L"Item", [=](const std::vector<Variant>& args) {
      return args.at(0).AsInteger() == 1 ? sheet : chart;
    });
    Object(L"all sheets").Returns(L"Count", 3);
    Object(L"property").Returns(L"Value", L"Title");
    Object(L"book")
        .Implements(kExcelWorkbookInterface)
        .Returns(L"Path", L"C:\\Sheets")
        .Returns(L"Activate", Variant())
        .Returns(L"Sheets", Ref(L"all sheets"))
        .Returns(L"Worksheets", Ref(L"sheets"))
        .Returns(L"BuiltInDocumentProperties", Ref(L"property"))
        .Returns(L"PrintOut", Variant());
    Object(L"books")
        .Returns(L"Count", 1)
        .Returns(L"Item", Ref(L"book"))
        .Returns(L"Open", Ref(L"book"));
    Object(L"app")
        .Returns(L"Visible", Variant())
        .Returns(L"Workbooks", Ref(L"books"))
        .Returns(L"Worksheets", Ref(L"sheets"))
        .Returns(L"ActiveSheet", Ref(L"sheet"))
        .Returns(L"ActiveWorkbook", Ref(L"book"));
    // An Excel whose active sheet and workbook are neither.
    Object(L"other app").Returns(L"ActiveSheet", chart).Returns(L"ActiveWorkbook", chart);
  }
  void TearDown() override {
    objects_.clear();
    CoUninitialize();
  }

  ScriptedObject& Object(const wchar_t* name) {
    ComPtr<ScriptedObject>& object = objects_[name];
    if (!object) object = ScriptedObject::Make(&log_, &lcids_);
    return *object.Get();
  }
  Variant Ref(const wchar_t* name) { return Variant(static_cast<IDispatch*>(&Object(name))); }
  std::unique_ptr<ExcelApplication> Excel(const wchar_t* name) {
    return ExcelOverAutomation(ComPtr<IDispatch>::Share(&Object(name)));
  }

  Log log_;
  std::vector<LCID> lcids_;
  std::map<std::wstring, ComPtr<ScriptedObject>> objects_;
};

TEST_F(ExcelAutomationTest, CallsGoByNameOrIdWithTheUsersLocale) {
  using Call = std::function<std::wstring(ExcelApplication&)>;
  struct Case {
    Call call;
    Log log;
    std::wstring result;
  };
  auto text = [](int32_t value) { return std::to_wstring(value); };
  const Case cases[] = {
      {[&](ExcelApplication& x) {
         auto setup = x.ActiveSheet()->PageSetup();
         std::wstring read = text(setup->PrintQuality());
         read += L" " + text(setup->Orientation());
         setup->SetPrintQuality(300);
         setup->SetOrientation(kExcelLandscape);
         return read;
       },
       {L"ActiveSheet()", L"PageSetup()", L"PrintQuality(1)", L"Orientation()",
        L"PrintQuality=1,300", L"Orientation=2"},
       L"600 1"},
      {[&](ExcelApplication& x) {
         auto sheet = x.ActiveSheet();
         int32_t across = sheet->HorizontalPageBreaks();
         return text(across) + L" " + text(sheet->VerticalPageBreaks());
       },
       {L"ActiveSheet()", L"HPageBreaks()", L"Count()", L"VPageBreaks()", L"Count()"},
       L"2 2"},
      {[&](ExcelApplication& x) {
         auto book = x.ActiveWorkbook();
         std::wstring read = text(book->SheetCount());
         read += L" " + text(book->Worksheets()->Count());
         read += L" " + book->Worksheets()->Item(1)->Name();
         return read + L" " + book->PropertyText(kOfficeTitle);
       },
       {L"ActiveWorkbook()", L"Sheets()", L"Count()", L"Worksheets()", L"Count()",
        L"Worksheets()", L"Item(1)", L"Name()", L"BuiltInDocumentProperties(1)", L"Value()"},
       L"3 2 North Title"},
      // PrintOut's fifth argument is ActivePrinter; the four before it are left out.
      {[](ExcelApplication& x) {
         x.ActiveWorkbook()->PrintOut(L"Orvane Tessaly");
         x.ActiveSheet()->PrintOut(L"Orvane Tessaly");
         return L"";
       },
       {L"ActiveWorkbook()", L"PrintOut(-,-,-,-,Orvane Tessaly)", L"ActiveSheet()",
        L"PrintOut(-,-,-,-,Orvane Tessaly)"},
       L""},
      {[&](ExcelApplication& x) {
         x.SetVisible(true);
         auto books = x.Workbooks();
         std::wstring read = text(books->Count());
         books->Item(1)->Activate();
         read += L" " + books->Open(L"C:\\a.xls")->Path();
         return read + L" " + text(x.Worksheets()->Count());
       },
       {L"Visible=true", L"Workbooks()", L"Count()", L"Item(1)", L"Activate()",
        L"Open(C:\\a.xls)", L"Path()", L"Worksheets()", L"Count()"},
       L"1 C:\\Sheets 2"},
  };
  std::unique_ptr<ExcelApplication> excel = Excel(L"app");
  for (const Case& c : cases) {
    log_.clear();
    EXPECT_EQ(c.call(*excel), c.result);
    EXPECT_EQ(log_, c.log);
  }
  ASSERT_FALSE(lcids_.empty());
  for (LCID lcid : lcids_) EXPECT_EQ(lcid, GetUserDefaultLCID());
}

TEST_F(ExcelAutomationTest, SheetsAndWorkbooksAreCastToExcelsInterfaces) {
  struct Case {
    std::function<void()> call;
    const char* message;
  };
  std::unique_ptr<ExcelApplication> excel = Excel(L"app");
  std::unique_ptr<ExcelApplication> other = Excel(L"other app");
  const Case cases[] = {
      {[&] { excel->Worksheets()->Item(2); }, kExcelNotAWorksheet},
      {[&] { other->ActiveSheet(); }, kExcelNotAWorksheet},
      {[&] { other->ActiveWorkbook(); },
       "The active workbook is not a workbook (it has no _Workbook interface)"},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << "no failure, expected: " << c.message;
    } catch (const ComError& e) {
      EXPECT_EQ(e.code(), E_NOINTERFACE);
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace tessaly
