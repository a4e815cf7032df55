#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "common/store_codec.h"
#include "common/zlib_stream.h"
#include "platform/fake/fake_env.h"
#include "profiles/profile_keys.h"
#include "profiles/profile_manager.h"
#include "tools/tqstore/tqstore.h"

namespace tessaly {
namespace {

const char kDir[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles";
const char kProfiles[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\Profiles.qvf";
const char kPlugIn[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\PlugIn.qvf";
const char kWorking[] = "C:\\Program Files\\Orvane\\Tessaly\\Profiles\\\\Profiles.~qvf";

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

// Stores written by the SDK: a profile "Büro" with two changed keys, one
// bookmark, one link and a watermark profile with a text item.
class TqstoreTest : public ::testing::Test {
 protected:
  TqstoreTest() {
    TqvProfileManager manager(fake_.env);
    auto office = manager.CreateNewProfile(L"B\u00fcro");
    office->SetPDFEncryptEnabled(false);
    office->SetEmailSMTPServerPort(587);
    auto item = std::make_unique<TqvTextWatermark>();
    item->SetItemName("draft");
    item->SetText("DRAFT");
    manager.CreateWatermarkProfile(L"Draft", false)->AddTextItem(std::move(item), false);
    manager.Bookmarks().SetCount(1);
    manager.Bookmarks().SetText("Chapter 1");
    manager.Bookmarks().SetPage(3);
    manager.Hyperlinks().SetCount(1);
    manager.Hyperlinks().SetHyperLinkType(1);
    manager.Hyperlinks().SetURI("https://example.org");
    manager.Hyperlinks().SetSourceRect({10, 20, 110, 40});
  }

  ToolRun Tool(std::vector<std::string> args) {
    std::ostringstream out, err;
    int status = RunTqstore(fake_.env, args, out, err);
    return {status, out.str(), err.str()};
  }

  FakeEnv fake_;
};

TEST_F(TqstoreTest, CatThenPackGivesBackTheSdksBytes) {
  for (const char* store : {kProfiles, kPlugIn}) {
    std::string bytes = fake_.files.Get(store);
    ToolRun cat = Tool({"cat", store});
    ASSERT_EQ(cat.status, 0) << cat.err;
    fake_.files.Put("C:\\t\\text.ini", cat.out);
    ASSERT_EQ(Tool({"pack", "C:\\t\\text.ini", "C:\\t\\copy.qvf"}).status, 0);
    EXPECT_EQ(fake_.files.Get("C:\\t\\copy.qvf"), bytes) << store;
  }
  EXPECT_EQ(Tool({"check", kProfiles, kPlugIn, std::string(kDir) + "\\WatermarkProfiles.xml"})
                .status,
            0);
}

TEST_F(TqstoreTest, CheckFindsPlantedFaults) {
  std::string good = EncodeStore("[General Settings]\r\nShowPreview=1\r\n");
  struct Case {
    const char* name;
    std::string bytes;
    int status;
    const char* finding;
  } cases[] = {
      {"truncated.qvf", good.substr(0, good.size() - 6), 1, ".qvf: corrupt store: Truncated"},
      {"overcap.qvf", EncodeStore(std::string(kStoreSizeLimit + 1, 'x')), 1, "size limit"},
      {"garbage.qvf", EncodeStore("stray\r\n[General Settings]\r\njunk here\r\n"), 1,
       ".qvf:3: [General Settings] junk here: line without"},
      {"number.qvf", EncodeStore("[Office]\r\nPDFColorRes=high\r\n"), 1,
       ".qvf:2: [Office] PDFColorRes=high: not an integer; the printer reads \"2\" instead"},
      {"unknown.qvf", EncodeStore("[Office]\r\nPDFColourRes=2\r\n"), 1, "unknown key"},
      {"plugin.qvf", EncodeStore("[Headings]\r\nHeading Page1=x\r\n[Nope]\r\n"), 1,
       ".qvf:2: [Headings] Heading Page1=x: not an integer; the printer reads \"1\""},
  };
  for (const Case& c : cases) {
    std::string path = std::string("C:\\t\\") + c.name;
    fake_.files.Put(path, c.bytes);
    ToolRun run = Tool({"check", path});
    EXPECT_EQ(run.status, c.status) << c.name;
    EXPECT_NE(run.out.find(c.finding), std::string::npos) << c.name << ": " << run.out;
  }
  EXPECT_NE(Tool({"check", "C:\\t\\garbage.qvf"}).out.find(":1: stray: line before"),
            std::string::npos);
  EXPECT_NE(Tool({"check", "C:\\t\\plugin.qvf"}).out.find(":3: [Nope] unknown section"),
            std::string::npos);
  EXPECT_EQ(Tool({"check", "C:\\t\\missing.qvf"}).status, 2);
  fake_.files.Put("C:\\t\\bad.xml", "<Orvane><WatermarkProfiles>");
  EXPECT_EQ(Tool({"check", "C:\\t\\bad.xml"}).status, 1);
}

// Keys in the tables' order and spelling are matched by their spelling
// alone; the findings are the same as for the keys in another letter case.
TEST_F(TqstoreTest, CheckFindsTheSameInKeysOfAnyCase) {
  std::string text = "[P]\r\n";
  for (const ProfileKey& row : kProfileKeys) text += std::string(row.key) + "= x \r\n";
  text += "Unknown=1\r\n";
  const char path[] = "C:\\t\\tables.qvf";
  fake_.files.Put(path, EncodeStore(text));
  ToolRun tables = Tool({"check", path});
  std::transform(text.begin(), text.end(), text.begin(), ::tolower);
  fake_.files.Put(path, EncodeStore(text));
  ToolRun lower = Tool({"check", path});
  EXPECT_EQ(tables.status, 1);
  EXPECT_GT(std::count(tables.out.begin(), tables.out.end(), '\n'), 100);
  for (std::string* out : {&tables.out, &lower.out}) {
    std::transform(out->begin(), out->end(), out->begin(), ::tolower);
  }
  EXPECT_EQ(tables.out, lower.out);
}

TEST_F(TqstoreTest, SetWritesTypedValuesWholeOrNotAtAll) {
  ASSERT_EQ(Tool({"set", kDir, "B\xc3\xbcro", "SMTPPortNo", "0x19"}).status, 0);
  EXPECT_EQ(Tool({"get", kDir, "B\xc3\xbcro", "EmailSMTPServerPort"}).out, "25\n");
  std::string before = fake_.files.Get(kProfiles);
  struct Case {
    std::vector<std::string> args;
    const char* error;
  } refused[] = {
      {{"set", kDir, "B\xc3\xbcro", "SMTPPortNo", "many"}, "is not an integer"},
      {{"set", kDir, "B\xc3\xbcro", "EnableEncryption", "maybe"}, "is not a boolean"},
      {{"set", kDir, "B\xc3\xbcro", "HTMLLinkFontData", "Arial,big"}, "is not a font"},
      {{"set", kDir, "B\xc3\xbcro", "WatermarkProfile", "Nope"}, "does not exists"},
      {{"set", kDir, "Nobody", "SMTPPortNo", "1"}, "no profile \"Nobody\""},
      {{"set", kDir, "B\xc3\xbcro", "NoSuchKey", "1"}, "no profile key"},
      {{"set", "C:\\elsewhere", "B\xc3\xbcro", "SMTPPortNo", "1"}, "no such file"},
  };
  for (const Case& c : refused) {
    ToolRun run = Tool(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  fake_.files.SetDiskFull(true);
  ToolRun full = Tool({"set", kDir, "B\xc3\xbcro", "SMTPPortNo", "2"});
  EXPECT_EQ(full.status, 2);
  EXPECT_NE(full.err.find("it is unchanged"), std::string::npos);
  EXPECT_EQ(fake_.files.Get(kProfiles), before);
  EXPECT_TRUE(fake_.files.FilesStartingWith(kWorking).empty());
}

TEST_F(TqstoreTest, OutputShapes) {
  EXPECT_EQ(Tool({"profiles", kDir}).out,
            "[PDF - Best Quality]\nLast Saved State\nB\xc3\xbcro\n");
  std::string show = Tool({"show", kDir, "B\xc3\xbcro"}).out;
  EXPECT_NE(show.find("* PDFEncryptEnabled [EnableEncryption]: false (default: true)\n"),
            std::string::npos);
  EXPECT_NE(show.find("\n  DocInfoTitle [Title]:  (default: )\n"), std::string::npos);
  EXPECT_EQ(Tool({"show", "--json", kDir, "B\xc3\xbcro"}).out.rfind(
                "{\"profile\":\"B\xc3\xbcro\",\"keys\":[{\"property\":\"DocInfoAuthor\"", 0),
            0u);
  ToolRun diff = Tool({"diff", kDir, "[PDF - Best Quality]", "B\xc3\xbcro"});
  EXPECT_EQ(diff.status, 1);
  EXPECT_EQ(diff.out,
            "EmailSMTPServerPort [SMTPPortNo]: 25 | 587\n"
            "PDFEncryptEnabled [EnableEncryption]: true | false\n");
  std::string job = Tool({"job", kDir}).out;
  for (const char* line : {"  format: PDF\n", "  qvPD: (missing)\n", "bookmarks (1):\n",
                           "  1. text: Chapter 1, level: 0, page: 3, vertical position: 0\n",
                           "  1. type: internet link, page: 1, rectangle: (10,20,110,40), "
                           "URI: https://example.org\n",
                           "notes (0)\n"}) {
    EXPECT_NE(job.find(line), std::string::npos) << line << job;
  }
  std::string json = Tool({"job", "--json", kDir}).out;
  EXPECT_NE(json.find("\"bookmarks\":[{\"text\":\"Chapter 1\",\"level\":0,\"page\":3"),
            std::string::npos);
  ToolRun check = Tool({"check", "--json", "C:\\t\\none.qvf"});
  EXPECT_EQ(check.out, "{\"files\":[{\"path\":\"C:\\\\t\\\\none.qvf\",\"findings\":[{\"line\":0,"
                       "\"section\":\"\",\"key\":\"\",\"value\":\"\",\"message\":\"cannot be "
                       "read\"}]}],\"status\":2}\n");
  for (const char* command : {"cat", "pack", "check", "profiles", "show", "get", "set", "diff",
                              "job"}) {
    ToolRun help = Tool({command, "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind(std::string("usage: tqstore ") + command, 0), 0u);
  }
  EXPECT_EQ(Tool({"show", kDir}).status, 2);
  EXPECT_EQ(Tool({"frobnicate"}).status, 2);
}

}  // namespace
}  // namespace tessaly
