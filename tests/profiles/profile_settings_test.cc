#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fake_env.h"
#include "profiles/profile_errors.h"
#include "profiles/profile_sections.h"
#include "profiles/profile_settings.h"
#include "watermarks/value_text.h"
#include "watermarks/watermark_manager.h"

namespace tessaly {
namespace {

using Lines = std::vector<std::wstring>;

class ProfileSettingsTest : public ::testing::Test {
 protected:
  explicit ProfileSettingsTest(char separator = '.')
      : code_page_(separator),
        store_("Profiles.~qvf", code_page_.UpperTable(), code_page_.DecimalSeparator()) {}

  std::unique_ptr<TqvProfileSettings> Open(const std::string& section, bool copy = false) {
    return std::make_unique<TqvProfileSettings>(&store_, &code_page_, nullptr, section, "Mine",
                                                copy);
  }
  std::string Stored(const char* key) {
    return store_.ReadString(kLastSavedStateSection, key, "?");
  }

  Cp1252CodePage code_page_;
  IniFile store_;
};

// The table is kept by hand: a repeated key, dispatch id or property would
// make two properties share one value or one slot.
TEST(ProfileKeysTest, TableHasNoDuplicatesAndKeysFitOnALine) {
  std::set<std::string> names, keys;
  std::set<int32_t> dispids = {201};  // Name
  auto upper = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
  };
  int index = 0;
  for (const ProfileKey& row : kProfileKeys) {
    EXPECT_EQ(static_cast<int>(row.property), index++) << row.name;
    EXPECT_TRUE(names.insert(row.name).second) << row.name;
    EXPECT_TRUE(keys.insert(upper(row.key)).second) << row.key;
    EXPECT_TRUE(dispids.insert(row.dispid).second) << row.name;
    std::string key = row.key;
    EXPECT_TRUE(!key.empty() && key.find_first_of("=[]\r\n") == std::string::npos &&
                key.front() != ' ' && key.back() != ' ' && key.front() != ';')
        << key;
    EXPECT_EQ(std::string(row.type) != "_",
              row.kind == ProfileKind::kEnum || row.kind == ProfileKind::kTextOptimization)
        << row.name;
  }
  for (const ProfileExtraKey& extra : kProfileExtraKeys) {
    EXPECT_TRUE(keys.insert(upper(extra.key)).second) << extra.key;
  }
  EXPECT_EQ(kProfilePropertyCount, 227);  // 455 slots: Name, then a getter and a setter each
  EXPECT_EQ(keys.size(), 228u);
  // First, last and a few slots out of dispatch-id order.
  EXPECT_STREQ(kProfileKeys[0].name, "DocInfoAuthor");
  EXPECT_STREQ(kProfileKeys[kProfilePropertyCount - 1].key, "WatermarkEnabled");
  EXPECT_EQ(ProfileKeyOf(ProfileProperty::PDFImage24BitCompressionType).dispid, 212);
  EXPECT_EQ(static_cast<int>(ProfileProperty::PDFImage24BitCompressionType), 201);
  EXPECT_EQ(static_cast<int>(ProfileProperty::HTMLNavigatorTextFont), 213);
}

TEST_F(ProfileSettingsTest, FreshProfileReadsTheDefaultOfEveryKind) {
  auto s = Open(kLastSavedStateSection);
  EXPECT_EQ(s->Name(), L"Mine");
  EXPECT_EQ(s->DocInfoAuthor(), L"");
  EXPECT_EQ(s->EmailMethod(), 2);
  EXPECT_EQ(s->NNTPServerPort(), 119);
  EXPECT_EQ(s->EmailSMTPServerPort(), 25);
  EXPECT_EQ(s->PDFImage24BitColorDepth(), 5);
  EXPECT_EQ(s->TIFFCompressionType(), 2);
  for (int32_t spacing : {s->EXCELColumnSpacing(), s->EXCELRowSpacing(),
                          s->QuattroPColumnSpacing(), s->QuattroPRowSpacing()}) {
    EXPECT_EQ(spacing, -1);
  }
  EXPECT_FALSE(s->PDFRenderTextItem());
  EXPECT_FALSE(s->PDFRenderImageItem());
  EXPECT_FALSE(s->PDFRenderDrawingItem());
  EXPECT_TRUE(s->RTFRenderTextItem());
  EXPECT_TRUE(s->PDFEncryptEnabled());
  EXPECT_EQ(s->HTMLNavigatorTextLinkFirst(), L"\u00D9");
  EXPECT_EQ(s->HTMLNavigatorTextLinkLast(), L"\u00DA");
  EXPECT_EQ(s->HTMLNavigatorTextLinkNext(), L"\u00D8");
  EXPECT_EQ(s->HTMLNavigatorTextLinkPrev(), L"\u00D7");
  EXPECT_EQ(s->HTMLBackgroundColor(), 16711680);
  EXPECT_EQ(s->PNGTransparencyColor(), 16777215);
  EXPECT_EQ(s->BMPScaleX(), 1.0);
  EXPECT_EQ(s->TIFFScaleY(), 1.0);
  EXPECT_EQ(s->EmailBody(), Lines{});
  EXPECT_EQ(s->WatermarkSelectedProfile(), L"None");
  EXPECT_EQ(s->WatermarkCustomPageRange(), L"1-");
  EXPECT_EQ(s->WatermarkMeasurementUnit(), 1);
  EXPECT_EQ(s->RTFTextOptimization(), 0);
  TqvFont font = s->HTMLDefaultFont();
  EXPECT_EQ(font.name, "Arial");
  EXPECT_EQ(font.size, 10);
  EXPECT_EQ(font.color, kClWindowText);
  // Reading creates nothing.
  EXPECT_FALSE(store_.SectionExists(kLastSavedStateSection));
}

TEST_F(ProfileSettingsTest, ValuesAreStoredInTheirTextForms) {
  auto s = Open(kLastSavedStateSection);
  s->SetDocInfoAuthor(L"J\u00F6rg \u20AC");
  s->SetPDFExportAsImage(true);
  s->SetPDFViewerPrefShowToolbars(false);
  s->SetEmailSMTPServerPort(-2147483647 - 1);
  s->SetEmailMethod(256);  // one byte: 0
  s->SetPDFImage24BitColorDepth(-1);  // one byte: 255
  s->SetHTMLBackgroundColor(static_cast<int32_t>(0x80000005u));  // a system colour
  s->SetBMPScaleX(0.1);
  s->SetJPEGScaleY(1.0 / 3.0);
  s->SetTIFFScaleX(1e20);
  s->SetDocInfoTitle(L"two\r\nlines");
  EXPECT_EQ(store_.Text(),
            "[Last Saved State]\r\n"
            "Author=J\xF6rg \x80\r\n"
            "PDFExportAsImage=1\r\n"
            "ShowToolbars=0\r\n"
            "SMTPPortNo=-2147483648\r\n"
            "EmailMethod=0\r\n"
            "PDFColorPF=255\r\n"
            "HTMLNavigatorBackColor=-2147483643\r\n"
            "BMPHorizontal=0.1\r\n"
            "JPEGVertical=0.333333333333333\r\n"
            "TIFFHorizontal=1E20\r\n"
            "Title=two  lines\r\n"
            "\r\n");
  EXPECT_EQ(s->DocInfoAuthor(), L"J\u00F6rg \u20AC");
  EXPECT_EQ(s->EmailSMTPServerPort(), -2147483647 - 1);
  EXPECT_EQ(s->EmailMethod(), 0);
  EXPECT_EQ(s->PDFImage24BitColorDepth(), 255);
  EXPECT_EQ(static_cast<uint32_t>(s->HTMLBackgroundColor()), 0x80000005u);
  EXPECT_DOUBLE_EQ(s->BMPScaleX(), 0.1);
  EXPECT_EQ(s->TIFFScaleX(), 1e20);
}

TEST_F(ProfileSettingsTest, MalformedValuesReadAsTheDefault) {
  for (const char* line : {"SMTPPortNo=25a", "CenterWindow=yes", "BMPHorizontal=1.5x",
                           "PDFColorPF=", "HTMLHoverForeColor=white"}) {
    store_.SetText(std::string("[Last Saved State]\r\n") + line + "\r\n");
    auto s = Open(kLastSavedStateSection);
    EXPECT_EQ(s->EmailSMTPServerPort(), 25) << line;
    EXPECT_FALSE(s->PDFViewerPrefCenterWindow()) << line;
    EXPECT_EQ(s->BMPScaleX(), 1.0) << line;
    EXPECT_EQ(s->PDFImage24BitColorDepth(), 5) << line;
    EXPECT_EQ(s->HTMLNavigatorHoverForegroundColor(), 16777215) << line;
  }
  // What the printer or an older file may have written is read as it stands.
  store_.SetText("[Last Saved State]\r\nEmailMethod=300\r\nSMTPPortNo=0x1F\r\nFitWindow=7\r\n");
  auto s = Open(kLastSavedStateSection);
  EXPECT_EQ(s->EmailMethod(), 300);
  EXPECT_EQ(s->EmailSMTPServerPort(), 31);
  EXPECT_TRUE(s->PDFViewerPrefFitWindow());
}

class DecimalCommaTest : public ProfileSettingsTest {
 protected:
  DecimalCommaTest() : ProfileSettingsTest(',') {}
};

TEST_F(DecimalCommaTest, FloatsUseTheUsersSeparator) {
  auto s = Open(kLastSavedStateSection);
  s->SetJPEGScaleX(2.75);
  EXPECT_EQ(Stored("JPEGHorizontal"), "2,75");
  EXPECT_EQ(s->JPEGScaleX(), 2.75);
}

TEST_F(ProfileSettingsTest, ListsReadBackLineForLine) {
  auto s = Open(kLastSavedStateSection);
  const Lines body = {L"Dear all,", L"", L"the \"report\" is attached.", L"Bye", L"a,b c"};
  s->SetEmailBody(body);
  EXPECT_EQ(Stored("SMTPBody"),
            "\"Dear all,\",,\"the \"\"report\"\" is attached.\",Bye,\"a,b c\"");
  EXPECT_EQ(s->EmailBody(), body);

  s->SetNNTPBody({L""});
  EXPECT_EQ(Stored("NNTPBody"), "\"\"");
  EXPECT_EQ(s->NNTPBody(), Lines{L""});

  s->SetNNTPBody({L"", L""});
  EXPECT_EQ(s->NNTPBody(), (Lines{L"", L""}));

  s->SetPDFFontNeverEmbedList({});
  EXPECT_EQ(Stored("NeverEmbedFonts"), "");
  EXPECT_EQ(s->PDFFontNeverEmbedList(), Lines{});

  s->SetPDFFontNeverEmbedList({L"Arial", L"Times New Roman", L"Caf\u00E9"});
  EXPECT_EQ(s->PDFFontNeverEmbedList(), (Lines{L"Arial", L"Times New Roman", L"Caf\u00E9"}));

  // Unquoted blanks written by hand split items.
  store_.WriteString(kLastSavedStateSection, "NeverEmbedFonts", "Arial Symbol,Wingdings");
  EXPECT_EQ(s->PDFFontNeverEmbedList(), (Lines{L"Arial", L"Symbol", L"Wingdings"}));
}

TEST_F(ProfileSettingsTest, FontsAreStoredAsFontText) {
  auto s = Open(kLastSavedStateSection);
  TqvFont font;
  font.name = "Times New Roman, \"Bold\"";
  font.size = 12;
  font.charset = 0;
  font.color = kClWindowText;
  font.style = fsBold | fsStrikeOut;
  s->SetHTMLNavigatorTextFont(font);
  EXPECT_EQ(Stored("HTMLLinkFontData"),
            "\"Times New Roman, \"\"Bold\"\"\",12,0,-16777208,True,False,False,True");
  EXPECT_EQ(s->HTMLNavigatorTextFont(), font);
  EXPECT_EQ(s->HTMLDefaultFont().name, "Arial");  // the other key is untouched

  store_.WriteString(kLastSavedStateSection, "HTMLFontData",
                     "Arial,big,0,0,False,False,False,False");
  try {
    s->HTMLDefaultFont();
    ADD_FAILURE() << "a malformed font text must fail";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'big' is not a valid integer value");
  }
}

TEST_F(ProfileSettingsTest, RtfTextOptimizationKeepsBothKeysInStep) {
  auto s = Open(kLastSavedStateSection);
  s->SetRTFTextOptimization(1);
  EXPECT_EQ(Stored("RTFEaseofEdit"), "1");
  EXPECT_EQ(Stored("RTFPositionalAcc"), "0");
  EXPECT_EQ(s->RTFTextOptimization(), 1);
  s->SetRTFTextOptimization(256);
  EXPECT_EQ(Stored("RTFEaseofEdit"), "0");
  EXPECT_EQ(s->RTFTextOptimization(), 0);
  // A file that has only the boolean.
  store_.SetText("[Last Saved State]\r\nRTFPositionalAcc=0\r\n");
  EXPECT_EQ(s->RTFTextOptimization(), 1);
}

TEST_F(ProfileSettingsTest, AccessorsOverOneSectionShareEveryChange) {
  auto a = Open(kLastSavedStateSection);
  auto b = Open(kLastSavedStateSection);
  auto other = Open("Other");
  a->SetFTPServerName(L"ftp.example.org");
  b->SetTIFFMultiPage(false);
  EXPECT_EQ(b->FTPServerName(), L"ftp.example.org");
  EXPECT_FALSE(a->TIFFMultiPage());
  EXPECT_EQ(other->FTPServerName(), L"");
  // Section names are matched without regard to case, as in the file.
  EXPECT_EQ(Open("LAST SAVED STATE")->FTPServerName(), L"ftp.example.org");
}

TEST_F(ProfileSettingsTest, CopyTemplateStartsFromTheBuiltInProfile) {
  store_.WriteString(kBuiltInProfileSection, "Author", "Template");
  store_.WriteString(kBuiltInProfileSection, "PrinterOnlyKey", "kept");
  store_.WriteString("New", "Title", "Own");
  EXPECT_EQ(Open("Plain")->DocInfoAuthor(), L"");
  EXPECT_FALSE(store_.SectionExists("Plain"));
  auto s = Open("New", true);
  EXPECT_EQ(s->DocInfoAuthor(), L"Template");
  EXPECT_EQ(s->DocInfoTitle(), L"Own");
  EXPECT_EQ(store_.ReadString("New", "PrinterOnlyKey", ""), "kept");
}

TEST_F(ProfileSettingsTest, WithoutAWatermarkStoreNoSelectionIsAccepted) {
  auto s = Open(kLastSavedStateSection);
  EXPECT_THROW(s->SetWatermarkSelectedProfile(L"None"), EProfileNotFound);
  EXPECT_FALSE(store_.ValueExists(kLastSavedStateSection, "WatermarkProfile"));
}

class WatermarkSelectionTest : public ::testing::Test {
 protected:
  static constexpr char kFile[] = "C:\\T\\Profiles\\WatermarkProfiles.xml";

  WatermarkSelectionTest() : store_("Profiles.~qvf", fake_.code_page.UpperTable(), '.') {
    watermarks_.Open(kFile);
    settings_ = std::make_unique<TqvProfileSettings>(&store_, &fake_.code_page, &watermarks_,
                                                     kLastSavedStateSection, "Mine", false);
  }

  FakeEnv fake_;
  IniFile store_;
  TqvWatermarkManager watermarks_{fake_.env};
  std::unique_ptr<TqvProfileSettings> settings_;
};

TEST_F(WatermarkSelectionTest, OnlyNamesOfTheWatermarkFileAreAccepted) {
  settings_->SetWatermarkSelectedProfile(L"None");
  EXPECT_EQ(store_.ReadString(kLastSavedStateSection, "WatermarkProfile", ""), "None");

  for (const wchar_t* name : {L"Draft", L"none", L"None ", L""}) {
    try {
      settings_->SetWatermarkSelectedProfile(name);
      ADD_FAILURE() << "accepted an unknown watermark profile";
    } catch (const EProfileNotFound& e) {
      EXPECT_STREQ(e.what(), "The profile by specified name does not exists.");
    }
    EXPECT_EQ(settings_->WatermarkSelectedProfile(), L"None");
  }

  // A profile that another session adds to the file is seen at once.
  TqvWatermarkManager other(fake_.env);
  other.Open(kFile);
  TqvRenderItemsList draft("Draft");
  draft.Add(std::make_unique<TqvTextWatermark>());
  ASSERT_TRUE(other.StoreProfile(draft));
  settings_->SetWatermarkSelectedProfile(L"Draft");
  EXPECT_EQ(settings_->WatermarkSelectedProfile(), L"Draft");
}

}  // namespace
}  // namespace tessaly
