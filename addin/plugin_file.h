#pragma once

#include <string>

#include "common/ini_file.h"
#include "platform/env.h"
#include "store/store_file.h"

namespace tessaly {

// Sections of the PlugIn store.
extern const char kWordSettingsSection[];        // "WordSettings"
extern const char kExcelSettingsSection[];       // "Excel Settings"
extern const char kPptSettingsSection[];         // "Ppt Settings"
extern const char kDocumentPropertiesSection[];  // "Document Properties"
extern const char kHeadingsSection[];            // "Headings"
extern const char kHyperlinkSection[];           // "Hyperlink"
extern const char kDocumentCommentSection[];     // "Document Comment"

// Keys that do not fit the key tables: the list counts and the pair of
// keys behind the Excel print option.
extern const char kHeadingsCountKey[];         // "Headings Count"
extern const char kHyperlinkCountKey[];        // "Hyperlink Count"
extern const char kDocumentCommentCountKey[];  // "Document Comment Count"
extern const char kExcelEntireWorkbookKey[];   // "Excel Entire WorkBook"
extern const char kExcelActiveWorkSheetKey[];  // "Excel Active WorkSheet"

// Writes the PlugIn file as it is first created: the four settings
// sections, without keys. On failure shows "Error Writing File" and
// returns false.
bool CreateDefaultPlugInFile(const Env& env, const std::string& path);


// One section of the PlugIn store. The store belongs to the profile
// manager; every read and write goes straight to its INI file, and throws
// Exception when the store could not be opened.
class TqvPlugInSection {
 public:
  TqvPlugInSection(TqvStoreFile* store, const char* section) : store_(store), section_(section) {}

  const char* section() const { return section_; }

 protected:
  IniFile& ini() const { return store_->ini(); }

  TqvStoreFile* store_;
  const char* section_;
};

}  // namespace tessaly
