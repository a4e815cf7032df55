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
  // INI text shrinks tens of times over. Address space for that much is
  // reserved at once (pages are only touched as they are written), so the
  // text is rarely moved as it grows. The output is handed to zlib in
  // pieces that grow from a few times the input to kInflatePiece: a small
  // store clears little memory it never uses, and a large one is cleared
  // and written piece by piece while the piece is in the cache, with zlib
  // copying only the last 32 KB of each into its window.
  size_t room = data.size() < limit / 64 ? data.size() * 64 : limit + 1;
  out.reserve(room);
  size_t piece = std::min(kInflatePiece, std::max<size_t>(4096, data.size() * 4));
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  int rc = Z_OK;
  while (rc != Z_STREAM_END) {
    if (out.size() > limit) {
      inflateEnd(&z);
      throw Exception("The file inflates past the size limit of a store");
    }
    // No more room than one byte past the limit is ever given.
    size_t used = out.size();
    piece = std::min(piece, limit + 1 - used);
    out.resize(used + piece);
    z.next_out = reinterpret_cast<Bytef*>(out.data() + used);
    z.avail_out = static_cast<uInt>(piece);
    rc = inflate(&z, Z_NO_FLUSH);
    out.resize(used + piece - z.avail_out);
    piece = std::min(kInflatePiece, piece * 2);
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
  // Give back reserved room far beyond what the text needs (moving the
  // text costs about a tenth of inflating it; room never written to costs
  // address space only).
  if (out.capacity() > 4 * out.size() + kInflatePiece) out.shrink_to_fit();
  return out;
}

}  // namespace tessaly
