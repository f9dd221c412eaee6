#include "core/model/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace solmon {
namespace {

constexpr DecForm Fixed(int d) {
  return {DecStyle::FixedDecimal, static_cast<std::int16_t>(d)};
}
constexpr DecForm Float(int d) {
  return {DecStyle::FloatDecimal, static_cast<std::int16_t>(d)};
}

struct FormatCase {
  long double value;
  DecForm form;
  const char* text;
};

std::ostream& operator<<(std::ostream& os, const FormatCase& c) {
  return os << c.text;
}

class FormatValueCases : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueCases, GivesTheText) {
  const auto c = GetParam();
  EXPECT_EQ(FormatValue(c.value, c.form), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Fixed, FormatValueCases,
    ::testing::Values(FormatCase{2.5, Fixed(0), "3"}, FormatCase{3.5, Fixed(0), "4"},
                      FormatCase{-2.5, Fixed(0), "-3"}, FormatCase{-0.004, Fixed(2), "-0.00"},
                      FormatCase{0.006, Fixed(2), "0.01"}, FormatCase{0.0004, Fixed(2), "0.00"},
                      FormatCase{9.96, Fixed(1), "10.0"}, FormatCase{0, Fixed(3), "0.000"},
                      FormatCase{140, Fixed(1), "140.0"}, FormatCase{0.125, Fixed(2), "0.13"},
                      FormatCase{1234567.891, Fixed(2), "1234567.89"},
                      // The double nearest 0.145 lies below it.
                      FormatCase{0.145, Fixed(2), "0.14"}, FormatCase{1e99, Fixed(2), "inf"},
                      FormatCase{-1e99, Fixed(0), "-inf"},
                      FormatCase{1e36, Fixed(2), "1.000000000000E+0036"}));

INSTANTIATE_TEST_SUITE_P(
    Scientific, FormatValueCases,
    ::testing::Values(FormatCase{1500, Float(3), "1.500E+03"}, FormatCase{1500, Float(0), "1E+03"},
                      FormatCase{1960, Float(0), "2E+03"}, FormatCase{2.5e-7, Float(2), "2.50E-07"},
                      FormatCase{-1500, Float(3), "-1.500E+03"},
                      FormatCase{1.5e123, Float(1), "1.5E+123"},
                      FormatCase{0, Float(2), "0.00E+00"}, FormatCase{9.99, Float(1), "1.0E+01"},
                      FormatCase{1e99, Float(3), "inf"},
                      FormatCase{12.5, DecForm{DecStyle::NoShow, 2}, "1.25E+01"}));

struct ParseCase {
  const char* text;
  double value;
  int errorPos;
};

std::ostream& operator<<(std::ostream& os, const ParseCase& c) {
  return os << '"' << c.text << '"';
}

class ParseNumberCases : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberCases, GivesValueOrPosition) {
  const auto c = GetParam();
  const ParsedNumber p = ParseNumber(c.text);
  EXPECT_EQ(p.errorPos, c.errorPos) << c.text;
  if (c.errorPos == 0) {
    EXPECT_EQ(p.value, c.value) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    All, ParseNumberCases,
    ::testing::Values(ParseCase{"1e3", 1000, 0}, ParseCase{" 12", 12, 0}, ParseCase{"12 ", 0, 3},
                      ParseCase{"1,5", 0, 2}, ParseCase{".", 0, 0}, ParseCase{"-.5", -0.5, 0},
                      ParseCase{"+4.", 4, 0}, ParseCase{"2.5E-2", 0.025, 0}, ParseCase{"", 0, 1},
                      ParseCase{"-", 0, 2}, ParseCase{"1e", 0, 3}, ParseCase{"1e+", 0, 4},
                      ParseCase{"abc", 0, 1}, ParseCase{"1.2.3", 0, 4}, ParseCase{"0.1", 0.1, 0}));

TEST(ParseNumber, IgnoresTheLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  EXPECT_EQ(ParseNumber("1.5").value, 1.5);
  EXPECT_EQ(ParseNumber("1,5").errorPos, 2);
  EXPECT_EQ(FormatValue(1.5, Fixed(1)), "1.5");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseNumber, OutOfRangeExponents) {
  EXPECT_TRUE(std::isinf(ParseNumber("1e400").value));
  EXPECT_EQ(ParseNumber("1e-400").value, 0.0);
}

TEST(ParseNumberOrInfinity, ReadsInfAnyCase) {
  EXPECT_EQ(ParseNumberOrInfinity("inf").value, 1e99);
  EXPECT_EQ(ParseNumberOrInfinity("-Inf").value, -1e99);
  EXPECT_EQ(ParseNumberOrInfinity("3").value, 3);
  EXPECT_FALSE(ParseNumberOrInfinity("infinity").ok());
}

TEST(EditValueInRange, BoundsByRangeKind) {
  double v = 0;
  EXPECT_FALSE(EditValueInRange("1", 1, 5, 5, v));
  EXPECT_FALSE(EditValueInRange("5", 1, 5, 5, v));
  EXPECT_TRUE(EditValueInRange("3", 1, 5, 5, v));
  EXPECT_EQ(v, 3);
  EXPECT_TRUE(EditValueInRange("1", 1, 5, 7, v));
  EXPECT_FALSE(EditValueInRange("5", 1, 5, 7, v));
  EXPECT_EQ(v, 0);
  EXPECT_FALSE(EditValueInRange("1", 1, 5, 1, v));
  EXPECT_TRUE(EditValueInRange("1", 1, 5, 2, v));
  EXPECT_TRUE(EditValueInRange("9", 1, 5, 4, v) == false);
  EXPECT_TRUE(EditValueInRange("-9", 1, 5, 0, v));
  EXPECT_FALSE(EditValueInRange("", 1, 5, 0, v));
  EXPECT_FALSE(EditValueInRange("3", 1, 5, -1, v));
  EXPECT_FALSE(EditValueInRange("x", 1, 5, 0, v));
}

TEST(Text, UpperCaseAndTrim) {
  EXPECT_EQ(UpperCaseText("Madison wi 1"), "MADISON WI 1");
  EXPECT_EQ(TrimSpaces("  a b \t "), "a b \t");
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces(" abcdef ", 3), "abc");
}

TEST(NumericRoutines, PowersLogsAndClampedInverseTrig) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_DOUBLE_EQ(PowerOf(0.5, 16), 4);
  EXPECT_EQ(PowerOf(2, 0), 0);
  EXPECT_EQ(PowerOf(2, -3), 0);
  EXPECT_EQ(IntPower(3, 2), 8);
  EXPECT_EQ(IntPower(-2, 2), 0.25);
  EXPECT_EQ(IntPower(0, 7), 1);
  EXPECT_NEAR(Log10(1000), 3, 1e-7);
  EXPECT_NE(Log10(1000), 3.0);  // the divisor is 2.3025851, not ln 10
  EXPECT_NEAR(ArcSin(1.0), 1.5707963, 1e-6);
  EXPECT_TRUE(std::isfinite(ArcSin(2.0)));
  EXPECT_EQ(ArcSin(2.0), ArcSin(1.0));
  EXPECT_EQ(ArcCos(0.0), 1.5708);
  EXPECT_EQ(ArcCos(1.0), 1.5708 - ArcSin(0.9999999999999));
}

}  // namespace
}  // namespace solmon
