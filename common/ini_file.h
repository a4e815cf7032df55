#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/exception.h"

namespace tessaly {

// Text that holds more lines or sections than an INI file takes in: each
// line and each section costs memory far beyond its bytes once parsed, so
// loading refuses such text rather than running out of memory later.
class EIniTooLarge : public Exception {
 public:
  using Exception::Exception;
};

// At most this many line breaks in all, and at most one per four bytes of
// text beyond the first few thousand: a store of a thousand profiles holds
// a third of a million lines of well over four bytes each. The parsed form
// of any text taken in then stays within about 16 times its size and 64 MiB.
constexpr size_t kMaxIniLines = 1u << 20;
constexpr size_t kMaxIniSections = 1u << 16;
size_t MaxIniLinesOf(size_t text_size);

// An INI file held in memory: sections and keys in the order they were
// first added, looked up without regard to letter case (through the ANSI
// code page's upper-case table). Loading keeps the text, finds the section
// headers and leaves the lines of each section to be parsed and indexed
// when the section is first used, so a large store loads at close to the
// speed of reading its text.
class IniFile {
 public:
  // `upper` is the 256-entry upper-case table of the ANSI code page; it must
  // outlive the file.
  IniFile(std::string file_name, const unsigned char* upper, char decimal_separator);
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  const std::string& FileName() const { return file_name_; }

  // Replaces the whole content by the parsed text. Every line is trimmed;
  // empty lines and ";" comments are skipped; "[name]" opens a section (the
  // name trimmed); lines before the first section are ignored; blanks around
  // the first "=" of an entry are removed; a line without "=" is kept as it
  // is. A section header seen again continues the earlier section. Throws
  // EIniTooLarge, leaving the file empty, for text with more lines than
  // MaxIniLinesOf its size or more than kMaxIniSections section headers.
  void SetText(std::string text);
  // The layout written to disk: "[name]" CR LF, "key=value" CR LF for each
  // entry, an empty line after each section.
  void AppendText(std::string* out) const;
  std::string Text() const;

  // All section names in order, empty sections included.
  std::vector<std::string> SectionNames() const;
  // True when the section has at least one entry.
  bool SectionExists(std::string_view section) const;
  // Keys and key/value pairs of a section in order (lines without "=" left
  // out); empty for a missing section.
  std::vector<std::string> SectionKeys(std::string_view section) const;
  std::vector<std::pair<std::string, std::string>> SectionValues(std::string_view section) const;
  void EraseSection(std::string_view section);

  bool ValueExists(std::string_view section, std::string_view key) const;
  // The stored value, or nullptr when the key is missing. The view is valid
  // until the next change of the file.
  const std::string_view* Find(std::string_view section, std::string_view key) const;
  void DeleteKey(std::string_view section, std::string_view key);

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value) const;
  // Creates the section at the end and the key at the end of its section
  // when they are missing. Line breaks in the section name, the key and the
  // value are stored as blanks: nothing written may start a line of its own
  // in the file.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t default_value) const;
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);
  bool ReadBool(std::string_view section, std::string_view key, bool default_value) const;
  void WriteBool(std::string_view section, std::string_view key, bool value);
  double ReadFloat(std::string_view section, std::string_view key, double default_value) const;
  void WriteFloat(std::string_view section, std::string_view key, double value);

  char DecimalSeparator() const { return decimal_separator_; }

 private:
  struct Entry {
    std::string_view key;
    std::string_view value;
    int32_t key_slot = -1;    // owned storage of the key, when not in text_
    int32_t value_slot = -1;  // owned storage of the value, when not in text_
    uint32_t folded = 0;      // where the folded key starts in the section's index
    bool named = true;        // false for a line without "="
  };
  struct Section;

  // A name in upper case through the table, eight bytes to a word with the
  // last word padded by zero bytes, and its hash: names that differ only
  // in letter case have the same words. Lookups fold the name asked for
  // once and compare words; sections and indexed keys keep their folded
  // words.
  class Folded {
   public:
    Folded(const IniFile& ini, std::string_view text);
    size_t words() const { return (size_ + 7) / 8; }
    const uint64_t* data() const { return heap_.empty() ? inline_ : heap_.data(); }
    uint32_t hash() const { return hash_; }
    // True for the folded words of a name of `size` bytes equal to these.
    bool Same(size_t size, const uint64_t* words) const;

   private:
    static constexpr size_t kInlineWords = 8;
    uint64_t inline_[kInlineWords];
    std::vector<uint64_t> heap_;
    size_t size_;
    uint32_t hash_;
  };

  uint64_t FoldWord(uint64_t w) const;
  Section* FindSection(std::string_view name) const;
  Section* FindSection(const Folded& name) const;
  Section& AddSection(std::string_view name, const Folded& folded);
  int FindEntry(const Section& section, const Folded& key) const;
  void IndexSection(const Section& section) const;
  void AddFoldedKey(const Section& section, Entry* entry, const Folded& key) const;
  void Parse(const Section& section) const;
  void RebuildSectionIndex();
  void Clear();
  std::string_view Store(int32_t* slot, std::string_view text);

  std::string file_name_;
  const unsigned char* upper_;
  bool ascii_letters_ = false;  // the table changes only a-z below 0x80, as ASCII does
  char decimal_separator_;
  std::string text_;
  std::vector<std::unique_ptr<Section>> sections_;
  std::vector<uint32_t> section_index_;  // open addressing: position + 1, 0 = free
  mutable Section* last_section_ = nullptr;
  mutable std::string last_spelling_;    // the name last_section_ was found by
  std::deque<std::string> owned_;        // stable storage for written keys and values
};

// The lines of INI text one by one, each as loading reads it, with its
// line number: for tools that report on a file line by line. Reads only.
struct IniLine {
  enum Kind { kSection, kEntry, kBare };
  Kind kind = kBare;
  int number = 0;              // 1-based
  std::string_view section;    // the name a kSection line opens
  std::string_view key;        // kEntry: the key; kBare: the whole trimmed line
  std::string_view value;      // kEntry: the value
};

class IniLineReader {
 public:
  explicit IniLineReader(std::string_view text) : p_(text.data()), end_(p_ + text.size()) {}
  // The next line that is neither empty nor a ";" comment; false at the end.
  bool Next(IniLine* line);
  // When the very next line starts with `key` spelled exactly so and then
  // "=", reads it as Next would and returns true; otherwise reads nothing
  // and returns false. For readers that expect keys in a known order: the
  // line is matched without searching it for its "=". `key` must be one
  // that Next could give for such a line: not empty, neither starting nor
  // ending with a blank, not starting with ";" or "[", and holding no "=".
  bool NextIfKey(std::string_view key, IniLine* line);

 private:
  const char* p_;
  const char* end_;
  int number_ = 0;
};

}  // namespace tessaly
