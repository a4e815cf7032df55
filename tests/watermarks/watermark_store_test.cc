#include <gtest/gtest.h>

#include "platform/fake/fake_env.h"
#include "tests/exception_message.h"
#include "watermarks/font_text.h"
#include "watermarks/value_text.h"
#include "watermarks/watermark_manager.h"
#include "watermarks/watermark_profile.h"

namespace tessaly {
namespace {

using Names = std::vector<std::string>;

const char kPath[] = "C:\\T\\Profiles\\WatermarkProfiles.xml";
const char kPicture[] = "C:\\Pictures\\logo.png";

std::unique_ptr<TqvTextWatermark> Text(const std::string& name) {
  auto item = std::make_unique<TqvTextWatermark>();
  item->SetItemName(name);
  return item;
}

std::unique_ptr<TqvImageWatermark> Image(const std::string& name, const std::string& path = "") {
  auto item = std::make_unique<TqvImageWatermark>();
  item->SetItemName(name);
  item->SetImagePath(path);
  return item;
}

// An element of the file as "Name(attribute=value)[text]{children}".
std::string Describe(const XmlElement& e) {
  std::string out = e.LocalName();
  std::wstring value;
  for (const char* a : {"PName", "TxtName", "ImgName"}) {
    if (e.GetAttribute(a, &value)) out += "(" + std::string(a) + "=" + std::string(value.begin(), value.end()) + ")";
  }
  auto children = e.ChildElements();
  if (children.empty()) {
    std::wstring text = e.Text();
    out += "[" + std::string(text.begin(), text.end()) + "]";
  } else {
    out += "{";
    for (size_t i = 0; i < children.size(); ++i) out += (i ? " " : "") + Describe(*children[i]);
    out += "}";
  }
  return out;
}

class WatermarkStoreTest : public ::testing::Test {
 protected:
  WatermarkStoreTest() { fake_.files.Put(kPicture, "png"); }

  TqvWatermarkManager& Store() {
    if (!store_) {
      store_ = std::make_unique<TqvWatermarkManager>(fake_.env);
      store_->Open(kPath);
    }
    return *store_;
  }
  std::unique_ptr<TqvWatermarkProfile> Profile(const std::string& name) {
    auto profile = std::make_unique<TqvWatermarkProfile>();
    profile->Open(name, &Store());
    return profile;
  }
  // The file's profile list, described.
  std::string File() {
    auto doc = PlatformXmlParser().Parse(fake_.files.Get(kPath));
    return Describe(*doc->DocumentElement());
  }
  void WriteFile(const std::string& profiles) {
    fake_.files.Put(kPath, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Orvane><WatermarkProfiles>" +
                               profiles + "</WatermarkProfiles></Orvane>");
  }

  FakeEnv fake_;
  std::unique_ptr<TqvWatermarkManager> store_;
};

TEST_F(WatermarkStoreTest, NewFileHoldsTheNoneProfile) {
  EXPECT_EQ(Store().ProfileNames(), Names{"None"});
  EXPECT_TRUE(Store().IsOpen());
  EXPECT_EQ(File(), "Orvane{WatermarkProfiles{Profile(PName=None)[]}}");
  EXPECT_EQ(fake_.files.Get(kPath).rfind(
                "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>", 0),
            0u);
  EXPECT_EQ(fake_.files.Paths().size(), 2u);  // no working file left behind
}

TEST_F(WatermarkStoreTest, FileFormat) {
  auto profile = Profile("Draft");
  auto text = Text("t");
  text->SetText("DRAFT");
  text->SetX(1.5);
  text->SetY(0.00005);
  text->SetAngle(-45);
  text->SetFont({"Arial", 12, 0, 255, fsBold});
  text->SetFillStyle(bsClear);
  text->SetFillColor(kClWindowText);
  text->SetHorizontalAnchorPoint(apRight);
  text->SetVerticalAnchorPoint(apBottom);
  EXPECT_TRUE(profile->AddTextItem(std::move(text), false));
  auto image = Image("i", kPicture);
  image->SetX(1.5e20);
  image->SetWidth(0.0001);
  image->SetHeight(20);
  image->SetAspectRatio(true);
  image->SetAngle(1000);
  EXPECT_TRUE(profile->AddImageItem(std::move(image), false));
  EXPECT_EQ(File(),
            "Orvane{WatermarkProfiles{Profile(PName=None)[] Profile(PName=Draft){"
            "TextData(TxtName=t){Text[DRAFT] X[1.5] Y[5E-5] Angle[-45] "
            "Font[Arial,12,0,255,True,False,False,False] FillStyle[1] FillColor[-16777208] "
            "HorizPos[2] VertPos[2]} "
            "ImageData(ImgName=i){Image[C:\\Pictures\\logo.png] X[1.5E20] Y[0] HorizPos[0] "
            "VertPos[0] Angle[1000] Width[0.0001] Height[20] AspectRatio[true] "
            "CoverPage[false]}}}}");
}

TEST_F(WatermarkStoreTest, EveryFieldRoundTrips) {
  // A locale with a decimal comma changes nothing in the file.
  fake_.code_page.SetDecimalSeparator(',');
  {
    auto profile = Profile("R\xe9sum\xe9, \"v2\"");
    auto text = Text("name with <xml> & blanks ");
    text->SetText("  Confidential \xe9t\xe9\r\nline 2 ");
    text->SetX(-0.333333333333333);
    text->SetY(123456789012345);
    text->SetAngle(2147483647);
    text->SetFont({"Odd, \"quoted\" face", -11, 238, 0x80000005, fsItalic | fsStrikeOut});
    text->SetFillStyle(7);
    text->SetFillColor(0x00123456);
    text->SetHorizontalAnchorPoint(255);
    text->SetVerticalAnchorPoint(7);
    profile->AddTextItem(std::move(text), false);
    auto image = Image("", kPicture);
    image->SetY(-1e-300);
    image->SetWidth(-3);
    image->SetHeight(1e15);
    image->SetCoverPage(true);
    image->SetHorizontalAnchorPoint(apHCustom);
    image->SetVerticalAnchorPoint(apVCustom);
    profile->AddImageItem(std::move(image), false);
  }
  TqvWatermarkManager reopened(fake_.env);
  reopened.Open(kPath);
  auto items = reopened.ReadProfileItems("R\xe9sum\xe9, \"v2\"");
  ASSERT_EQ(items->Count(), 2);
  auto& text = static_cast<TqvTextWatermark&>(*items->Item(0));
  EXPECT_EQ(text.ItemName(), "name with <xml> & blanks ");
  EXPECT_EQ(text.Text(), "  Confidential \xe9t\xe9\r\nline 2 ");
  EXPECT_EQ(text.X(), -0.333333333333333);
  EXPECT_EQ(text.Y(), 123456789012345);
  EXPECT_EQ(text.Angle(), 2147483647);
  EXPECT_EQ(text.Font(), (TqvFont{"Odd, \"quoted\" face", -11, 238, 0x80000005, 10}));
  EXPECT_EQ(text.FillStyle(), 7);
  EXPECT_EQ(text.FillColor(), 0x00123456u);
  EXPECT_EQ(text.HorizontalAnchorPoint(), 255);
  EXPECT_EQ(text.VerticalAnchorPoint(), 7);
  auto& image = static_cast<TqvImageWatermark&>(*items->Item(1));
  EXPECT_EQ(image.ItemName(), "");
  EXPECT_EQ(image.ImagePath(), kPicture);
  EXPECT_EQ(image.X(), 0);
  EXPECT_EQ(image.Y(), -1e-300);
  EXPECT_EQ(image.Width(), -3);
  EXPECT_EQ(image.Height(), 1e15);
  EXPECT_FALSE(image.AspectRatio());
  EXPECT_TRUE(image.CoverPage());
  EXPECT_EQ(image.HorizontalAnchorPoint(), apHCustom);
  EXPECT_EQ(image.VerticalAnchorPoint(), apVCustom);
}

TEST_F(WatermarkStoreTest, SavingMovesTheProfileToTheEndAndEmptyProfilesGo) {
  Profile("A")->AddTextItem(Text("a"), false);
  Profile("B")->AddTextItem(Text("b"), false);
  EXPECT_EQ(Store().ProfileNames(), (Names{"None", "A", "B"}));
  auto a = Profile("A");
  EXPECT_TRUE(a->AddImageItem(Image("a2"), false));
  EXPECT_EQ(Store().ProfileNames(), (Names{"None", "B", "A"}));
  // Deleting the last items: false, and the profile leaves the file.
  EXPECT_TRUE(a->DeleteItemByName("a"));
  EXPECT_FALSE(a->DeleteItemByIndex(0));
  EXPECT_FALSE(a->DeleteItemByIndex(0));  // no items left: nothing happens
  EXPECT_EQ(File(), "Orvane{WatermarkProfiles{Profile(PName=None)[] Profile(PName=B){"
                    "TextData(TxtName=b){Text[] X[0] Y[0] Angle[0] "
                    "Font[\"MS Sans Serif\",8,1,-16777208,False,False,False,False] FillStyle[0] "
                    "FillColor[16777215] HorizPos[0] VertPos[0]}}}}");
  // The empty element stays in memory until the store is read again.
  EXPECT_EQ(Store().ProfileNames(), (Names{"None", "B", "A"}));
  EXPECT_TRUE(Store().Reload());
  EXPECT_EQ(Store().ProfileNames(), (Names{"None", "B"}));
}

TEST_F(WatermarkStoreTest, ResetAndRemove) {
  Profile("A")->AddTextItem(Text("a"), false);
  EXPECT_FALSE(Store().ResetProfile("A", false));
  EXPECT_EQ(Store().ReadProfileItems("A")->Count(), 1);
  EXPECT_FALSE(Store().ResetProfile("A", true));
  EXPECT_EQ(Store().ReadProfileItems("A")->Count(), 0);
  EXPECT_EQ(File(), "Orvane{WatermarkProfiles{Profile(PName=None)[]}}");
  Profile("B")->AddTextItem(Text("b"), false);
  EXPECT_FALSE(Store().RemoveProfile("b"));
  EXPECT_TRUE(Store().RemoveProfile("B"));
  EXPECT_FALSE(Store().RemoveProfile("B"));
  EXPECT_FALSE(Store().RemoveProfile("None"));
}

// "None" means no watermark: it takes no items, so it never turns into a
// second "None" profile that readers would not see.
TEST_F(WatermarkStoreTest, TheNoneProfileKeepsNoItems) {
  std::string before = fake_.files.Get(kPath);
  Store();
  before = fake_.files.Get(kPath);
  auto none = Profile("None");
  EXPECT_FALSE(none->AddTextItem(Text("t"), false));
  EXPECT_FALSE(none->AddImageItem(Image("i"), true));
  EXPECT_EQ(none->Count(), 0);
  EXPECT_FALSE(Store().ResetProfile("None", true));
  TqvRenderItemsList list("None");
  list.Add(Text("x"));
  EXPECT_FALSE(Store().StoreProfile(list));
  EXPECT_EQ(fake_.files.Get(kPath), before);
  EXPECT_EQ(Store().ProfileNames(), Names{"None"});
  // Profiles that only look alike are ordinary profiles.
  EXPECT_TRUE(Profile("none")->AddTextItem(Text("t"), false));
}

TEST_F(WatermarkStoreTest, HandWrittenNoneItemsAreReadButNotRewritten) {
  WriteFile("<Profile PName=\"None\"><TextData TxtName=\"t\"/></Profile>");
  auto none = Profile("None");
  EXPECT_EQ(none->Count(), 1);
  EXPECT_FALSE(none->DeleteItemByIndex(0));
  EXPECT_EQ(none->Count(), 1);
}

TEST_F(WatermarkStoreTest, AddingItems) {
  auto profile = Profile("P");
  auto first = Text("x");
  first->SetText("old");
  EXPECT_TRUE(profile->AddTextItem(std::move(first), false));
  EXPECT_TRUE(profile->AddTextItem(Text("y"), false));
  EXPECT_FALSE(profile->AddTextItem(Text("x"), false));
  EXPECT_FALSE(profile->AddImageItem(nullptr, true));
  EXPECT_EQ(static_cast<TqvTextWatermark*>(profile->GetItemByName("x"))->Text(), "old");
  // Replacing takes the old item's place, whatever its kind.
  EXPECT_TRUE(profile->AddImageItem(Image("x", kPicture), true));
  EXPECT_EQ(profile->GetItemType(0), wtImage);
  EXPECT_EQ(profile->GetItemType(1), wtText);
  EXPECT_EQ(profile->GetItemType(2), wtNone);
  EXPECT_EQ(MessageOf([&] { profile->GetItemType(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(profile->GetItemByIndex(0)->ItemName(), "x");
  EXPECT_EQ(profile->GetItemByIndex(2), nullptr);
  EXPECT_EQ(profile->GetItemByIndex(-1), nullptr);
  EXPECT_EQ(profile->GetItemByName("X"), nullptr);
  EXPECT_EQ(Store().ReadProfileItems("P")->Item(0)->Kind(), wtImage);
  EXPECT_EQ(MessageOf([&] { profile->DeleteItemByIndex(2); }), "List index out of bounds (2)");
  EXPECT_FALSE(profile->DeleteItemByName("nope"));
  EXPECT_EQ(profile->ProfileName(), "P");
}

TEST_F(WatermarkStoreTest, ProfilesDoNotSeeEachOthersLaterChanges) {
  auto one = Profile("P");
  auto two = Profile("P");
  one->AddTextItem(Text("a"), false);
  EXPECT_EQ(two->Count(), 0);
  two->AddTextItem(Text("b"), false);  // writes its own view: only "b"
  EXPECT_EQ(Profile("P")->Count(), 1);
}

TEST_F(WatermarkStoreTest, DuplicatesAndCase) {
  WriteFile(
      "<Profile PName=\"P\"><TextData TxtName=\"x\"><Text>first</Text></TextData>"
      "<TextData TxtName=\"x\"><Text>second</Text></TextData></Profile>"
      "<Profile PName=\"P\"><TextData TxtName=\"y\"/></Profile>"
      "<Profile PName=\"p\"><ImageData/></Profile>");
  EXPECT_EQ(Store().ProfileNames(), (Names{"P", "P", "p"}));
  auto profile = Profile("P");
  ASSERT_EQ(profile->Count(), 2);
  EXPECT_EQ(static_cast<TqvTextWatermark*>(profile->GetItemByName("x"))->Text(), "first");
  auto lower = Profile("p");
  ASSERT_EQ(lower->Count(), 1);
  EXPECT_EQ(lower->GetItemType(0), wtImage);
  EXPECT_EQ(lower->GetItemByIndex(0)->ItemName(), "");
  // Saving "P" replaces every profile of that name: the one saved is the
  // one read back, even when a later "P" would not read at all.
  WriteFile(
      "<Profile PName=\"P\"/>"
      "<Profile PName=\"P\"><TextData><Font>xml \n\n</Font></TextData></Profile>"
      "<Profile PName=\"p\"/>");
  store_.reset();
  profile = Profile("P");
  EXPECT_TRUE(profile->AddTextItem(Text("t"), false));
  EXPECT_EQ(Store().ProfileNames(), (Names{"p", "P"}));
  EXPECT_EQ(Profile("P")->GetItemByIndex(0)->ItemName(), "t");
  EXPECT_FALSE(Store().ResetProfile("P", true));
  EXPECT_TRUE(Store().Reload());
  EXPECT_EQ(Store().ProfileNames(), (Names{"p"}));
}

TEST_F(WatermarkStoreTest, ReadingIsLenientWhereItMayBe) {
  WriteFile(
      "<Other PName=\"skip\"/><Profile><TextData/></Profile>"
      "<Profile PName=\"P\">\n  <!-- c -->\n  <Unknown/>"
      "<TextData TxtName=\"t\"><X>abc</X><Y>2.5</Y><Y>3.5</Y><Angle>1.5</Angle><Bogus><a/></Bogus>"
      "<FillColor>0x10</FillColor></TextData>"
      "<ImageData ImgName=\"i\"><Width>1e3</Width><Height></Height><AspectRatio>TRUE</AspectRatio>"
      "<CoverPage>1</CoverPage></ImageData></Profile>");
  EXPECT_EQ(Store().ProfileNames(), Names{"P"});
  auto items = Store().ReadProfileItems("P");
  ASSERT_EQ(items->Count(), 2);
  auto& text = static_cast<TqvTextWatermark&>(*items->Item(0));
  EXPECT_EQ(text.X(), 0);
  EXPECT_EQ(text.Y(), 3.5);
  EXPECT_EQ(text.Angle(), 0);
  EXPECT_EQ(text.FillColor(), 16u);
  EXPECT_EQ(text.Font().name, "MS Sans Serif");  // missing: as a new item
  auto& image = static_cast<TqvImageWatermark&>(*items->Item(1));
  EXPECT_EQ(image.Width(), 1000);
  EXPECT_EQ(image.Height(), 0);
  EXPECT_TRUE(image.AspectRatio());
  EXPECT_TRUE(image.CoverPage());
  EXPECT_EQ(Store().ReadProfileItems("missing")->Count(), 0);
}

TEST_F(WatermarkStoreTest, ConversionErrorsStopReading) {
  const std::pair<const char*, const char*> cases[] = {
      {"<TextData><FillStyle>abc</FillStyle></TextData>", "'abc' is not a valid integer value"},
      {"<TextData><HorizPos>1.5</HorizPos></TextData>", "'1.5' is not a valid integer value"},
      {"<ImageData><VertPos/></ImageData>", "'' is not a valid integer value"},
      {"<ImageData><AspectRatio>yes</AspectRatio></ImageData>",
       "'yes' is not a valid boolean value"},
      {"<TextData><Font>Arial,big,0,0,False,False,False,False</Font></TextData>",
       "'big' is not a valid integer value"},
      {"<TextData><Font>Arial,10</Font></TextData>", "List index out of bounds (2)"},
      {"<TextData><Text>a<b/></Text></TextData>", "Element does not contain a single text node"},
  };
  for (const auto& [item, message] : cases) {
    WriteFile(std::string("<Profile PName=\"P\">") + item + "</Profile>");
    store_.reset();
    EXPECT_EQ(MessageOf([&] { Store().ReadProfileItems("P"); }), message) << item;
  }
  // Text that only looks like a number reads as the low 8 bits.
  WriteFile("<Profile PName=\"P\"><TextData><HorizPos>258</HorizPos></TextData></Profile>");
  store_.reset();
  EXPECT_EQ(Store().ReadProfileItems("P")->Item(0)->HorizontalAnchorPoint(), 2);
}

// A picture on a drive that is offline reads as no picture, but saving the
// profile for another reason keeps the path in the file.
TEST_F(WatermarkStoreTest, MissingPictureReadsEmptyAndKeepsItsPath) {
  WriteFile("<Profile PName=\"P\"><ImageData ImgName=\"logo\"><Image>N:\\offline.png</Image>"
            "</ImageData><ImageData ImgName=\"gone\"><Image>N:\\gone.png</Image></ImageData>"
            "</Profile>");
  auto profile = Profile("P");
  auto* logo = static_cast<TqvImageWatermark*>(profile->GetItemByName("logo"));
  EXPECT_EQ(logo->ImagePath(), "");
  EXPECT_TRUE(profile->AddTextItem(Text("t"), false));
  EXPECT_NE(fake_.files.Get(kPath).find("N:\\offline.png"), std::string::npos);
  // A path the caller sets, even an empty one, is the one written.
  static_cast<TqvImageWatermark*>(profile->GetItemByName("gone"))->SetImagePath("");
  EXPECT_TRUE(profile->AddImageItem(Image("logo", kPicture), true));
  std::string file = fake_.files.Get(kPath);
  EXPECT_EQ(file.find("N:\\offline.png"), std::string::npos);
  EXPECT_EQ(file.find("N:\\gone.png"), std::string::npos);
  fake_.files.Put("N:\\offline.png", "back");
  WriteFile("<Profile PName=\"P\"><ImageData><Image>N:\\offline.png</Image></ImageData></Profile>");
  store_.reset();
  EXPECT_EQ(static_cast<TqvImageWatermark*>(Profile("P")->GetItemByIndex(0))->ImagePath(),
            "N:\\offline.png");
}

TEST_F(WatermarkStoreTest, FailedSavesLeaveTheFileAsItWas) {
  Profile("A")->AddTextItem(Text("a"), false);
  const std::string before = fake_.files.Get(kPath);
  auto profile = Profile("B");
  fake_.files.FailReplaces(true);
  EXPECT_EQ(MessageOf([&] { profile->AddTextItem(Text("b"), false); }),
            std::string("Cannot create file \"") + kPath + "\"");
  fake_.files.FailReplaces(false);
  fake_.files.SetDiskFull(true);
  EXPECT_NE(MessageOf([&] { Store().RemoveProfile("A"); }), "(no exception)");
  fake_.files.SetDiskFull(false);
  EXPECT_EQ(fake_.files.Get(kPath), before);
  EXPECT_EQ(fake_.files.Paths().size(), 2u);  // the working file is cleaned away
  // The document in memory has both changes; the next save writes them.
  EXPECT_EQ(Store().ProfileNames(), (Names{"None", "B"}));
  EXPECT_TRUE(profile->AddTextItem(Text("c"), false));
  TqvWatermarkManager reopened(fake_.env);
  reopened.Open(kPath);
  EXPECT_EQ(reopened.ProfileNames(), (Names{"None", "B"}));
}

TEST_F(WatermarkStoreTest, OpenFailures) {
  fake_.files.AddFolder("C:\\Elsewhere");
  TqvWatermarkManager store(fake_.env);
  EXPECT_EQ(MessageOf([&] { store.Open(kPath); }),
            std::string("Cannot create file \"") + kPath + "\"");
  EXPECT_FALSE(store.IsOpen());
  EXPECT_EQ(store.ProfileNames(), Names{});
  EXPECT_EQ(store.ReadProfileItems("None"), nullptr);
  EXPECT_FALSE(store.Reload());
  TqvWatermarkProfile profile;
  profile.Open("P", &store);
  EXPECT_EQ(profile.ProfileName(), "");
  EXPECT_FALSE(profile.AddTextItem(Text("t"), false));

  const std::pair<std::string, std::string> files[] = {
      {"<Orvane/>", "List index out of bounds (0)"},
      {"<Orvane><!-- only --></Orvane>", "List index out of bounds (0)"},
      {"<!DOCTYPE Orvane [<!ENTITY x SYSTEM \"C:\\secret.txt\">]><Orvane><WatermarkProfiles>"
       "<Profile PName=\"&x;\"/></WatermarkProfiles></Orvane>",
       kDocumentTypeRefused},
  };
  for (const auto& [content, message] : files) {
    fake_.files.Put(kPath, content);
    EXPECT_EQ(MessageOf([&] { store.Open(kPath); }), message) << content;
    EXPECT_FALSE(store.IsOpen());
  }
  fake_.files.Put(kPath, "<Orvane><WatermarkProfiles>");
  EXPECT_NE(MessageOf([&] { store.Open(kPath); }), "(no exception)");
  // Any name is taken for the root and the list.
  fake_.files.Put(kPath, "<Root><List><Profile PName=\"x\"/></List></Root>");
  store.Open(kPath);
  EXPECT_EQ(store.ProfileNames(), Names{"x"});
}

TEST_F(WatermarkStoreTest, ReloadSeesOtherWritersAndKeepsTheDocumentOnFailure) {
  Store();
  TqvWatermarkManager other(fake_.env);
  other.Open(kPath);
  TqvWatermarkProfile theirs;
  theirs.Open("Theirs", &other);
  theirs.AddTextItem(Text("t"), false);
  EXPECT_EQ(Store().ProfileNames(), Names{"None"});
  EXPECT_TRUE(Store().Reload());
  EXPECT_EQ(Store().ProfileNames(), (Names{"None", "Theirs"}));
  fake_.files.Put(kPath, "<broken");
  EXPECT_NE(MessageOf([&] { Store().Reload(); }), "(no exception)");
  EXPECT_EQ(Store().ProfileNames(), (Names{"None", "Theirs"}));
  fake_.files.Remove(kPath);
  EXPECT_TRUE(Store().Reload());
  EXPECT_EQ(Store().ProfileNames(), (Names{"None", "Theirs"}));
}

}  // namespace
}  // namespace tessaly
