// The INI file over arbitrary text: every lookup of every section and key
// answers, the line reader walks the text, and the text written back
// parses to the same sections and values and is written the same again.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/ini_file.h"

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

const unsigned char* UpperTable() {
  static unsigned char table[256];
  for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(std::toupper(c));
  return table;
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
  static const unsigned char* upper = UpperTable();

  tessaly::IniLineReader reader(text);
  tessaly::IniLine line;
  while (reader.Next(&line)) {
  }

  tessaly::IniFile ini("Fuzz.ini", upper, '.');
  ini.SetText(text);
  for (const std::string& section : ini.SectionNames()) {
    ini.SectionExists(section);
    for (const std::string& key : ini.SectionKeys(section)) {
      if (!ini.ValueExists(section, key) || ini.Find(section, key) == nullptr) __builtin_trap();
      ini.ReadString(section, key, "");
      ini.ReadInteger(section, key, 0);
      ini.ReadBool(section, key, false);
      ini.ReadFloat(section, key, 0);
    }
  }

  const std::string written = ini.Text();
  tessaly::IniFile reread("Fuzz.ini", upper, '.');
  reread.SetText(written);
  if (reread.SectionNames() != ini.SectionNames()) __builtin_trap();
  if (Content(reread) != Content(ini)) __builtin_trap();
  if (reread.Text() != written) __builtin_trap();
  return 0;
}
