#include "tools/tqstore/key_rules.h"

#include <cstdint>
#include <cstring>
#include <map>

#include "addin/addin_keys.h"
#include "addin/addin_values.h"
#include "addin/plugin_file.h"
#include "common/number_format.h"
#include "profiles/general_settings.h"
#include "profiles/profile_keys.h"
#include "profiles/profile_sections.h"

namespace tessaly {
namespace {

void UpperAscii(std::string_view text, std::string* out) {
  out->assign(text.data(), text.size());
  for (char& c : *out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

ValueType TypeOfKind(ProfileKind kind) {
  switch (kind) {
    case ProfileKind::kBool:
    case ProfileKind::kTextOptimization:
      return ValueType::kBool;
    case ProfileKind::kInteger:
    case ProfileKind::kEnum:
    case ProfileKind::kColor:
      return ValueType::kInteger;
    case ProfileKind::kFloat:
      return ValueType::kFloat;
    case ProfileKind::kFont:
      return ValueType::kFont;
    default:
      return ValueType::kText;
  }
}

std::string DefaultOf(ProfileKind kind, const ProfileDefault& d) {
  switch (TypeOfKind(kind)) {
    case ValueType::kBool:
    case ValueType::kInteger:
      return std::to_string(d.integer);
    case ValueType::kFloat:
      return FormatFloatGeneral(d.real, '.');
    default:
      return d.text;
  }
}

template <class AddinType>
constexpr ValueType TypeOfAddin() {
  switch (AddinType::kKind) {
    case AddinValueKind::kBool:
      return ValueType::kBool;
    case AddinValueKind::kString:
      return ValueType::kText;
    default:
      return ValueType::kInteger;
  }
}

std::string AddinDefault(bool value) { return value ? "1" : "0"; }
std::string AddinDefault(int value) { return std::to_string(value); }
std::string AddinDefault(const char* value) { return value; }

SectionRules ProfileRules() {
  SectionRules rules;
  for (const ProfileKey& row : kProfileKeys) {
    rules.Add({row.key, TypeOfKind(row.kind), DefaultOf(row.kind, row.default_value)});
  }
  for (const ProfileExtraKey& extra : kProfileExtraKeys) {
    rules.Add({extra.key, TypeOfKind(extra.kind), "0"});
  }
  return rules;
}

SectionRules GeneralRules() {
  SectionRules rules;
  for (const GeneralKey& row : kGeneralKeys) {
    rules.Add({row.key, TypeOfKind(row.kind), DefaultOf(row.kind, row.default_value)});
  }
  return rules;
}

#define TQ_RULE(Property, key, Type, default_value, ...) \
  rules.Add({key, TypeOfAddin<addin_type::Type>(), AddinDefault(default_value)});
#define TQ_FIELD(Property, key, Type, default_value, ...) \
  rules.Add({key, TypeOfAddin<addin_type::Type>(), AddinDefault(default_value), true});
#define TQ_RECT(Property, Prefix, left, top, right, bottom, dispid)            \
  for (const char* side : {left, top, right, bottom}) {                        \
    rules.Add({side, ValueType::kInteger, "0", true});                         \
  }

std::map<std::string, SectionRules> PlugInRules() {
  std::map<std::string, SectionRules> sections;
  {
    SectionRules& rules = sections[kWordSettingsSection];
    TQ_WORD_SETTINGS_KEYS(TQ_RULE)
  }
  {
    SectionRules& rules = sections[kPptSettingsSection];
    TQ_PPT_SETTINGS_KEYS(TQ_RULE)
  }
  {
    SectionRules& rules = sections[kExcelSettingsSection];
    TQ_EXCEL_SETTINGS_KEYS(TQ_RULE)
    rules.Add({kExcelEntireWorkbookKey, ValueType::kBool, "1"});
    rules.Add({kExcelActiveWorkSheetKey, ValueType::kBool, "0"});
  }
  {
    SectionRules& rules = sections[kDocumentPropertiesSection];
    TQ_DOCUMENT_PROPERTIES_KEYS(TQ_RULE)
  }
  {
    SectionRules& rules = sections[kHeadingsSection];
    rules.Add({kHeadingsCountKey, ValueType::kInteger, "0"});
    TQ_BOOKMARK_FIELDS(TQ_FIELD, TQ_RECT, TQ_RULE)
  }
  {
    SectionRules& rules = sections[kHyperlinkSection];
    rules.Add({kHyperlinkCountKey, ValueType::kInteger, "0"});
    TQ_HYPERLINK_FIELDS(TQ_FIELD, TQ_RECT, TQ_RULE)
  }
  {
    SectionRules& rules = sections[kDocumentCommentSection];
    rules.Add({kDocumentCommentCountKey, ValueType::kInteger, "0"});
    TQ_NOTES_FIELDS(TQ_FIELD, TQ_RECT, TQ_RULE)
  }
  // Looked up in upper case, as the store does.
  std::map<std::string, SectionRules> upper;
  for (auto& [name, rules] : sections) {
    std::string key;
    UpperAscii(name, &key);
    upper.emplace(key, std::move(rules));
  }
  return upper;
}

#undef TQ_RULE
#undef TQ_FIELD
#undef TQ_RECT

bool SameBytes(std::string_view a, std::string_view b) {
  // Keys are short: eight bytes at a time, the last word overlapping.
  size_t n = a.size();
  if (n < 8) return a == b;
  for (size_t i = 0; i + 8 < n; i += 8) {
    if (std::memcmp(a.data() + i, b.data() + i, 8) != 0) return false;
  }
  return std::memcmp(a.data() + n - 8, b.data() + n - 8, 8) == 0;
}

bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (SameBytes(a, b)) return true;  // keys are mostly written as the tables spell them
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
    char y = b[i] >= 'a' && b[i] <= 'z' ? static_cast<char>(b[i] - 32) : b[i];
    if (x != y) return false;
  }
  return true;
}

}  // namespace

const char* ValueTypeName(ValueType type) {
  switch (type) {
    case ValueType::kBool: return "a boolean (an integer, 0 for false)";
    case ValueType::kInteger: return "an integer";
    case ValueType::kFloat: return "a number";
    case ValueType::kFont: return "a font";
    default: return "a text";
  }
}

void SectionRules::Add(KeyRule rule) {
  std::string upper;
  UpperAscii(rule.key, &upper);
  const std::string& k = rule.key;
  rule.literal = !rule.numbered && !k.empty() && static_cast<unsigned char>(k.front()) > ' ' &&
                 static_cast<unsigned char>(k.back()) > ' ' && k.front() != ';' &&
                 k.front() != '[' && k.find('=') == std::string::npos;
  // The first row of a key counts, as the first of two equal keys is read.
  if (by_upper_.emplace(upper, rules_.size()).second) rules_.push_back(std::move(rule));
}

const KeyRule* SectionRules::Find(std::string_view key) const {
  UpperAscii(key, &scratch_);
  auto it = by_upper_.find(scratch_);
  if (it != by_upper_.end()) {
    const KeyRule& rule = rules_[it->second];
    return rule.numbered ? nullptr : &rule;
  }
  size_t digits = scratch_.find_last_not_of("0123456789");
  if (digits == std::string::npos || digits + 1 == scratch_.size()) return nullptr;
  scratch_.resize(digits + 1);
  it = by_upper_.find(scratch_);
  if (it == by_upper_.end() || !rules_[it->second].numbered) return nullptr;
  return &rules_[it->second];
}

const KeyRule* SectionRules::FindNext(std::string_view key, size_t* guess) const {
  if (*guess < rules_.size()) {
    const KeyRule& rule = rules_[*guess];
    if (!rule.numbered && SameAscii(rule.key, key)) {
      ++*guess;
      return &rule;
    }
  }
  const KeyRule* rule = Find(key);
  if (rule != nullptr) *guess = static_cast<size_t>(rule - rules_.data()) + 1;
  return rule;
}

const SectionRules* RulesOf(StoreType store, std::string_view section) {
  if (store == StoreType::kProfiles) {
    static const SectionRules general = GeneralRules();
    static const SectionRules profile = ProfileRules();
    return SameAscii(section, kGeneralSettingsSection) ? &general : &profile;
  }
  static const std::map<std::string, SectionRules> plugin = PlugInRules();
  std::string upper;
  UpperAscii(section, &upper);
  auto it = plugin.find(upper);
  return it == plugin.end() ? nullptr : &it->second;
}

}  // namespace tessaly
