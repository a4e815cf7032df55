#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessaly {

// How a stored value is read, as far as telling a good value from one the
// reader replaces by its default goes.
enum class ValueType { kText, kBool, kInteger, kFloat, kFont };

const char* ValueTypeName(ValueType type);  // "an integer", ...

struct KeyRule {
  std::string key;
  ValueType type;
  std::string default_text;  // what a read gives instead, as stored
  bool numbered = false;     // an annotation field: the key is followed by the entry number
  bool literal = false;      // set by SectionRules: the key can start a line as it stands
};

// The keys one section may hold, built from the core's key tables.
class SectionRules {
 public:
  void Add(KeyRule rule);
  // The rule of a key (any letter case, ASCII folded: every key of the
  // tables is ASCII); numbered rules match the key followed by digits only.
  const KeyRule* Find(std::string_view key) const;
  // The same, trying first the rule at `*guess` (keys mostly come in the
  // same order in every section), then leaving in `*guess` the position
  // after the rule found: a store of many profiles is checked without a
  // hash lookup per key.
  const KeyRule* FindNext(std::string_view key, size_t* guess) const;
  // The rule at `guess` when a line holding its key can be matched by its
  // spelling alone (IniLineReader::NextIfKey), else nullptr.
  const KeyRule* Expected(size_t guess) const {
    return guess < rules_.size() && rules_[guess].literal ? &rules_[guess] : nullptr;
  }

 private:
  std::vector<KeyRule> rules_;
  std::unordered_map<std::string, size_t> by_upper_;
  mutable std::string scratch_;
};

enum class StoreType { kProfiles, kPlugIn };

// The rules of a section of a store; nullptr for a section that store does
// not have (every section of the Profiles store but "General Settings" is a
// profile).
const SectionRules* RulesOf(StoreType store, std::string_view section);

}  // namespace tessaly
