// The PowerPoint flow over the in-memory PowerPoint.
#include "printing/powerpoint_flow.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "office/fake/fake_powerpoint.h"
#include "platform/fake/fake_env.h"
#include "profiles/profile_manager.h"
#include "tests/exception_message.h"

namespace tessaly {
namespace {

const char kPlugInPath[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\PlugIn.qvf";

class PowerPointFlowTest : public ::testing::Test {
 protected:
  PowerPointFlowTest() {
    powerpoint_.open.emplace_back();
    talk().path = L"C:\\Talks";
    talk().name = L"talk.ppt";
  }
  FakePowerPointPresentation& talk() { return powerpoint_.open.front(); }
  void Settings(const std::function<void(TqvPowerPointSettings&)>& change) {
    TqvProfileManager manager(fake_.env);
    change(manager.AddinSettings().ppt());
  }
  void Run() {
    auto app = powerpoint_.Application();
    auto presentation = app->ActivePresentation();
    PrintPowerPointPresentation(fake_.env, *presentation);
  }
  std::string Value(const char* section, const std::string& key) {
    TqvProfileManager manager(fake_.env);
    return manager.plugin_store().ini().ReadString(section, key, "(none)");
  }
  // "text/level/page" of every bookmark entry.
  std::vector<std::string> Bookmarks() {
    TqvProfileManager manager(fake_.env);
    TqvAddinPDFBookmark& b = manager.Bookmarks();
    std::vector<std::string> out;
    for (int32_t i = 1; i <= b.Count(); ++i) {
      b.SetNumber(i);
      out.push_back(b.Text() + "/" + std::to_string(b.Level()) + "/" +
                    std::to_string(b.Page()) + "/" + std::to_string(b.VerticalPos()));
    }
    return out;
  }

  FakeEnv fake_;
  FakePowerPoint powerpoint_;
};

TEST_F(PowerPointFlowTest, OutlineShapesBecomeBookmarks) {
  struct Case {
    std::vector<FakePowerPointShape> shapes;
    bool text_too;
    std::vector<std::string> bookmarks;
  };
  const Case cases[] = {
      {{{L"Rectangle 2", L"Sales", {0, 36}}, {L"Rectangle 3", L"North\rSouth", {0, 72}}},
       false, {"Sales/0/2/48"}},
      {{{L"Rectangle 2", L"Sales", {0, 36}}, {L"RECTANGLE 3", L"North\rSouth", {0, 72}}},
       true, {"Sales/0/2/48", "North/1/2/96", "South/1/2/96"}},
      // A CR LF pair leaves an empty line between its two characters.
      {{{L"Rectangle 1", L"a\r\nb", {0, 0}}}, true, {"a/0/2/0", "/0/2/0", "b/0/2/0"}},
      // The lowest shape of the slide is level 0 whatever its number.
      {{{L"Rectangle 3", L"Only", {0, 0}}}, false, {"Only/0/2/0"}},
      {{{L"Rectangle 5", L"five", {}}, {L"Rectangle 12", L"twelve", {}}, {L"Title 1", L"t", {}}},
       true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bookmarks));
    Settings([&](TqvPowerPointSettings& s) { s.SetPresentationTextToPDFBookmark(c.text_too); });
    talk().slides = {{}, {}};
    talk().slides[1].shapes = c.shapes;
    Run();
    EXPECT_EQ(Bookmarks(), c.bookmarks);
  }
}

TEST_F(PowerPointFlowTest, LinksAreMeasuredAndClassified) {
  struct Case {
    int32_t pixels_per_inch;
    FakePowerPointHyperlink link;
    std::map<std::string, std::string> fields;
  };
  const PowerPointRectangle box = {72, 72, 144, 36};
  const Case cases[] = {
      {96, {1, L"", L"257,3,Results", box},
       {{"Hyperlink Left Pos1", "116"}, {"Hyperlink Top Pos1", "116"},
        {"Hyperlink Right Pos1", "308"}, {"Hyperlink Bottom Pos1", "164"},
        {"Hyperlink Type1", "0"}, {"Hyperlink DestPage Number1", "3"},
        {"Hyperlink DestTop Pos1", "0"}, {"Hyperlink Page Number1", "1"}}},
      // 10.5 points at 108 pixels per inch are 15.75 pixels, then 35.75
      // with the offset: 36; the width 3.5 points are 5.25 pixels: 5.
      {108, {kPowerPointLinkOnText, L"someone@example.org", L" ", {10.5, 10.5, 3.5, 3.5}},
       {{"Hyperlink Left Pos1", "36"}, {"Hyperlink Right Pos1", "41"},
        {"Hyperlink Type1", "1"}, {"Hyperlink URI1", "someone@example.org"}}},
      {96, {1, L"HTTP://EXAMPLE.ORG", L"", box}, {{"Hyperlink Type1", "1"}}},
      {96, {1, L"report.doc", L"", box},
       {{"Hyperlink Type1", "2"}, {"Hyperlink Filename1", "C:\\Talks\\report.doc"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fields.begin()->second);
    fake_.screen.pixels_per_inch = c.pixels_per_inch;
    talk().slides = {{}};
    talk().slides[0].hyperlinks = {c.link};
    Run();
    EXPECT_EQ(Value("Hyperlink", "Hyperlink Count"), "1");
    for (const auto& [key, value] : c.fields) EXPECT_EQ(Value("Hyperlink", key), value) << key;
  }
}

TEST_F(PowerPointFlowTest, BadSubAddressesFailTheRun) {
  struct Case {
    std::wstring sub_address;
    std::string message;
  };
  const Case cases[] = {
      {L"257", "List index out of bounds (1)"},
      {L"257,three", "'three' is not a valid integer value"},
  };
  { TqvProfileManager manager(fake_.env); }
  const std::string before = fake_.files.Get(kPlugInPath);
  for (const Case& c : cases) {
    talk().slides = {{}};
    talk().slides[0].hyperlinks = {{1, L"", c.sub_address, {}}};
    EXPECT_EQ(MessageOf([&] { Run(); }), c.message);
    EXPECT_EQ(fake_.files.Get(kPlugInPath), before);
    EXPECT_TRUE(powerpoint_.print_jobs.empty());
  }
}

TEST_F(PowerPointFlowTest, NotesPropertiesAndPrinting) {
  Settings([](TqvPowerPointSettings& s) { s.SetPresentationNotesToPDFNotes(true); });
  talk().slides = {{L"  \r\n", {}, {}}, {L" Say hello ", {}, {}}};
  talk().properties = {{kOfficeTitle, L"Talk"}, {kOfficeAuthor, L"Me"}};
  Run();
  // Blank notes use no number.
  const std::map<std::string, std::string> notes = {
      {"Document Comment Count", "1"}, {"DocumentCommentText1", "Say hello"},
      {"Document Comment Page1", "2"}, {"Document Comment PredefinedPositions1", "1"},
      {"Document Comment color1", "15780518"},
  };
  for (const auto& [key, value] : notes) EXPECT_EQ(Value("Document Comment", key), value) << key;
  EXPECT_EQ(Value("Document Properties", "Doc Creator"), "Me");
  EXPECT_EQ(Value("Headings", "Headings Count"), "0");
  EXPECT_EQ(Value("Hyperlink", "Hyperlink Count"), "0");
  ASSERT_EQ(powerpoint_.print_jobs.size(), 1u);
  const FakePowerPoint::PrintJob& job = powerpoint_.print_jobs[0];
  EXPECT_EQ(job.printer, L"Orvane Tessaly");
  EXPECT_EQ(job.from, 1);
  EXPECT_EQ(job.to, 2);
  EXPECT_EQ(job.print_to_file, L"");
  EXPECT_EQ(job.copies, 1);
  EXPECT_FALSE(job.collate);

  // No slides: the counts are written, nothing is printed.
  talk().slides.clear();
  Run();
  EXPECT_EQ(Value("Document Comment", "Document Comment Count"), "0");
  EXPECT_EQ(powerpoint_.print_jobs.size(), 1u);
}

}  // namespace
}  // namespace tessaly
