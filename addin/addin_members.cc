#include "addin/addin_members.h"

#include "addin/addin_keys.h"
#include "addin/plugin_file.h"

namespace tessaly {
namespace {

using Kind = AddinValueKind;

#define TQ_FACADE_MEMBER(Property, dispid, accessor, accessor_property, Type, set_mask, get_mask) \
  {#Property, dispid, addin_type::Type::kKind, get_mask},
#define TQ_FIELD_MEMBER(Property, base_key, Type, default_value, dispid, set_mask, get_mask) \
  {#Property, dispid, addin_type::Type::kKind, get_mask},
#define TQ_RECT_MEMBERS(Property, Prefix, left_key, top_key, right_key, bottom_key, dispid) \
  {#Prefix "Left", dispid, Kind::kInt, kAllBits},                                           \
      {#Prefix "Top", dispid + 1, Kind::kInt, kAllBits},                                    \
      {#Prefix "Right", dispid + 2, Kind::kInt, kAllBits},                                  \
      {#Prefix "Bottom", dispid + 3, Kind::kInt, kAllBits},
// A value shared by the whole list crosses as a VARIANT.
#define TQ_SHARED_MEMBER(Property, key, Type, default_value, dispid) \
  {#Property, dispid, Kind::kVariant, kAllBits},
#define TQ_DOCUMENT_PROPERTY_MEMBER(Property, key, Type, default_value, dispid) \
  {#Property, dispid, addin_type::Type::kKind, kAllBits},
#define TQ_LIST_HEAD_MEMBERS \
  {"Count", 201, Kind::kInt, kAllBits}, {"Number", 202, Kind::kInt, kAllBits},

#define TQ_SETTING_KEY(Property, key, Type, default_value) \
  {#Property, key, addin_type::Type::kKind, false},
#define TQ_DOCUMENT_PROPERTY_KEY(Property, key, Type, default_value, dispid) \
  {#Property, key, addin_type::Type::kKind, false},
#define TQ_FIELD_KEY(Property, base_key, Type, default_value, dispid, set_mask, get_mask) \
  {#Property, base_key, addin_type::Type::kKind, true},
#define TQ_RECT_KEYS(Property, Prefix, left_key, top_key, right_key, bottom_key, dispid) \
  {#Property, left_key, Kind::kInt, true}, {#Property, top_key, Kind::kInt, true},       \
      {#Property, right_key, Kind::kInt, true}, {#Property, bottom_key, Kind::kInt, true},
#define TQ_SHARED_KEY(Property, key, Type, default_value, dispid) \
  {#Property, key, addin_type::Type::kKind, false},
#define TQ_COUNT_KEY(count_key) {"Count", count_key, Kind::kInt, false},

}  // namespace

const std::vector<AddinMember>& OfficeAddinSettingsMembers() {
  static const std::vector<AddinMember> members = {TQ_OFFICE_ADDIN_PROPERTIES(TQ_FACADE_MEMBER)};
  return members;
}

const std::vector<AddinMember>& BookmarkMembers() {
  static const std::vector<AddinMember> members = {
      TQ_LIST_HEAD_MEMBERS TQ_BOOKMARK_FIELDS(TQ_FIELD_MEMBER, TQ_RECT_MEMBERS, TQ_SHARED_MEMBER)};
  return members;
}

const std::vector<AddinMember>& HyperlinkMembers() {
  static const std::vector<AddinMember> members = {
      TQ_LIST_HEAD_MEMBERS TQ_HYPERLINK_FIELDS(TQ_FIELD_MEMBER, TQ_RECT_MEMBERS, TQ_SHARED_MEMBER)};
  return members;
}

const std::vector<AddinMember>& NotesMembers() {
  static const std::vector<AddinMember> members = {
      TQ_LIST_HEAD_MEMBERS TQ_NOTES_FIELDS(TQ_FIELD_MEMBER, TQ_RECT_MEMBERS, TQ_SHARED_MEMBER)};
  return members;
}

const std::vector<AddinMember>& DocumentPropertiesMembers() {
  static const std::vector<AddinMember> members = {
      TQ_DOCUMENT_PROPERTIES_KEYS(TQ_DOCUMENT_PROPERTY_MEMBER)};
  return members;
}

const std::vector<AddinSectionKeys>& PlugInKeyTables() {
  static const std::vector<AddinSectionKeys> tables = {
      {kWordSettingsSection, {TQ_WORD_SETTINGS_KEYS(TQ_SETTING_KEY)}},
      {kExcelSettingsSection,
       {TQ_EXCEL_SETTINGS_KEYS(TQ_SETTING_KEY)  // and the pair behind PrintOption:
        {"PrintOption", kExcelEntireWorkbookKey, Kind::kBool, false},
        {"PrintOption", kExcelActiveWorkSheetKey, Kind::kBool, false}}},
      {kPptSettingsSection, {TQ_PPT_SETTINGS_KEYS(TQ_SETTING_KEY)}},
      {kDocumentPropertiesSection, {TQ_DOCUMENT_PROPERTIES_KEYS(TQ_DOCUMENT_PROPERTY_KEY)}},
      {kHeadingsSection,
       {TQ_COUNT_KEY(kHeadingsCountKey)
            TQ_BOOKMARK_FIELDS(TQ_FIELD_KEY, TQ_RECT_KEYS, TQ_SHARED_KEY)}},
      {kHyperlinkSection,
       {TQ_COUNT_KEY(kHyperlinkCountKey)
            TQ_HYPERLINK_FIELDS(TQ_FIELD_KEY, TQ_RECT_KEYS, TQ_SHARED_KEY)}},
      {kDocumentCommentSection,
       {TQ_COUNT_KEY(kDocumentCommentCountKey)
            TQ_NOTES_FIELDS(TQ_FIELD_KEY, TQ_RECT_KEYS, TQ_SHARED_KEY)}},
  };
  return tables;
}

}  // namespace tessaly
