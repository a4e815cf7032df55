#include <functional>
#include <map>

#include "addin/addin_members.h"
#include "common/exception.h"
#include "common/zlib_stream.h"
#include "tests/addin/plugin_fixture.h"

namespace tessaly {
namespace {

class OfficeSettingsTest : public PlugInTest {
 protected:
  TqvOfficeAddinSettings& settings() { return objects_.settings; }
  TqvDocumentProperties& properties() { return objects_.document_properties; }
};

TEST(DefaultPlugInFileTest, HoldsTheFourSettingsSectionsWithoutKeys) {
  FakeEnv fake;
  ASSERT_TRUE(CreateDefaultPlugInFile(fake.env, kPlugInPath));
  EXPECT_EQ(Inflate(fake.files.Get(kPlugInPath), kStoreSizeLimit),
            "[WordSettings]\r\n[Excel Settings]\r\n[Ppt Settings]\r\n[Document Properties]\r\n");

  FakeEnv no_folder;
  no_folder.files.AddFolder("C:\\elsewhere");
  EXPECT_FALSE(CreateDefaultPlugInFile(no_folder.env, kPlugInPath));
}

TEST_F(OfficeSettingsTest, FreshFileReadsTheDefaultsAndReadingWritesNothing) {
  // Getters by name, generated from the facade's table; the expected values
  // are written out independently of it.
  std::map<std::string, std::function<int32_t()>> getters;
#define TQ_GETTER(Property, dispid, accessor, accessor_property, Type, set_mask, get_mask) \
  getters[#Property] = [this] { return settings().Property(); };
  TQ_OFFICE_ADDIN_PROPERTIES(TQ_GETTER)
#undef TQ_GETTER
  const std::map<std::string, int32_t> expected = {
      {"WordHeadingsToBookmarks", -1},
      {"WordBookmarksToBookmarks", -1},
      {"WordHiddenBookmarksToBookmarks", -1},
      {"WordHyperlinksToLinks", -1},
      {"WordTOCToLinks", -1},
      {"WordNotesToLinks", -1},
      {"WordLinkHighlightMode", 0},
      {"WordLinkBorderWidth", 0},
      {"WordLinkBorderColor", 16777215},
      {"WordCommentsToPDFNotes", -1},
      {"WordNotesKeepOpen", 0},
      {"WordNotesColor", 16777215},
      {"ExcelSheetNamesToBookmarks", -1},
      {"ExcelPrintOption", kPrintEntireWorkbook},
      {"PptSlideOutlinesToBookmarks", -1},
      {"PptHyperlinksToLinks", -1},
      {"PptLinkHighlightMode", 0},
      {"PptLinkBorderWidth", 0},
      {"PptLinkBorderColor", 16777215},
      {"PptDocumentPropertiestoDocumentInfo", -1},
      {"PptPresentationNotestoPDFNotes", 0},
      {"PptNotesPosition", 0},
      {"PptNotesColor", 15780518},
      {"ExcelDocumentPropertiestoDocumentInfo", -1},
      {"WordDocumentPropertiestoDocumentInfo", -1},
      {"PptNotesKeepOpen", 0},
      {"PptPresentationTextToPDFBookmark", 0},
  };
  ASSERT_EQ(getters.size(), expected.size());
  for (const auto& [name, value] : expected) {
    ASSERT_TRUE(getters.count(name)) << name;
    EXPECT_EQ(getters[name](), value) << name;
  }

  EXPECT_EQ(properties().Title(), "");
  EXPECT_EQ(properties().Keywords(), "");
  EXPECT_TRUE(properties().ExportDocumentProperty());
  EXPECT_EQ(ini().Text(),
            "[WordSettings]\r\n\r\n[Excel Settings]\r\n\r\n[Ppt Settings]\r\n\r\n"
            "[Document Properties]\r\n\r\n");
}

TEST_F(OfficeSettingsTest, BooleansCrossAsAutomationBooleans) {
  settings().SetWordHeadingsToBookmarks(0);
  EXPECT_EQ(settings().WordHeadingsToBookmarks(), 0);
  EXPECT_EQ(SectionLines(kWordSettingsSection), Lines{"Document Headings=0"});

  settings().SetPptNotesKeepOpen(2);  // any non-zero value is true
  EXPECT_EQ(ini().ReadString(kPptSettingsSection, "Ppt Notes Open", ""), "1");
  EXPECT_EQ(settings().PptNotesKeepOpen(), kAutomationTrue);

  ini().WriteString(kWordSettingsSection, "Document Note Open", "2");
  EXPECT_EQ(settings().WordNotesKeepOpen(), kAutomationTrue);
  ini().WriteString(kWordSettingsSection, "Document Note Open", "yes");
  EXPECT_EQ(settings().WordNotesKeepOpen(), kAutomationFalse);  // unreadable: the default
}

TEST_F(OfficeSettingsTest, SettersReduceEnumerationsAndKeepColours) {
  settings().SetWordLinkBorderWidth(130);
  settings().SetWordLinkHighlightMode(259);
  EXPECT_EQ(ini().ReadString(kWordSettingsSection, "Document Link Border Width", ""), "2");
  EXPECT_EQ(ini().ReadString(kWordSettingsSection, "Document annot High Light Mode", ""), "3");
  settings().SetPptLinkHighlightMode(200);  // 8 bits kept, not 7
  EXPECT_EQ(settings().PptLinkHighlightMode(), 200);

  settings().SetPptNotesPosition(1000);
  EXPECT_EQ(settings().PptNotesPosition(), 1000);
  const int32_t system_colour = static_cast<int32_t>(0x80000005u);
  settings().SetWordLinkBorderColor(system_colour);
  EXPECT_EQ(ini().ReadString(kWordSettingsSection, "Document Link Color", ""), "-2147483643");
  EXPECT_EQ(settings().WordLinkBorderColor(), system_colour);
}

TEST_F(OfficeSettingsTest, SameKeyInWordAndPptSectionsIsTwoValues) {
  settings().SetWordLinkBorderWidth(1);
  settings().SetPptLinkBorderWidth(3);
  EXPECT_EQ(settings().WordLinkBorderWidth(), 1);
  EXPECT_EQ(settings().PptLinkBorderWidth(), 3);
  settings().SetPptLinkHighlightMode(2);
  EXPECT_EQ(settings().WordLinkHighlightMode(), 0);
}

TEST_F(OfficeSettingsTest, PrintOptionWritesAComplementaryPair) {
  settings().SetExcelPrintOption(kPrintActiveWorkSheet);
  EXPECT_EQ(SectionLines(kExcelSettingsSection),
            (Lines{"Excel Active WorkSheet=1", "Excel Entire WorkBook=0"}));
  EXPECT_EQ(settings().ExcelPrintOption(), kPrintActiveWorkSheet);

  settings().SetExcelPrintOption(256);  // low byte zero: the entire workbook
  EXPECT_EQ(SectionLines(kExcelSettingsSection),
            (Lines{"Excel Active WorkSheet=0", "Excel Entire WorkBook=1"}));
  EXPECT_EQ(settings().ExcelPrintOption(), kPrintEntireWorkbook);

  // Only "Excel Entire WorkBook" is consulted when reading.
  ini().EraseSection(kExcelSettingsSection);
  ini().WriteString(kExcelSettingsSection, "Excel Active WorkSheet", "1");
  EXPECT_EQ(settings().ExcelPrintOption(), kPrintEntireWorkbook);
}

TEST_F(OfficeSettingsTest, MalformedNumbersReadAsTheDefault) {
  ini().WriteString(kWordSettingsSection, "Document Link Color", "0x10");
  EXPECT_EQ(settings().WordLinkBorderColor(), 16);
  ini().WriteString(kWordSettingsSection, "Document Link Color", "abc");
  EXPECT_EQ(settings().WordLinkBorderColor(), 16777215);
  ini().WriteString(kPptSettingsSection, "Ppt Notes Color", "");
  EXPECT_EQ(settings().PptNotesColor(), 15780518);
}

TEST_F(OfficeSettingsTest, DocumentPropertiesAreStoredAsGiven) {
  properties().SetTitle("Quarterly report \xE9t\xE9");
  properties().SetAuthor("Ann");
  properties().SetExportDocumentProperty(false);
  EXPECT_EQ(
      SectionLines(kDocumentPropertiesSection),
      (Lines{"Doc Title=Quarterly report \xE9t\xE9", "Doc Author=Ann", "Export DocProperty=0"}));
  EXPECT_EQ(properties().Title(), "Quarterly report \xE9t\xE9");
  EXPECT_FALSE(properties().ExportDocumentProperty());
}

TEST_F(OfficeSettingsTest, ChangesReachTheFileWhenTheStoreIsWritten) {
  settings().SetWordTOCToLinks(0);
  properties().SetSubject("s");
  store_.Save();
  TqvStoreFile reopened(fake_.env, kPlugInPath);
  reopened.Load();
  TqvAddinObjects again(&reopened);
  EXPECT_EQ(again.settings.WordTOCToLinks(), 0);
  EXPECT_EQ(again.document_properties.Subject(), "s");
}

}  // namespace
}  // namespace tessaly
