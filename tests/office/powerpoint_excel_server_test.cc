// The PowerPoint and Excel adapters through real COM against the fake Office
// server loaded in the process: what the members answer, the locale of
// Excel's calls, Excel's casts, and the servers' errors.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "com/com_error.h"
#include "office/office_applications.h"
#include "office/win32/excel_automation.h"
#include "tests/office/fake_office_fixture.h"
#include "tests/office/office_server/excel_server.h"
#include "tests/office/office_server/powerpoint_server.h"

namespace tessaly {
namespace {

const char kPresentations[] =
    "[Presentation1]\n"
    "Path=C:\\Talks\n"
    "Name=a.ppt\n"
    "Property1=Deck\n"
    "Slides=2\n"
    "Slide1.Notes=Say hello\n"
    "Slide1.Shape1.Name=Rectangle 2\n"
    "Slide1.Shape1.Text=North\\rSouth\n"
    "Slide1.Shape1.Top=36.5\n"
    "Slide2.Hyperlink1.Type=1\n"
    "Slide2.Hyperlink1.SubAddress=257,3,Results\n"
    "Slide2.Hyperlink1.Left=72\n"
    "Slide2.Hyperlink1.Top=73\n"
    "Slide2.Hyperlink1.Width=144\n"
    "Slide2.Hyperlink1.Height=36\n"
    "[Presentation2]\n"
    "Path=C:\\Talks\n"
    "Name=b.ppt\n"
    "Opened=0\n"
    "[Failures]\n"
    "Presentation.Path=The path is not known yet.\n";

const char kWorkbooks[] =
    "[Workbook1]\n"
    "Path=C:\\Books\n"
    "Name=a.xls\n"
    "Property3=Ann\n"
    "ActiveSheet=2\n"
    "Sheet1.Name=Sales\n"
    "Sheet1.HBreaks=2\n"
    "Sheet1.VBreaks=1\n"
    "Sheet1.Quality=300\n"
    "Sheet1.Orientation=2\n"
    "Sheet2.Name=Chart1\n"
    "Sheet2.Chart=1\n"
    "[Workbook2]\n"
    "Path=C:\\Books\n"
    "Name=b.xls\n"
    "Opened=0\n"
    "[Failures]\n"
    "Workbook.Path=The book is away.\n"
    "[Failure Codes]\n"
    "Workbook.Path=800A1066\n";

const FakeOfficeFixture kPowerPoint(L"PowerPoint");
const FakeOfficeFixture kExcel(L"Excel");

std::wstring Number(double value) { return std::to_wstring(static_cast<int>(value)); }

template <class F>
void ExpectComError(F call, HRESULT code, const std::string& message) {
  try {
    call();
    ADD_FAILURE() << "no failure";
  } catch (const ComError& e) {
    EXPECT_EQ(e.code(), code);
    EXPECT_EQ(e.what(), message);
  }
}

class FakeServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    kExcel.Register(kWorkbooks);
    ASSERT_EQ(kPowerPoint.Register(kPresentations), 0u);
  }
  static void TearDownTestSuite() { kPowerPoint.Unregister(); }
  void SetUp() override {
    kPowerPoint.ClearLog();
    kExcel.ClearLog();
  }

  ComApartment apartment_;
};

TEST_F(FakeServerTest, PowerPointMembersAnswer) {
  std::unique_ptr<PowerPointApplication> app = DefaultOfficeApplications().PowerPoint();
  app->SetVisible(kOfficeTrue);
  app->SetWindowState(kPowerPointWindowNormal);
  using Read = std::function<std::wstring(PowerPointPresentation&)>;
  auto slide = [](PowerPointPresentation& p, int32_t index) { return p.Slides()->Item(index); };
  const std::pair<Read, std::wstring> cases[] = {
      {[&](PowerPointPresentation& p) { return Number(p.Slides()->Count()) + p.Name(); },
       L"2a.ppt"},
      {[&](PowerPointPresentation& p) { return slide(p, 1)->NotesText(); }, L"Say hello"},
      {[&](PowerPointPresentation& p) {
         auto shape = slide(p, 1)->Shapes()->Item(1);
         return shape->Name() + L"/" + shape->Text() + L"/" + std::to_wstring(shape->Top());
       },
       L"Rectangle 2/North\rSouth/36.500000"},
      {[&](PowerPointPresentation& p) {
         auto link = slide(p, 2)->Hyperlinks()->Item(1);
         PowerPointRectangle box = link->Carrier()->ShapeBounds();
         return Number(link->Type()) + L" " + link->SubAddress() + L"/" + link->Address() + L" " +
                Number(box.left) + L" " + Number(box.top) + L" " + Number(box.width) + L" " +
                Number(box.height) + L" " + Number(slide(p, 2)->SlideIndex());
       },
       L"1 257,3,Results/ 72 73 144 36 2"},
      {[&](PowerPointPresentation& p) { return p.PropertyText(1) + p.PropertyText(2); }, L"Deck"},
  };
  for (const auto& [read, expected] : cases) EXPECT_EQ(read(*app->ActivePresentation()), expected);

  EXPECT_EQ(app->Presentations()->Open(L"C:\\Talks\\b.ppt")->Name(), L"b.ppt");
  EXPECT_EQ(app->Presentations()->Count(), 2);
  std::unique_ptr<PowerPointPresentation> first = app->Presentations()->Item(1);
  first->SetActivePrinter(L"Orvane Tessaly");
  first->PrintOut(1, 2, L"", 1, false);
  // A shape's carrier has no text bounds: the fake's own error comes across.
  EXPECT_THROW(first->Slides()->Item(2)->Hyperlinks()->Item(1)->Carrier()->TextBounds(), ComError);
  ExpectComError([&] { first->Path(); }, kFakePowerPointError, "The path is not known yet.");

  using Lines = std::vector<std::string>;
  EXPECT_EQ(kPowerPoint.LinesStartingWith("Presentations.Open("),
            Lines{"Presentations.Open(C:\\Talks\\b.ppt,0,0,-1) lcid=" +
                  std::to_string(LOCALE_USER_DEFAULT)});
  EXPECT_EQ(kPowerPoint.LinesStartingWith("Presentation.PrintOut("),
            Lines{"Presentation.PrintOut(1,2,,1,0) lcid=" + std::to_string(LOCALE_USER_DEFAULT)});
  EXPECT_TRUE(kPowerPoint.Logged("PrintOut.Printer=Orvane Tessaly"));
  EXPECT_EQ(kPowerPoint.LinesStartingWith("Application.WindowState=").size(), 1u);
}

TEST_F(FakeServerTest, ExcelMembersAnswerInTheUsersLocale) {
  std::unique_ptr<ExcelApplication> app = DefaultOfficeApplications().Excel();
  app->SetVisible(true);
  std::unique_ptr<ExcelWorkbook> book = app->ActiveWorkbook();
  EXPECT_EQ(book->SheetCount(), 2);
  EXPECT_EQ(book->PropertyText(3), L"Ann");
  ASSERT_EQ(book->Worksheets()->Count(), 1);
  std::unique_ptr<ExcelWorksheet> sheet = app->Worksheets()->Item(1);
  EXPECT_EQ(sheet->Name(), L"Sales");
  EXPECT_EQ(sheet->HorizontalPageBreaks() * 10 + sheet->VerticalPageBreaks(), 21);
  std::unique_ptr<ExcelPageSetup> setup = sheet->PageSetup();
  EXPECT_EQ(setup->PrintQuality(), 300);
  EXPECT_EQ(setup->Orientation(), kExcelLandscape);
  setup->SetPrintQuality(600);
  setup->SetOrientation(kExcelPortrait);
  EXPECT_EQ(setup->PrintQuality() * 10 + setup->Orientation(), 6001);

  // The active sheet is a chart sheet: no _Worksheet.
  ExpectComError([&] { app->ActiveSheet(); }, E_NOINTERFACE, kExcelNotAWorksheet);
  ExpectComError([&] { book->Path(); }, static_cast<HRESULT>(0x800A1066), "The book is away.");

  EXPECT_EQ(app->Workbooks()->Open(L"C:\\Books\\b.xls")->Name(), L"b.xls");
  app->Workbooks()->Item(1)->Activate();
  app->ActiveWorkbook()->PrintOut(L"Orvane Tessaly");

  const std::string lcid = " lcid=" + std::to_string(GetUserDefaultLCID());
  using Lines = std::vector<std::string>;
  EXPECT_EQ(kExcel.LinesStartingWith("PageSetup.PrintQuality="),
            Lines{"PageSetup.PrintQuality=1,600" + lcid});
  EXPECT_EQ(kExcel.LinesStartingWith("Workbook.PrintOut("),
            Lines{"Workbook.PrintOut(-,-,-,-,Orvane Tessaly)" + lcid});
  EXPECT_TRUE(kExcel.Logged("PrintOut.Printer=Orvane Tessaly"));
  int calls = 0;
  for (const std::string& line : kExcel.Log()) {
    if (line.rfind("PrintOut.", 0) == 0) continue;
    ++calls;
    EXPECT_EQ(line.substr(line.size() - std::min(line.size(), lcid.size())), lcid) << line;
  }
  EXPECT_GT(calls, 20);
}

}  // namespace
}  // namespace tessaly
