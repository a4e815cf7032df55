#include "common/number_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessaly {
namespace {

TEST(FormatFloatGeneralTest, FixedAndExponentForms) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},          {1, "1"},          {-2.5, "-2.5"},    {0.0001, "0.0001"},
      {0.00005, "5E-5"}, {1.5e20, "1.5E20"}, {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},    {0.1, "0.1"},      {1.0 / 3, "0.333333333333333"},
      {-1.25e-7, "-1.25E-7"}, {100, "100"},
      {std::nan(""), "0"}, {HUGE_VAL, "0"}, {-HUGE_VAL, "0"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFloatGeneral(c.value, '.'), c.text) << c.value;
  EXPECT_EQ(FormatFloatGeneral(1234.5, ','), "1234,5");
}

TEST(ParseFloatTest, AcceptsFixedAndExponentFormsOnly) {
  double v = 0;
  EXPECT_TRUE(ParseFloat("5E-5", '.', &v));
  EXPECT_DOUBLE_EQ(v, 5e-5);
  EXPECT_TRUE(ParseFloat("+1.5", '.', &v));
  EXPECT_DOUBLE_EQ(v, 1.5);
  EXPECT_TRUE(ParseFloat("-0,25", ',', &v));
  EXPECT_DOUBLE_EQ(v, -0.25);
  for (const char* bad : {"", "abc", "1.5x", "inf", "nan", "1 5", "1,5", "++1", "+-5"}) {
    EXPECT_FALSE(ParseFloat(bad, '.', &v)) << bad;
  }
}

TEST(ParseIntegerTest, DecimalAndHexadecimal) {
  int32_t v = 0;
  EXPECT_TRUE(ParseInteger("0xFFFFFFFF", &v));
  EXPECT_EQ(v, -1);
  EXPECT_TRUE(ParseInteger("+7", &v));
  EXPECT_EQ(v, 7);
  for (const char* bad : {"", "0x", "0x123456789", "0xG", "1.0", " 1", "--1", "+-5", "2147483648"}) {
    EXPECT_FALSE(ParseInteger(bad, &v)) << bad;
  }
}

}  // namespace
}  // namespace tessaly
