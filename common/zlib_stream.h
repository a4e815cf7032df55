#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaly {

// One zlib stream (header, deflate data, Adler-32) at the default level.
std::string Deflate(std::string_view data);

// Inflates one zlib stream. Throws Exception for data that is not a
// complete zlib stream or inflates past `limit` bytes. Empty input gives
// empty output.
std::string Inflate(std::string_view data, size_t limit);

// The most output handed to zlib in one call.
constexpr size_t kInflatePiece = 256u << 10;
constexpr size_t kStoreSizeLimit = 64u << 20;

}  // namespace tessaly
