// What the print flows rely on in the in-memory PowerPoint.
#include "office/fake/fake_powerpoint.h"

#include <gtest/gtest.h>

#include <string>

#include "office/fake/fake_office.h"
#include "tests/exception_message.h"

namespace tessaly {
namespace {

const char kNoSuchMember[] = "Object doesn't support this property or method.";

FakePowerPointPresentation Sample() {
  FakePowerPointPresentation p;
  p.path = L"C:\\Talks";
  p.name = L"a.ppt";
  FakePowerPointSlide first;
  first.notes = L"say hello";
  first.shapes = {{L"Rectangle 2", L"Sales", {10, 20, 300, 40}}};
  first.hyperlinks = {{kPowerPointLinkOnText, L"www.example.org", L"", {1, 2, 3, 4}},
                      {1, L"", L"257,3,Results", {72, 72, 144, 36}}};
  p.slides = {first, {}};
  return p;
}

class FakePowerPointTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ppt_.open.push_back(Sample());
    app_ = ppt_.Application();
  }
  std::unique_ptr<PowerPointSlide> Slide(int32_t index) {
    return app_->ActivePresentation()->Slides()->Item(index);
  }

  FakePowerPoint ppt_;
  std::unique_ptr<PowerPointApplication> app_;
};

// The flow must pick the members by the link's type: the other kind fails.
TEST_F(FakePowerPointTest, ALinkCarrierAnswersOnlyTheMembersOfItsKind) {
  auto links = Slide(1)->Hyperlinks();
  EXPECT_EQ(links->Item(1)->Carrier()->TextBounds().width, 3);
  EXPECT_EQ(MessageOf([&] { links->Item(1)->Carrier()->ShapeBounds(); }), kNoSuchMember);
  EXPECT_EQ(links->Item(2)->Carrier()->ShapeBounds().left, 72);
  EXPECT_EQ(MessageOf([&] { links->Item(2)->Carrier()->TextBounds(); }), kNoSuchMember);
  EXPECT_EQ(ppt_.CallsOf("ActionSetting.parent"), 4);
}

TEST_F(FakePowerPointTest, SlidesKnowTheirIndexAndPathsCountEachStep) {
  EXPECT_EQ(Slide(2)->SlideIndex(), 2);
  EXPECT_EQ(Slide(1)->Shapes()->Item(1)->Text(), L"Sales");
  ppt_.calls.clear();
  ppt_.total_calls = 0;
  EXPECT_EQ(Slide(1)->NotesText(), L"say hello");
  // ActivePresentation, Slides, Item, then the seven steps of the notes.
  EXPECT_EQ(ppt_.total_calls, 10);
  EXPECT_EQ(MessageOf([&] { Slide(3); }),
            "The index into the specified collection is out of bounds.");
}

TEST_F(FakePowerPointTest, OpenActivatesAndPrintOutRecordsWhatItWasGiven) {
  FakePowerPointPresentation other;
  other.name = L"b.ppt";
  ppt_.files[L"C:\\b.ppt"] = other;
  auto presentations = app_->Presentations();
  EXPECT_EQ(MessageOf([&] { presentations->Open(L"C:\\c.ppt"); }),
            "PowerPoint could not open the file.");
  presentations->Open(L"C:\\b.ppt")->SetActivePrinter(L"Orvane Tessaly");
  EXPECT_EQ(presentations->Count(), 2);

  ppt_.failures["Presentation.PrintOut"] = "PowerPoint's own message";
  EXPECT_EQ(MessageOf([&] { app_->ActivePresentation()->PrintOut(1, 2, L"", 1, false); }),
            "PowerPoint's own message");
  ppt_.failures.clear();
  app_->ActivePresentation()->PrintOut(1, 2, L"", 1, false);
  ASSERT_EQ(ppt_.print_jobs.size(), 1u);
  const FakePowerPoint::PrintJob& job = ppt_.print_jobs[0];
  EXPECT_EQ(job.presentation, L"b.ppt");
  EXPECT_EQ(job.printer, L"Orvane Tessaly");
  EXPECT_EQ(job.to, 2);
  EXPECT_FALSE(job.collate);
}

TEST(FakeOfficeApplicationsTest, EachApplicationCountsAndFailsItsConnections) {
  FakeOfficeApplications office;
  office.powerpoint_failure = "PowerPoint is not installed";
  office.excel_failure = "Excel is not installed";
  EXPECT_EQ(MessageOf([&] { office.PowerPoint(); }), "PowerPoint is not installed");
  EXPECT_EQ(MessageOf([&] { office.Excel(); }), "Excel is not installed");
  office.excel_failure.clear();
  EXPECT_NE(office.Excel(), nullptr);
  EXPECT_EQ(office.powerpoint_connections, 1);
  EXPECT_EQ(office.excel_connections, 2);
  EXPECT_EQ(office.word_connections, 0);
}

}  // namespace
}  // namespace tessaly
