// The store codec over arbitrary bytes: a decode either gives text or
// throws EStoreCorrupt, decoded text stays under the size cap, encodes to
// bytes that decode to it again and loads as INI text; and any text
// survives an encode and a decode unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/ini_file.h"
#include "common/store_codec.h"

namespace {

constexpr size_t kSizeCap = 64u << 20;
constexpr size_t kRoundTripLimit = 256u << 10;
unsigned char upper[256];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (tessaly::DecodeStore(tessaly::EncodeStore(bytes)) != bytes) __builtin_trap();

  std::string text;
  try {
    text = tessaly::DecodeStore(bytes);
  } catch (const tessaly::EStoreCorrupt&) {
    return 0;
  }
  if (text.size() > kSizeCap) __builtin_trap();
  // Compressing is the slow half of a round trip: megabytes of a small
  // input's inflated text would take most of the run and tell no more.
  if (text.size() <= kRoundTripLimit && tessaly::DecodeStore(tessaly::EncodeStore(text)) != text) {
    __builtin_trap();
  }
  if (upper[1] == 0) {
    for (int c = 0; c < 256; ++c) upper[c] = static_cast<unsigned char>(c);
  }
  tessaly::IniFile ini("Fuzz.qvf", upper, '.');
  ini.SetText(text);
  for (const std::string& section : ini.SectionNames()) ini.SectionValues(section);
  return 0;
}
