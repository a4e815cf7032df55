// The INI file over arbitrary text: every lookup of every section and key
// answers, also in upper case, the line reader gives the lines a plain
// reading of the text gives (also when it is asked for a line's key), the
// text is written the same whether its sections were parsed or not, and the
// text written back parses to the same sections and values and is written
// the same again. The first byte picks the upper-case table: the C
// locale's, or one where "i" folds to 0xDD and ASCII is no longer folded
// as ASCII.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/ini_file.h"

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

const unsigned char* UpperTable(bool dotted) {
  static unsigned char tables[2][256];
  for (int c = 0; c < 256; ++c) {
    tables[0][c] = tables[1][c] = static_cast<unsigned char>(std::toupper(c));
  }
  tables[1][static_cast<unsigned char>('i')] = 0xDD;
  return tables[dotted ? 1 : 0];
}

std::string Upper(const unsigned char* upper, const std::string& text) {
  std::string out = text;
  for (char& c : out) c = static_cast<char>(upper[static_cast<unsigned char>(c)]);
  return out;
}

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

bool SameLine(const tessaly::IniLine& a, const tessaly::IniLine& b) {
  return a.number == b.number && a.kind == b.kind && a.key == b.key && a.value == b.value &&
         (a.kind != tessaly::IniLine::kSection || a.section == b.section);
}

// The lines of the text read one byte at a time, each compared with what
// the reader gives, and with what a second reader gives that first tries
// each entry's own key with NextIfKey: that matches exactly when the line
// follows the last one read and starts with the key and "=".
void CompareLines(std::string_view text) {
  tessaly::IniLineReader reader(text);
  tessaly::IniLineReader keyed(text);
  tessaly::IniLine line;
  tessaly::IniLine keyed_line;
  size_t p = 0;
  int number = 0;
  bool adjacent = true;  // no line skipped since the last one read
  while (p < text.size()) {
    const size_t start = p;
    size_t end = p;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    std::string_view expected = Trim(text.substr(p, end - p));
    p = end;
    if (p < text.size() && text[p] == '\r') ++p;
    if (p < text.size() && text[p] == '\n') ++p;
    ++number;
    if (expected.empty() || expected[0] == ';') {
      adjacent = false;
      continue;
    }
    Require(reader.Next(&line) && line.number == number);
    size_t eq = expected.find('=');
    std::string_view key = eq == std::string_view::npos ? "" : Trim(expected.substr(0, eq));
    bool tried = !key.empty() && key[0] != '[';
    bool matched = tried && keyed.NextIfKey(key, &keyed_line);
    Require(matched == (tried && adjacent && text.substr(start, key.size() + 1) == std::string(key) + "="));
    if (!matched) Require(keyed.Next(&keyed_line));
    Require(SameLine(line, keyed_line));
    adjacent = true;
    if (expected[0] == '[' && expected.back() == ']' && expected.size() > 1) {
      Require(line.kind == tessaly::IniLine::kSection &&
              line.section == Trim(expected.substr(1, expected.size() - 2)));
    } else if (eq == std::string_view::npos) {
      Require(line.kind == tessaly::IniLine::kBare && line.key == expected);
    } else {
      Require(line.kind == tessaly::IniLine::kEntry && line.key == Trim(expected.substr(0, eq)) &&
              line.value == Trim(expected.substr(eq + 1)));
    }
  }
  Require(!reader.Next(&line) && !keyed.Next(&keyed_line));
}

std::vector<Values> Content(const tessaly::IniFile& ini) {
  std::vector<Values> content;
  for (const std::string& section : ini.SectionNames())
    content.push_back(ini.SectionValues(section));
  return content;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const unsigned char* upper = UpperTable(size > 0 && (data[0] & 1) != 0);

  CompareLines(text);

  tessaly::IniFile ini("Fuzz.ini", upper, '.');
  ini.SetText(text);
  for (const std::string& section : ini.SectionNames()) {
    ini.SectionExists(section);
    for (const std::string& key : ini.SectionKeys(section)) {
      const std::string_view* found = ini.Find(section, key);
      Require(found != nullptr && ini.ValueExists(section, key));
      Require(ini.Find(Upper(upper, section), Upper(upper, key)) == found);
      ini.ReadString(section, key, "");
      ini.ReadInteger(section, key, 0);
      ini.ReadBool(section, key, false);
      ini.ReadFloat(section, key, 0);
    }
  }

  const std::string written = ini.Text();
  // Sections never looked at are written from the text itself, the same.
  tessaly::IniFile unread("Fuzz.ini", upper, '.');
  unread.SetText(text);
  Require(unread.Text() == written);
  tessaly::IniFile reread("Fuzz.ini", upper, '.');
  reread.SetText(written);
  Require(reread.SectionNames() == ini.SectionNames());
  Require(Content(reread) == Content(ini));
  Require(reread.Text() == written);
  return 0;
}
