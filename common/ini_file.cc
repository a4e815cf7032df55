#include "common/ini_file.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "common/number_format.h"

namespace tessaly {

struct IniFile::Section {
  std::string_view name;
  int32_t name_slot = -1;
  uint32_t hash = 0;
  std::vector<uint64_t> folded_name;
  // Until the section is first used, its lines stay unparsed in the loaded
  // text: one range per header of that name in the file.
  mutable std::vector<std::string_view> bodies;
  mutable bool parsed = true;
  mutable std::vector<Entry> entries;
  // Open-addressing index of the named entries (position + 1, 0 = free),
  // built on the first search of the section, and the folded keys of the
  // entries it holds (Entry::folded is where each key's words start).
  mutable std::vector<uint32_t> index;
  mutable std::vector<uint64_t> folded_keys;
  mutable bool indexed = false;
};

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

inline __attribute__((always_inline)) std::string_view TrimLeft(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  return s.substr(i);
}

inline __attribute__((always_inline)) std::string_view TrimRight(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  return s.substr(0, n);
}

inline __attribute__((always_inline)) std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

// The end of the line starting at p: at CR LF, LF or a lone CR.
const char* LineEnd(const char* p, const char* end) {
  const char* eol = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
  if (eol == nullptr) eol = end;
  if (const void* cr = std::memchr(p, '\r', static_cast<size_t>(eol - p))) {
    eol = static_cast<const char*>(cr);
  }
  return eol;
}

// Calls f with every trimmed line of text that is neither empty nor a ";"
// comment.
template <typename F>
void ForEachLine(std::string_view text, F f) {
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    const char* eol = LineEnd(p, end);
    std::string_view line = Trim(std::string_view(p, static_cast<size_t>(eol - p)));
    p = eol;
    if (p < end && *p == '\r') ++p;
    if (p < end && *p == '\n') ++p;
    if (!line.empty() && line[0] != ';') f(line);
  }
}

// The text itself, or its copy in *buffer with CR and LF turned into blanks.
std::string_view OneLine(std::string_view text, std::string* buffer) {
  if (text.empty() || (std::memchr(text.data(), '\r', text.size()) == nullptr &&
                        std::memchr(text.data(), '\n', text.size()) == nullptr)) {
    return text;
  }
  buffer->assign(text);
  for (char& c : *buffer) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return *buffer;
}

// The lines of text as LineEnd ends them: at each LF and each CR that no LF
// follows (one more when the last line has no end). Sixteen bytes at a time
// in vector lanes, which count up to 255 before they are added up: loading
// counts every line of a store, so this runs at close to memory speed.
size_t CountLines(std::string_view text) {
  typedef unsigned char Bytes __attribute__((vector_size(16)));
  const char* p = text.data();
  size_t n = text.size();
  if (n == 0) return 0;
  size_t lines = 1;
  size_t i = 0;
  while (i + 17 <= n) {
    Bytes sum = {};
    for (int round = 0; round < 255 && i + 17 <= n; ++round, i += 16) {
      Bytes here, next;
      std::memcpy(&here, p + i, 16);
      std::memcpy(&next, p + i + 1, 16);
      // Each comparison gives 0xFF for true: subtracting it counts one.
      sum -= static_cast<Bytes>((here == '\n') | ((here == '\r') & (next != '\n')));
    }
    for (int k = 0; k < 16; ++k) lines += sum[k];
  }
  for (; i + 1 < n; ++i) lines += p[i] == '\n' || (p[i] == '\r' && p[i + 1] != '\n');
  return lines;
}

// A slot of a section's key index: the entry's position + 1 in the low
// bits, the top bits of the key's hash above them, so that most keys that
// share a run of slots are passed over without comparing their text.
constexpr uint32_t kSlotBits = 22;
constexpr uint32_t kSlotPosition = (1u << kSlotBits) - 1;

uint32_t Slot(size_t i, uint32_t hash) {
  return (hash & ~kSlotPosition) | static_cast<uint32_t>(i + 1);
}

bool SameTag(uint32_t slot, uint32_t hash) { return ((slot ^ hash) & ~kSlotPosition) == 0; }

size_t TableSize(size_t count) {
  size_t size = 16;
  while (size < count * 2) size *= 2;
  return size;
}

}  // namespace

size_t MaxIniLinesOf(size_t text_size) {
  return std::min(kMaxIniLines, size_t{4096} + text_size / 4);
}

IniFile::IniFile(std::string file_name, const unsigned char* upper, char decimal_separator)
    : file_name_(std::move(file_name)), upper_(upper), decimal_separator_(decimal_separator) {
  ascii_letters_ = true;
  for (int c = 0; c < 0x80; ++c) {
    int upper_case = c >= 'a' && c <= 'z' ? c - 0x20 : c;
    if (upper_[c] != upper_case) ascii_letters_ = false;
  }
}

IniFile::~IniFile() = default;

namespace {

constexpr uint64_t kEachByte = 0x0101010101010101ull;

}  // namespace

inline uint64_t IniFile::FoldWord(uint64_t w) const {
  uint64_t upper_half = (w >> 7) & kEachByte;
  uint64_t table_lanes = upper_half;
  if (ascii_letters_) {
    // Below 0x80 the letters a-z lose 0x20, eight lanes at once; the
    // lanes from the upper half are cleared first so that no sum carries.
    uint64_t ascii = w & ~(upper_half * 0xFF);
    uint64_t lower = (ascii + kEachByte * (0x80 - 'a')) & ~(ascii + kEachByte * (0x80 - 'z' - 1)) &
                     (kEachByte * 0x80);
    w -= lower >> 2;
  } else {
    table_lanes = kEachByte;
  }
  for (; table_lanes != 0; table_lanes &= table_lanes - 1) {
    int shift = __builtin_ctzll(table_lanes);
    uint64_t c = (w >> shift) & 0xFF;
    w ^= (c ^ upper_[c]) << shift;
  }
  return w;
}

namespace {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "words are read little-endian");

uint64_t Load64(const char* p) {
  uint64_t w;
  std::memcpy(&w, p, 8);
  return w;
}

uint32_t Load32(const char* p) {
  uint32_t w;
  std::memcpy(&w, p, 4);
  return w;
}

// Whether the n bytes at a and b are the same: words at a time, the last
// word overlapping the one before, so that keys of any length compare in
// a few loads.
bool SameSpelling(const char* a, const char* b, size_t n) {
  if (n >= 8) {
    for (size_t i = 0; i + 8 < n; i += 8) {
      if (Load64(a + i) != Load64(b + i)) return false;
    }
    return Load64(a + n - 8) == Load64(b + n - 8);
  }
  if (n >= 4) return Load32(a) == Load32(b) && Load32(a + n - 4) == Load32(b + n - 4);
  for (size_t i = 0; i < n; ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

// The last n (1 to 7) bytes of a text of `size` bytes ending at end, as the
// low bytes of a word, the others zero. Whole loads only, so that nothing
// waits for bytes stored one by one.
uint64_t Tail(const char* end, size_t n, size_t size) {
  if (size >= 8) return Load64(end - 8) >> (8 * (8 - n));
  const char* p = end - n;
  if (n >= 4) return Load32(p) | (uint64_t{Load32(end - 4)} << (8 * (n - 4)));
  return uint64_t{static_cast<unsigned char>(p[0])} |
         (uint64_t{static_cast<unsigned char>(p[n / 2])} << (8 * (n / 2))) |
         (uint64_t{static_cast<unsigned char>(p[n - 1])} << (8 * (n - 1)));
}

}  // namespace

IniFile::Folded::Folded(const IniFile& ini, std::string_view text) : size_(text.size()) {
  size_t count = (size_ + 7) / 8;
  uint64_t* words = inline_;
  if (count > kInlineWords) {
    heap_.resize(count);
    words = heap_.data();
  }
  const char* p = text.data();
  uint64_t h = size_ * 0x9E3779B97F4A7C15ull;
  auto add = [&h, &words](size_t i, uint64_t w) {
    words[i] = w;
    h = (h ^ w) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 29;
  };
  size_t whole = size_ / 8;
  for (size_t i = 0; i < whole; ++i) add(i, ini.FoldWord(Load64(p + 8 * i)));
  if (size_t n = size_ % 8) {
    // Bytes past the end stay zero whatever the table makes of zero.
    add(whole, ini.FoldWord(Tail(p + size_, n, size_)) & ((uint64_t{1} << (8 * n)) - 1));
  }
  hash_ = static_cast<uint32_t>(h ^ (h >> 32));
}

bool IniFile::Folded::Same(size_t size, const uint64_t* words) const {
  if (size != size_) return false;
  const uint64_t* mine = data();
  for (size_t i = 0, count = (size_ + 7) / 8; i < count; ++i) {
    if (mine[i] != words[i]) return false;
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
  last_section_ = nullptr;
  section_index_.assign(TableSize(sections_.size()), 0);
  size_t mask = section_index_.size() - 1;
  for (size_t i = 0; i < sections_.size(); ++i) {
    const Section& section = *sections_[i];
    // A repeated name keeps the first section reachable.
    bool repeated = false;
    size_t pos = section.hash & mask;
    for (; section_index_[pos] != 0; pos = (pos + 1) & mask) {
      const Section& other = *sections_[section_index_[pos] - 1];
      if (other.name.size() == section.name.size() && other.folded_name == section.folded_name) {
        repeated = true;
        break;
      }
    }
    if (!repeated) section_index_[pos] = static_cast<uint32_t>(i + 1);
  }
}

IniFile::Section* IniFile::FindSection(std::string_view name) const {
  // Callers mostly read and write many keys of one section in a row, and
  // spell its name the same way each time: that spelling is compared as it
  // is before anything is folded.
  if (last_section_ != nullptr && name == last_spelling_) return last_section_;
  Folded folded(*this, name);
  Section* s = last_section_ != nullptr &&
                       folded.Same(last_section_->name.size(), last_section_->folded_name.data())
                   ? last_section_
                   : FindSection(folded);
  if (s != nullptr) {
    last_section_ = s;
    last_spelling_.assign(name);
  }
  return s;
}

IniFile::Section* IniFile::FindSection(const Folded& name) const {
  if (section_index_.empty()) return nullptr;
  size_t mask = section_index_.size() - 1;
  for (size_t pos = name.hash() & mask; section_index_[pos] != 0; pos = (pos + 1) & mask) {
    Section* s = sections_[section_index_[pos] - 1].get();
    if (s->hash == name.hash() && name.Same(s->name.size(), s->folded_name.data())) return s;
  }
  return nullptr;
}

IniFile::Section& IniFile::AddSection(std::string_view name, const Folded& folded) {
  auto section = std::make_unique<Section>();
  section->name = name;
  section->hash = folded.hash();
  section->folded_name.assign(folded.data(), folded.data() + folded.words());
  sections_.push_back(std::move(section));
  if (sections_.size() * 2 > section_index_.size()) {
    RebuildSectionIndex();
  } else {
    size_t mask = section_index_.size() - 1;
    size_t pos = folded.hash() & mask;
    while (section_index_[pos] != 0) pos = (pos + 1) & mask;
    section_index_[pos] = static_cast<uint32_t>(sections_.size());
  }
  return *sections_.back();
}

void IniFile::IndexSection(const Section& section) const {
  section.index.assign(TableSize(section.entries.size()), 0);
  section.folded_keys.clear();
  size_t mask = section.index.size() - 1;
  for (size_t i = 0; i < section.entries.size(); ++i) {
    Entry& e = section.entries[i];
    if (!e.named) continue;
    Folded key(*this, e.key);
    uint32_t hash = key.hash();
    size_t pos = hash & mask;
    bool duplicate = false;
    for (; section.index[pos] != 0; pos = (pos + 1) & mask) {
      uint32_t slot = section.index[pos];
      const Entry& other = section.entries[(slot & kSlotPosition) - 1];
      if (SameTag(slot, hash) && key.Same(other.key.size(), section.folded_keys.data() + other.folded)) {
        duplicate = true;  // the first of two equal keys is the one read
        break;
      }
    }
    if (duplicate) continue;
    section.index[pos] = Slot(i, hash);
    AddFoldedKey(section, &e, key);
  }
  section.indexed = true;
}

void IniFile::AddFoldedKey(const Section& section, Entry* entry, const Folded& key) const {
  entry->folded = static_cast<uint32_t>(section.folded_keys.size());
  section.folded_keys.insert(section.folded_keys.end(), key.data(), key.data() + key.words());
}

int IniFile::FindEntry(const Section& section, const Folded& key) const {
  if (!section.parsed) Parse(section);
  if (!section.indexed) IndexSection(section);
  size_t mask = section.index.size() - 1;
  uint32_t hash = key.hash();
  for (size_t pos = hash & mask; section.index[pos] != 0; pos = (pos + 1) & mask) {
    uint32_t slot = section.index[pos];
    if (!SameTag(slot, hash)) continue;
    uint32_t i = (slot & kSlotPosition) - 1;
    const Entry& e = section.entries[i];
    if (key.Same(e.key.size(), section.folded_keys.data() + e.folded)) return static_cast<int>(i);
  }
  return -1;
}

void IniFile::Clear() {
  last_section_ = nullptr;
  sections_.clear();
  section_index_.clear();
  owned_.clear();
  text_.clear();
}

void IniFile::SetText(std::string text) {
  Clear();
  text_ = std::move(text);
  if (CountLines(text_) > MaxIniLinesOf(text_.size())) {
    text_.clear();
    throw EIniTooLarge("The file holds more lines than a store may hold");
  }

  // Only the section headers are found now: a "[" that starts a line (after
  // blanks) whose trimmed line ends with "]". The lines between headers are
  // parsed when their section is first used.
  const char* begin = text_.data();
  const char* end = begin + text_.size();
  Section* current = nullptr;
  const char* body = nullptr;
  size_t headers = 0;
  for (const char* p = begin; p < end;) {
    const char* bracket = static_cast<const char*>(std::memchr(p, '[', static_cast<size_t>(end - p)));
    if (bracket == nullptr) break;
    const char* line_start = bracket;
    while (line_start > begin && line_start[-1] != '\n' && line_start[-1] != '\r' &&
           IsBlank(line_start[-1])) {
      --line_start;
    }
    const char* eol = LineEnd(bracket, end);
    p = eol;
    if (line_start > begin && line_start[-1] != '\n' && line_start[-1] != '\r') continue;
    std::string_view line = TrimRight(std::string_view(bracket, static_cast<size_t>(eol - bracket)));
    if (line.back() != ']') continue;
    if (current != nullptr) current->bodies.emplace_back(body, static_cast<size_t>(line_start - body));
    if (++headers > kMaxIniSections) {
      Clear();
      throw EIniTooLarge("The file holds more sections than a store may hold");
    }
    std::string_view name = Trim(line.substr(1, line.size() - 2));
    Folded folded(*this, name);
    current = FindSection(folded);
    if (current == nullptr) {
      current = &AddSection(name, folded);
      current->parsed = false;
    }
    body = eol;
  }
  if (current != nullptr) current->bodies.emplace_back(body, static_cast<size_t>(end - body));
}

namespace {

#ifndef __SSE2__
constexpr uint64_t kLow7 = kEachByte * 0x7F;

// 0x80 in each lane of w that holds the byte `c`, nothing elsewhere.
uint64_t LanesOf(uint64_t w, unsigned char c) {
  uint64_t t = w ^ (kEachByte * c);
  return ~(((t & kLow7) + kLow7) | t | kLow7);
}
#endif

// The end of the line starting at p (as LineEnd finds it) and in *eq the
// first "=" before it, or nullptr: one pass, many bytes at a time.
inline __attribute__((always_inline)) const char* ScanLine(const char* p, const char* end, const char** eq) {
  *eq = nullptr;
#ifdef __SSE2__
  for (; end - p >= 16; p += 16) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    unsigned breaks = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(
        _mm_cmpeq_epi8(v, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\r')))));
    unsigned equals = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8('='))));
    if (breaks != 0) {
      // Only an "=" before the line break counts.
      equals &= (breaks & (0u - breaks)) - 1;
      if (*eq == nullptr && equals != 0) *eq = p + __builtin_ctz(equals);
      return p + __builtin_ctz(breaks);
    }
    if (*eq == nullptr && equals != 0) *eq = p + __builtin_ctz(equals);
  }
#else
  for (; end - p >= 8; p += 8) {
    uint64_t w = Load64(p);
    uint64_t breaks = LanesOf(w, '\n') | LanesOf(w, '\r');
    uint64_t equals = LanesOf(w, '=');
    if (breaks != 0) {
      equals &= (breaks & (0 - breaks)) - 1;
      if (*eq == nullptr && equals != 0) *eq = p + __builtin_ctzll(equals) / 8;
      return p + __builtin_ctzll(breaks) / 8;
    }
    if (*eq == nullptr && equals != 0) *eq = p + __builtin_ctzll(equals) / 8;
  }
#endif
  for (; p < end && *p != '\n' && *p != '\r'; ++p) {
    if (*p == '=' && *eq == nullptr) *eq = p;
  }
  return p;
}

}  // namespace

bool IniLineReader::Next(IniLine* out) {
  while (p_ < end_) {
    const char* first = p_;
    const char* eq;
    const char* last = ScanLine(p_, end_, &eq);
    p_ = last;
    if (p_ < end_ && *p_ == '\r') ++p_;
    if (p_ < end_ && *p_ == '\n') ++p_;
    ++number_;
    while (first < last && IsBlank(*first)) ++first;
    while (last > first && IsBlank(last[-1])) --last;
    if (first == last || *first == ';') continue;
    std::string_view line(first, static_cast<size_t>(last - first));
    out->number = number_;
    out->value = std::string_view();
    // The same test as SetText's for a section header.
    if (line[0] == '[' && line.back() == ']' && line.size() > 1) {
      out->kind = IniLine::kSection;
      out->section = Trim(line.substr(1, line.size() - 2));
      out->key = std::string_view();
      return true;
    }
    if (eq == nullptr) {
      out->kind = IniLine::kBare;
      out->key = line;
    } else {
      out->kind = IniLine::kEntry;
      out->key = TrimRight(std::string_view(first, static_cast<size_t>(eq - first)));
      out->value = TrimLeft(std::string_view(eq + 1, static_cast<size_t>(last - eq - 1)));
    }
    return true;
  }
  return false;
}

bool IniLineReader::NextIfKey(std::string_view key, IniLine* out) {
  const size_t n = key.size();
  const char* first = p_;
  if (static_cast<size_t>(end_ - first) <= n || first[n] != '=' ||
      !SameSpelling(first, key.data(), n)) {
    return false;
  }
  const char* value = first + n + 1;
  const char* eq;
  const char* last = ScanLine(value, end_, &eq);
  p_ = last;
  if (p_ < end_ && *p_ == '\r') ++p_;
  if (p_ < end_ && *p_ == '\n') ++p_;
  while (last > value && IsBlank(last[-1])) --last;
  out->number = ++number_;
  out->kind = IniLine::kEntry;
  out->key = std::string_view(first, n);
  out->value = TrimLeft(std::string_view(value, static_cast<size_t>(last - value)));
  return true;
}

void IniFile::Parse(const Section& section) const {
  // Room for every line at once: a vector that doubles as it grows would
  // hold up to twice the entries' memory.
  size_t lines = section.entries.size();
  for (std::string_view body : section.bodies) lines += CountLines(body);
  section.entries.reserve(lines);
  for (std::string_view body : section.bodies) {
    ForEachLine(body, [&section](std::string_view line) {
      Entry entry;
      size_t eq = line.find('=');
      if (eq == std::string_view::npos) {
        entry.key = line;
        entry.named = false;
      } else {
        entry.key = TrimRight(line.substr(0, eq));
        entry.value = TrimLeft(line.substr(eq + 1));
      }
      section.entries.push_back(entry);
    });
  }
  section.bodies.clear();
  section.bodies.shrink_to_fit();
  section.parsed = true;
}

namespace {

// Appends the lines of a section's body as parsing would leave them. Lines
// already in that form and ended by CR LF, as a store written by this code
// holds them, are copied in runs as they stand.
void AppendLines(std::string_view body, std::string* out) {
  const char* p = body.data();
  const char* end = p + body.size();
  const char* run = p;  // lines copied as they stand, up to p
  while (p < end) {
    const char* eq;
    const char* eol = ScanLine(p, end, &eq);
    const char* first = p;
    const char* last = eol;
    bool crlf = end - eol >= 2 && eol[0] == '\r' && eol[1] == '\n';
    const char* next = eol;
    if (next < end && *next == '\r') ++next;
    if (next < end && *next == '\n') ++next;
    while (first < last && IsBlank(*first)) ++first;
    while (last > first && IsBlank(last[-1])) --last;
    bool skipped = first == last || *first == ';';
    bool as_is = !skipped && crlf && first == p && last == eol &&
                 (eq == nullptr || ((eq == first || !IsBlank(eq[-1])) &&
                                    (eq + 1 == last || !IsBlank(eq[1]))));
    if (!as_is) {
      out->append(run, static_cast<size_t>(p - run));
      run = next;
      if (!skipped) {
        if (eq == nullptr) {
          out->append(first, static_cast<size_t>(last - first));
        } else {
          out->append(TrimRight(std::string_view(first, static_cast<size_t>(eq - first))));
          out->push_back('=');
          out->append(TrimLeft(std::string_view(eq + 1, static_cast<size_t>(last - eq - 1))));
        }
        out->append("\r\n");
      }
    }
    p = next;
  }
  out->append(run, static_cast<size_t>(p - run));
}

}  // namespace

void IniFile::AppendText(std::string* out) const {
  size_t size = out->size();
  for (const auto& section : sections_) {
    size += section->name.size() + 6;
    for (std::string_view body : section->bodies) size += body.size() + body.size() / 8 + 2;
    for (const Entry& e : section->entries) size += e.key.size() + e.value.size() + 3;
  }
  out->reserve(size);
  for (const auto& section : sections_) {
    out->push_back('[');
    out->append(section->name);
    out->append("]\r\n");
    if (!section->parsed) {
      // Written as parsing would leave it, without building the entries.
      for (std::string_view body : section->bodies) AppendLines(body, out);
    }
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
  if (!s->parsed) Parse(*s);
  for (const Entry& e : s->entries) {
    if (e.named) return true;
  }
  return false;
}

std::vector<std::string> IniFile::SectionKeys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section)) {
    if (!s->parsed) Parse(*s);
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
    if (!s->parsed) Parse(*s);
    for (const Entry& e : s->entries) {
      if (e.named) values.emplace_back(std::string(e.key), std::string(e.value));
    }
  }
  return values;
}

void IniFile::EraseSection(std::string_view section) {
  Folded name(*this, section);
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (name.Same(sections_[i]->name.size(), sections_[i]->folded_name.data())) {
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
  int i = FindEntry(*s, Folded(*this, key));
  return i < 0 ? nullptr : &s->entries[static_cast<size_t>(i)].value;
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  Section* s = FindSection(section);
  if (s == nullptr) return;
  int i = FindEntry(*s, Folded(*this, key));
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
  // No name and no value may start a line of its own in the file: a line
  // break in any of them is stored as a blank. A name found as it is has
  // none (the stored names have none), so only a new one is looked at.
  std::string value_line;
  value = OneLine(value, &value_line);
  std::string section_line;
  Section* s = FindSection(section);
  if (s == nullptr) {
    section = OneLine(section, &section_line);
    Folded name(*this, section);
    s = FindSection(name);
    if (s == nullptr) {
      int32_t slot = -1;
      s = &AddSection(Store(&slot, section), name);
      s->name_slot = slot;
    }
  }
  std::string key_line;
  std::optional<Folded> folded(std::in_place, *this, key);
  int i = FindEntry(*s, *folded);
  if (i < 0) {
    std::string_view one_line = OneLine(key, &key_line);
    if (one_line.size() != key.size() || one_line.data() != key.data()) {
      key = one_line;
      folded.emplace(*this, key);
      i = FindEntry(*s, *folded);
    }
  }
  if (i >= 0) {
    Entry& e = s->entries[static_cast<size_t>(i)];
    // The key takes the caller's spelling, as a rewritten line would.
    if (e.key != key) e.key = Store(&e.key_slot, key);
    e.value = Store(&e.value_slot, value);
    return;
  }
  if (s->entries.size() >= kSlotPosition) {
    throw EIniTooLarge("A section of an INI file holds at most 4194303 entries");
  }
  Entry e;
  e.key = Store(&e.key_slot, key);
  e.value = Store(&e.value_slot, value);
  s->entries.push_back(e);
  // FindEntry indexed the section; keep the index current and grow it
  // before it gets half full.
  if (s->entries.size() * 2 > s->index.size()) {
    IndexSection(*s);
  } else {
    size_t mask = s->index.size() - 1;
    uint32_t hash = folded->hash();
    size_t pos = hash & mask;
    while (s->index[pos] != 0) pos = (pos + 1) & mask;
    s->index[pos] = Slot(s->entries.size() - 1, hash);
    AddFoldedKey(*s, &s->entries.back(), *folded);
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
