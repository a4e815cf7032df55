#include "common/zlib_stream.h"

#include <zlib.h>

#include <algorithm>

#include "common/exception.h"

namespace tessaly {

std::string Deflate(std::string_view data) {
  z_stream z{};
  if (deflateInit(&z, Z_DEFAULT_COMPRESSION) != Z_OK) throw Exception("Could not start compression");
  std::string out(deflateBound(&z, static_cast<uLong>(data.size())), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  int rc = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (rc != Z_STREAM_END) throw Exception("Compression error");
  return out;
}

std::string Inflate(std::string_view data, size_t limit) {
  std::string out;
  if (data.empty()) return out;
  z_stream z{};
  if (inflateInit(&z) != Z_OK) throw Exception("Could not start decompression");
  // INI text shrinks several times over: room for that avoids most of the
  // copying as the output grows.
  out.reserve(std::min(limit, data.size() * 8));
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  int rc = Z_OK;
  while (rc != Z_STREAM_END) {
    if (out.size() >= limit) {
      inflateEnd(&z);
      throw Exception("The file inflates past the size limit of a store");
    }
    size_t used = out.size();
    out.resize(used + kInflateChunk);
    z.next_out = reinterpret_cast<Bytef*>(out.data() + used);
    z.avail_out = static_cast<uInt>(kInflateChunk);
    rc = inflate(&z, Z_NO_FLUSH);
    out.resize(used + kInflateChunk - z.avail_out);
    if (rc == Z_STREAM_END) break;
    // Z_BUF_ERROR with input left over cannot happen here: output space was
    // given. Without input it means the stream is truncated.
    if (rc != Z_OK) {
      inflateEnd(&z);
      throw Exception(rc == Z_BUF_ERROR ? "Truncated compressed data" : "Invalid compressed data");
    }
  }
  inflateEnd(&z);
  if (out.size() > limit) throw Exception("The file inflates past the size limit of a store");
  return out;
}

}  // namespace tessaly
