#include "common/store_codec.h"

#include "common/zlib_stream.h"

namespace tessaly {

std::string DecodeStore(std::string_view bytes) {
  try {
    return Inflate(bytes, kStoreSizeLimit);
  } catch (const Exception& e) {
    throw EStoreCorrupt(e.what());
  }
}

std::string EncodeStore(std::string_view text) { return Deflate(text); }

std::string StoreTextOf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace tessaly
