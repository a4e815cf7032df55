#include "addin/plugin_file.h"

#include <vector>

#include "common/store_codec.h"

namespace tessaly {

const char kWordSettingsSection[] = "WordSettings";
const char kExcelSettingsSection[] = "Excel Settings";
const char kPptSettingsSection[] = "Ppt Settings";
const char kDocumentPropertiesSection[] = "Document Properties";
const char kHeadingsSection[] = "Headings";
const char kHyperlinkSection[] = "Hyperlink";
const char kDocumentCommentSection[] = "Document Comment";

const char kHeadingsCountKey[] = "Headings Count";
const char kHyperlinkCountKey[] = "Hyperlink Count";
const char kDocumentCommentCountKey[] = "Document Comment Count";
const char kExcelEntireWorkbookKey[] = "Excel Entire WorkBook";
const char kExcelActiveWorkSheetKey[] = "Excel Active WorkSheet";

bool CreateDefaultPlugInFile(const Env& env, const std::string& path) {
  const std::vector<std::string> lines = {
      std::string("[") + kWordSettingsSection + "]",
      std::string("[") + kExcelSettingsSection + "]",
      std::string("[") + kPptSettingsSection + "]",
      std::string("[") + kDocumentPropertiesSection + "]",
  };
  return WriteNewStoreFile(env, path, StoreTextOf(lines));
}

}  // namespace tessaly
