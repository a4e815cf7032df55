#include "common/ini_file.h"

#include <charconv>

#include "common/number_format.h"

namespace tessaly {

struct IniFile::Section {
  std::string_view name;
  int32_t name_slot = -1;
  std::vector<Entry> entries;
  // Open-addressing index of the named entries (position + 1, 0 = free),
  // built on the first search of the section.
  mutable std::vector<uint32_t> index;
  mutable bool indexed = false;
};

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimLeft(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  return s.substr(i);
}

std::string_view TrimRight(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  return s.substr(0, n);
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

size_t TableSize(size_t count) {
  size_t size = 16;
  while (size < count * 2) size *= 2;
  return size;
}

}  // namespace

IniFile::IniFile(std::string file_name, const unsigned char* upper, char decimal_separator)
    : file_name_(std::move(file_name)), upper_(upper), decimal_separator_(decimal_separator) {}

IniFile::~IniFile() = default;

uint32_t IniFile::Hash(std::string_view s) const {
  uint32_t h = 2166136261u;
  for (char c : s) {
    h ^= upper_[static_cast<unsigned char>(c)];
    h *= 16777619u;
  }
  return h;
}

bool IniFile::SameText(std::string_view a, std::string_view b) const {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] &&
        upper_[static_cast<unsigned char>(a[i])] != upper_[static_cast<unsigned char>(b[i])]) {
      return false;
    }
  }
  return true;
}

std::string_view IniFile::Store(int32_t* slot, std::string_view text) {
  if (*slot < 0) {
    owned_.emplace_back(text);
    *slot = static_cast<int32_t>(owned_.size() - 1);
  } else {
    owned_[static_cast<size_t>(*slot)].assign(text.data(), text.size());
  }
  return owned_[static_cast<size_t>(*slot)];
}

void IniFile::RebuildSectionIndex() {
  section_index_.assign(TableSize(sections_.size()), 0);
  size_t mask = section_index_.size() - 1;
  for (size_t i = 0; i < sections_.size(); ++i) {
    std::string_view name = sections_[i]->name;
    // A repeated name keeps the first section reachable.
    if (FindSection(name) != nullptr) continue;
    size_t pos = Hash(name) & mask;
    while (section_index_[pos] != 0) pos = (pos + 1) & mask;
    section_index_[pos] = static_cast<uint32_t>(i + 1);
  }
}

IniFile::Section* IniFile::FindSection(std::string_view name) const {
  if (section_index_.empty()) return nullptr;
  size_t mask = section_index_.size() - 1;
  for (size_t pos = Hash(name) & mask; section_index_[pos] != 0; pos = (pos + 1) & mask) {
    Section* s = sections_[section_index_[pos] - 1].get();
    if (SameText(s->name, name)) return s;
  }
  return nullptr;
}

IniFile::Section& IniFile::AddSection(std::string_view name) {
  auto section = std::make_unique<Section>();
  section->name = name;
  sections_.push_back(std::move(section));
  if (sections_.size() * 2 > section_index_.size()) {
    RebuildSectionIndex();
  } else {
    size_t mask = section_index_.size() - 1;
    size_t pos = Hash(name) & mask;
    while (section_index_[pos] != 0) pos = (pos + 1) & mask;
    section_index_[pos] = static_cast<uint32_t>(sections_.size());
  }
  return *sections_.back();
}

void IniFile::IndexSection(const Section& section) const {
  section.index.assign(TableSize(section.entries.size()), 0);
  size_t mask = section.index.size() - 1;
  for (size_t i = 0; i < section.entries.size(); ++i) {
    const Entry& e = section.entries[i];
    if (!e.named) continue;
    size_t pos = Hash(e.key) & mask;
    bool duplicate = false;
    for (; section.index[pos] != 0; pos = (pos + 1) & mask) {
      if (SameText(section.entries[section.index[pos] - 1].key, e.key)) {
        duplicate = true;  // the first of two equal keys is the one read
        break;
      }
    }
    if (!duplicate) section.index[pos] = static_cast<uint32_t>(i + 1);
  }
  section.indexed = true;
}

int IniFile::FindEntry(const Section& section, std::string_view key) const {
  if (!section.indexed) IndexSection(section);
  size_t mask = section.index.size() - 1;
  for (size_t pos = Hash(key) & mask; section.index[pos] != 0; pos = (pos + 1) & mask) {
    uint32_t i = section.index[pos] - 1;
    if (SameText(section.entries[i].key, key)) return static_cast<int>(i);
  }
  return -1;
}

void IniFile::SetText(std::string text) {
  sections_.clear();
  section_index_.clear();
  owned_.clear();
  text_ = std::move(text);

  Section* current = nullptr;
  const char* p = text_.data();
  const char* end = p + text_.size();
  while (p < end) {
    const char* eol = p;
    while (eol < end && *eol != '\n' && *eol != '\r') ++eol;
    std::string_view line = Trim(std::string_view(p, static_cast<size_t>(eol - p)));
    p = eol;
    if (p < end && *p == '\r') ++p;
    if (p < end && *p == '\n') ++p;

    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[' && line.back() == ']') {
      std::string_view name = Trim(line.substr(1, line.size() - 2));
      current = FindSection(name);
      if (current == nullptr) current = &AddSection(name);
      continue;
    }
    if (current == nullptr) continue;
    Entry entry;
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      entry.key = line;
      entry.named = false;
    } else {
      entry.key = TrimRight(line.substr(0, eq));
      entry.value = TrimLeft(line.substr(eq + 1));
    }
    current->entries.push_back(entry);
  }
}

void IniFile::AppendText(std::string* out) const {
  for (const auto& section : sections_) {
    out->push_back('[');
    out->append(section->name);
    out->append("]\r\n");
    for (const Entry& e : section->entries) {
      out->append(e.key);
      if (e.named) {
        out->push_back('=');
        out->append(e.value);
      }
      out->append("\r\n");
    }
    out->append("\r\n");
  }
}

std::string IniFile::Text() const {
  std::string out;
  AppendText(&out);
  return out;
}

std::vector<std::string> IniFile::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const auto& section : sections_) names.emplace_back(section->name);
  return names;
}

bool IniFile::SectionExists(std::string_view section) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return false;
  for (const Entry& e : s->entries) {
    if (e.named) return true;
  }
  return false;
}

std::vector<std::string> IniFile::SectionKeys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section)) {
    for (const Entry& e : s->entries) {
      if (e.named) keys.emplace_back(e.key);
    }
  }
  return keys;
}

std::vector<std::pair<std::string, std::string>> IniFile::SectionValues(
    std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> values;
  if (const Section* s = FindSection(section)) {
    for (const Entry& e : s->entries) {
      if (e.named) values.emplace_back(std::string(e.key), std::string(e.value));
    }
  }
  return values;
}

void IniFile::EraseSection(std::string_view section) {
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (SameText(sections_[i]->name, section)) {
      sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(i));
      RebuildSectionIndex();
      return;
    }
  }
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
  return Find(section, key) != nullptr;
}

const std::string_view* IniFile::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return nullptr;
  int i = FindEntry(*s, key);
  return i < 0 ? nullptr : &s->entries[static_cast<size_t>(i)].value;
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  Section* s = FindSection(section);
  if (s == nullptr) return;
  int i = FindEntry(*s, key);
  if (i < 0) return;
  s->entries.erase(s->entries.begin() + i);
  s->indexed = false;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
  const std::string_view* value = Find(section, key);
  return std::string(value != nullptr ? *value : default_value);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string one_line;
  if (value.find_first_of("\r\n") != std::string_view::npos) {
    one_line.assign(value);
    for (char& c : one_line) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    value = one_line;
  }

  Section* s = FindSection(section);
  if (s == nullptr) {
    int32_t slot = -1;
    std::string_view name = Store(&slot, section);
    s = &AddSection(name);
    s->name_slot = slot;
  }
  int i = FindEntry(*s, key);
  if (i >= 0) {
    Entry& e = s->entries[static_cast<size_t>(i)];
    // The key takes the caller's spelling, as a rewritten line would.
    if (e.key != key) e.key = Store(&e.key_slot, key);
    e.value = Store(&e.value_slot, value);
    return;
  }
  Entry e;
  e.key = Store(&e.key_slot, key);
  e.value = Store(&e.value_slot, value);
  s->entries.push_back(e);
  // Keep a built index current; grow it before it gets half full.
  if (s->indexed) {
    if (s->entries.size() * 2 > s->index.size()) {
      IndexSection(*s);
    } else {
      size_t mask = s->index.size() - 1;
      size_t pos = Hash(key) & mask;
      while (s->index[pos] != 0) pos = (pos + 1) & mask;
      s->index[pos] = static_cast<uint32_t>(s->entries.size());
    }
  }
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t default_value) const {
  const std::string_view* value = Find(section, key);
  int32_t result;
  return value != nullptr && ParseInteger(*value, &result) ? result : default_value;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  char buf[16];
  auto result = std::to_chars(buf, buf + sizeof buf, value);
  WriteString(section, key, std::string_view(buf, static_cast<size_t>(result.ptr - buf)));
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool default_value) const {
  return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

double IniFile::ReadFloat(std::string_view section, std::string_view key,
                          double default_value) const {
  const std::string_view* value = Find(section, key);
  double result;
  return value != nullptr && ParseFloat(*value, decimal_separator_, &result) ? result
                                                                            : default_value;
}

void IniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
  WriteString(section, key, FormatFloatGeneral(value, decimal_separator_));
}

}  // namespace tessaly
