#include "common/zlib_stream.h"

#include <gtest/gtest.h>

#include "common/exception.h"

namespace tessaly {
namespace {

TEST(ZlibStreamTest, RoundTripsAtChunkBoundaries) {
  for (size_t size : {size_t{0}, size_t{1}, kInflatePiece - 1, kInflatePiece, 2 * kInflatePiece,
                      2 * kInflatePiece + 1}) {
    std::string text(size, 'x');
    for (size_t i = 0; i < size; ++i) text[i] = static_cast<char>('a' + (i * 7919) % 26);
    EXPECT_EQ(Inflate(Deflate(text), kStoreSizeLimit), text) << size;
  }
  EXPECT_EQ(Inflate("", kStoreSizeLimit), "");
}

TEST(ZlibStreamTest, RejectsDataThatIsNotACompleteStream) {
  std::string good = Deflate(std::string(50000, 'q') + "tail");
  EXPECT_THROW(Inflate("plain text, not compressed", kStoreSizeLimit), Exception);
  EXPECT_THROW(Inflate(good.substr(0, good.size() / 2), kStoreSizeLimit), Exception);
  std::string flipped = good;
  flipped[flipped.size() - 1] ^= 0x55;  // Adler-32 mismatch
  EXPECT_THROW(Inflate(flipped, kStoreSizeLimit), Exception);
}

TEST(ZlibStreamTest, StopsAtTheSizeLimit) {
  std::string bomb = Deflate(std::string(5u << 20, '\0'));
  EXPECT_LT(bomb.size(), 10000u);
  EXPECT_THROW(Inflate(bomb, 1u << 20), Exception);
}

}  // namespace
}  // namespace tessaly
