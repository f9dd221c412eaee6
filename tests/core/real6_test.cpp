#include "core/files/real6.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace solmon {
namespace {

Real6 Bytes(std::array<std::uint8_t, 6> b) {
  return Real6{b};
}

struct Pattern {
  double value;
  std::array<std::uint8_t, 6> bytes;
};

std::ostream& operator<<(std::ostream& os, const Pattern& p) {
  return os << p.value;
}

class Real6Patterns : public ::testing::TestWithParam<Pattern> {};

TEST_P(Real6Patterns, ConvertsBothWays) {
  const Pattern p = GetParam();
  EXPECT_EQ(DoubleToReal6(p.value), Bytes(p.bytes));
  EXPECT_EQ(Real6ToDouble(Bytes(p.bytes)), p.value);
}

INSTANTIATE_TEST_SUITE_P(Known, Real6Patterns,
                         ::testing::Values(Pattern{0.0, {0, 0, 0, 0, 0, 0}},
                                           Pattern{1.0, {0x81, 0, 0, 0, 0, 0}},
                                           Pattern{-1.0, {0x81, 0, 0, 0, 0, 0x80}},
                                           Pattern{100.0, {0x87, 0, 0, 0, 0, 0x48}},
                                           Pattern{-1006.0, {0x8A, 0, 0, 0, 0x80, 0xFB}},
                                           Pattern{0.5, {0x80, 0, 0, 0, 0, 0}}));

TEST(Real6, ZeroExponentReadsAsZeroWhateverTheOtherBytes) {
  EXPECT_EQ(Real6ToDouble(Bytes({0, 0xFF, 0x12, 0x34, 0x56, 0xFF})), 0.0);
}

TEST(Real6, RoundsToFortySignificantBitsHalfUp) {
  const double ulp = std::ldexp(1.0, -39);  // one unit of the last kept bit at 1.0
  EXPECT_EQ(Real6ToDouble(DoubleToReal6(1.0 + ulp)), 1.0 + ulp);
  EXPECT_EQ(Real6ToDouble(DoubleToReal6(1.0 + ulp / 2)), 1.0 + ulp);  // half rounds up
  EXPECT_EQ(Real6ToDouble(DoubleToReal6(1.0 + ulp / 2 - ulp / 8)), 1.0);
  EXPECT_EQ(Real6ToDouble(DoubleToReal6(-(1.0 + ulp / 2))), -(1.0 + ulp));  // in magnitude
  // A carry out of the mantissa moves into the exponent.
  EXPECT_EQ(Real6ToDouble(DoubleToReal6(2.0 - ulp / 4)), 2.0);
  EXPECT_EQ(DoubleToReal6(2.0 - ulp / 4), Bytes({0x82, 0, 0, 0, 0, 0}));
}

TEST(Real6, PointOneKeepsAboutTwelveDigits) {
  const double back = Real6ToDouble(DoubleToReal6(0.1));
  EXPECT_NE(back, 0.1);
  EXPECT_NEAR(back, 0.1, 1e-12);
}

TEST(Real6, UnderflowIsZero) {
  EXPECT_EQ(DoubleToReal6(1e-40), Real6{});
  EXPECT_EQ(DoubleToReal6(-1e-40), Real6{});
  EXPECT_EQ(Real6ToDouble(DoubleToReal6(std::ldexp(1.0, -128))), std::ldexp(1.0, -128));
  EXPECT_EQ(DoubleToReal6(std::ldexp(1.0, -129)), Real6{});
}

TEST(Real6, OverflowFailsAndLeavesTheDestination) {
  EXPECT_EQ(DoubleToReal6(1e38).bytes[0], 255);
  EXPECT_THROW(DoubleToReal6(2e38), Real6Overflow);
  EXPECT_THROW(DoubleToReal6(-std::ldexp(1.0, 127)), Real6Overflow);
  EXPECT_THROW(DoubleToReal6(std::numeric_limits<double>::infinity()), Real6Overflow);
  // Just below 2^127 rounds up to it and fails too.
  EXPECT_THROW(DoubleToReal6(std::nextafter(std::ldexp(1.0, 127), 0.0)), Real6Overflow);

  Real6 dest = DoubleToReal6(42.0);
  EXPECT_THROW(StoreReal6(dest, 1e39), Real6Overflow);
  EXPECT_EQ(Real6ToDouble(dest), 42.0);
}

}  // namespace
}  // namespace solmon
