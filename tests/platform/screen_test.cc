// Points to screen pixels, and the screen of the platform the tests run on:
// the display under Wine, the stand-in natively.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "platform/env.h"
#include "platform/screen.h"

namespace tessaly {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(PxTest, RoundsHalvesToEvenAndSaturates) {
  struct Case {
    int32_t pixels_per_inch;
    double points;
    int32_t pixels;
  } cases[] = {
      {96, 0, 0},         {96, 1, 1},        {96, 2, 3},         {96, 72, 96},
      {96, 144, 192},     {96, 0.375, 0},    {96, 1.125, 2},     {96, 1.875, 2},
      {96, -0.375, 0},    {96, -1.125, -2},  {96, -1.875, -2},   {108, 1, 2},
      {108, 3, 4},        {108, 5, 8},       {108, -1, -2},      {108, -3, -4},
      {108, 72, 108},     {120, 1, 2},       {120, 10, 17},      {120, 1.5, 2},
      {120, 2.1, 4},      {120, 72, 120},    {96, 1610612735.25, kMax},
      {96, 1610612736, kMax},                {96, 1e12, kMax},   {96, -1610612736, kMin},
      {96, -1610612737, kMin},               {96, -1e12, kMin},
      {96, std::numeric_limits<double>::infinity(), kMax},
      {96, -std::numeric_limits<double>::infinity(), kMin},
      {96, std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Px(c.points, c.pixels_per_inch), c.pixels)
        << c.points << " points at " << c.pixels_per_inch << " pixels per inch";
  }
}

TEST(PlatformScreenTest, PixelsPerInchAndTextExtents) {
  Screen& screen = *DefaultEnv().screen;
  const int32_t pixels_per_inch = screen.PixelsPerInch();
  EXPECT_GT(pixels_per_inch, 0);
  EXPECT_EQ(screen.PixelsPerInch(), pixels_per_inch);

  const ScreenFont regular{L"Arial", 12, false};
  const TextExtent word = screen.Extent(regular, "Sales");
  EXPECT_GT(word.width, 0);
  EXPECT_GT(word.height, 0);
  const TextExtent longer = screen.Extent(regular, "Sales report");
  EXPECT_GT(longer.width, word.width);
  EXPECT_EQ(longer.height, word.height);
  const TextExtent larger = screen.Extent({L"Arial", 24, false}, "Sales");
  EXPECT_GT(larger.width, word.width);
  EXPECT_GT(larger.height, word.height);
  EXPECT_GE(screen.Extent({L"Arial", 12, true}, "Sales").width, word.width);

  const TextExtent empty = screen.Extent(regular, "");
  EXPECT_EQ(empty.width, 0);
  EXPECT_EQ(empty.height, 0);
  // An ANSI character outside ASCII, and a face no system has.
  EXPECT_GT(screen.Extent(regular, "Caf\xe9").width, screen.Extent(regular, "Caf").width);
  EXPECT_GT(screen.Extent({L"No Such Face Anywhere", 12, false}, "Sales").width, 0);
  EXPECT_EQ(screen.PixelsPerInch(), pixels_per_inch);
}

}  // namespace
}  // namespace tessaly
