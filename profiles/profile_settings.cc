#include "profiles/profile_settings.h"

#include <algorithm>
#include <utility>

#include "common/comma_text.h"
#include "profiles/profile_errors.h"
#include "profiles/profile_sections.h"
#include "watermarks/font_text.h"
#include "watermarks/watermark_manager.h"

namespace tessaly {
namespace {

const ProfileKey& Row(ProfileProperty property) { return ProfileKeyOf(property); }

// Enumerations are stored from one byte: 256 is stored as 0, -1 as 255.
int32_t LowByte(int32_t value) { return value & 0xFF; }

}  // namespace

TqvProfileSettings::TqvProfileSettings(IniFile* store, const CodePage* code_page,
                                       TqvWatermarkManager* watermarks, std::string section,
                                       std::string profile_name, bool copy_template)
    : store_(store),
      code_page_(code_page),
      watermarks_(watermarks),
      section_(std::move(section)),
      profile_name_(std::move(profile_name)) {
  if (copy_template) CopySection(*store_, kBuiltInProfileSection, section_);
  if (watermarks_ != nullptr) watermark_names_ = watermarks_->ProfileNames();
}

std::wstring TqvProfileSettings::Name() const { return code_page_->FromAnsi(profile_name_); }

std::wstring TqvProfileSettings::GetString(ProfileProperty property) const {
  const ProfileKey& row = Row(property);
  return code_page_->FromAnsi(store_->ReadString(section_, row.key, row.default_value.text));
}

void TqvProfileSettings::SetString(ProfileProperty property, const std::wstring& value) {
  store_->WriteString(section_, Row(property).key, code_page_->ToAnsi(value));
}

bool TqvProfileSettings::GetBool(ProfileProperty property) const {
  const ProfileKey& row = Row(property);
  return store_->ReadBool(section_, row.key, row.default_value.integer != 0);
}

void TqvProfileSettings::SetBool(ProfileProperty property, bool value) {
  store_->WriteBool(section_, Row(property).key, value);
}

int32_t TqvProfileSettings::GetInteger(ProfileProperty property) const {
  const ProfileKey& row = Row(property);
  return store_->ReadInteger(section_, row.key, row.default_value.integer);
}

void TqvProfileSettings::SetInteger(ProfileProperty property, int32_t value) {
  store_->WriteInteger(section_, Row(property).key, value);
}

int32_t TqvProfileSettings::GetEnum(ProfileProperty property) const {
  return GetInteger(property);
}

void TqvProfileSettings::SetEnum(ProfileProperty property, int32_t value) {
  SetInteger(property, LowByte(value));
}

int32_t TqvProfileSettings::GetColor(ProfileProperty property) const {
  return GetInteger(property);
}

void TqvProfileSettings::SetColor(ProfileProperty property, int32_t value) {
  SetInteger(property, value);
}

double TqvProfileSettings::GetFloat(ProfileProperty property) const {
  const ProfileKey& row = Row(property);
  return store_->ReadFloat(section_, row.key, row.default_value.real);
}

void TqvProfileSettings::SetFloat(ProfileProperty property, double value) {
  store_->WriteFloat(section_, Row(property).key, value);
}

std::vector<std::wstring> TqvProfileSettings::GetList(ProfileProperty property) const {
  const ProfileKey& row = Row(property);
  std::vector<std::wstring> lines;
  for (const std::string& item : SplitCommaText(store_->ReadString(section_, row.key, ""))) {
    lines.push_back(code_page_->FromAnsi(item));
  }
  return lines;
}

void TqvProfileSettings::SetList(ProfileProperty property,
                                 const std::vector<std::wstring>& lines) {
  std::vector<std::string> items;
  items.reserve(lines.size());
  for (const std::wstring& line : lines) items.push_back(code_page_->ToAnsi(line));
  // Joined bare, one empty line would read back as no line at all.
  std::string text = items.size() == 1 && items[0].empty() ? "\"\"" : JoinCommaText(items);
  store_->WriteString(section_, Row(property).key, text);
}

TqvFont TqvProfileSettings::GetFont(ProfileProperty property) const {
  // The empty text is the default font.
  return TextToFont(store_->ReadString(section_, Row(property).key, ""));
}

void TqvProfileSettings::SetFont(ProfileProperty property, const TqvFont& font) {
  store_->WriteString(section_, Row(property).key, FontToText(font));
}

std::wstring TqvProfileSettings::GetWatermarkName(ProfileProperty property) const {
  return GetString(property);
}

void TqvProfileSettings::SetWatermarkName(ProfileProperty property, const std::wstring& name) {
  watermark_names_.clear();
  if (watermarks_ != nullptr) {
    watermarks_->Reload();
    watermark_names_ = watermarks_->ProfileNames();
  }
  std::string ansi = code_page_->ToAnsi(name);
  if (std::find(watermark_names_.begin(), watermark_names_.end(), ansi) ==
      watermark_names_.end()) {
    throw EProfileNotFound(kProfileNotFoundMessage);
  }
  store_->WriteString(section_, Row(property).key, ansi);
}

// The two keys of the RTF text optimisation: the boolean read here, and
// the ordinal that the setter writes too.
int32_t TqvProfileSettings::GetTextOptimization(ProfileProperty property) const {
  return GetBool(property) ? 0 : 1;
}

void TqvProfileSettings::SetTextOptimization(ProfileProperty property, int32_t value) {
  int32_t ordinal = LowByte(value);
  store_->WriteInteger(section_, ExtraKeyOf(property, ProfileKind::kEnum), ordinal);
  SetBool(property, ordinal == 0);
}

}  // namespace tessaly
