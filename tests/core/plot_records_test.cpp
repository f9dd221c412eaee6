#include "core/plot/plot_records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/plot/plot_store.h"

namespace solmon {
namespace {

using Bytes10 = std::array<std::uint8_t, 10>;

struct ExtendedCase {
  long double value;
  Bytes10 bytes;
};

class ExtendedEncoding : public ::testing::TestWithParam<ExtendedCase> {};

TEST_P(ExtendedEncoding, MatchesTheX87Layout) {
  const ExtendedCase& c = GetParam();
  EXPECT_EQ(Extended(c.value).Bytes(), c.bytes);
  EXPECT_EQ(Extended::FromBytes(c.bytes).LongValue(), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ExtendedEncoding,
    ::testing::Values(ExtendedCase{0.0L, {}},
                      ExtendedCase{1.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
                      ExtendedCase{-2.5L, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}},
                      ExtendedCase{100.0L, {0, 0, 0, 0, 0, 0, 0, 0xC8, 0x05, 0x40}},
                      ExtendedCase{0.1, {0, 0xD0, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}},
                      // the smallest denormal
                      ExtendedCase{std::ldexp(1.0L, -16445), {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}}));

TEST(Extended, KeepsItsBytesUnlessTheValueChanges) {
  // 1 + 2^-63 has no double: the double view is 1.0.
  const Bytes10 full{0x01, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
  Extended e = Extended::FromBytes(full);
  EXPECT_EQ(e.Value(), 1.0);
  e.Set(e.Value());  // writing back what was drawn changes nothing
  EXPECT_EQ(e.Bytes(), full);
  if constexpr (std::numeric_limits<long double>::digits >= 64) {
    EXPECT_EQ(e.LongValue(), 1.0L + std::ldexp(1.0L, -63));
    e.SetLong(e.LongValue());
    EXPECT_EQ(e.Bytes(), full);
  }
  e.Set(2.0);
  EXPECT_EQ(e.Bytes(), Extended(2.0L).Bytes());
  e.Set(-0.0);  // the sign of zero is a change
  EXPECT_EQ(e.Bytes()[9], 0x80);
}

TEST(Extended, InfinitiesAndNaN) {
  EXPECT_TRUE(std::isinf(Extended(HUGE_VALL).Value()));
  EXPECT_TRUE(std::isnan(Extended(std::nanl("")).Value()));
  Bytes10 pseudoNaN{1, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0x7F};
  EXPECT_TRUE(std::isnan(Extended::FromBytes(pseudoNaN).Value()));
}

// Random images with the pointer fields cleared come back byte for byte; the
// pointer fields of a random image are written as zero.
template <class R>
void ExpectImageRoundTrip(std::initializer_list<std::pair<std::size_t, std::size_t>> pointers) {
  std::mt19937 rng(R::kImageSize);
  std::vector<std::uint8_t> in(R::kImageSize), expected;
  for (auto& b : in) b = static_cast<std::uint8_t>(rng());
  expected = in;
  for (auto [at, n] : pointers) std::fill_n(expected.begin() + at, n, 0);
  std::vector<std::uint8_t> out(R::kImageSize, 0xEE);
  WriteImage(ReadImage<R>(in.data()), out.data());
  EXPECT_EQ(out, expected);
}

TEST(PlotRecords, ImagesRoundTripAndDropPointers) {
  ExpectImageRoundTrip<PlotInfoRec>({{6, 8}, {249, 4}});
  ExpectImageRoundTrip<PlotTextRec>({{113, 8}, {136, 4}});
  ExpectImageRoundTrip<TPlotWInfo>({{0, 4}, {66, 4}, {223, 16}, {538, 4}, {547, 4}});
}

TEST(PlotRecords, FieldsSitAtTheirOffsets) {
  PlotInfoRec line;
  line.NPts = 0x0102;
  line.MinV[2] = Extended(1.0L);
  line.AxisName[2].SetText("Y");
  line.Form[2] = {{DecStyle::FloatDecimal, 3}};
  line.ZeroLine[2] = -1;
  std::array<std::uint8_t, 264> a{};
  WriteImage(line, a.data());
  EXPECT_EQ(a[0], 0x02);
  EXPECT_EQ(a[1], 0x01);
  EXPECT_EQ(a[31 + 7], 0x80);  // MinV[2] integer bit
  EXPECT_EQ(a[31 + 9], 0x3F);
  EXPECT_EQ(a[73 + 81], 1);    // AxisName[2] length byte
  EXPECT_EQ(a[73 + 82], 'Y');
  EXPECT_EQ(a[242], 0);        // Form[2].Style
  EXPECT_EQ(a[243], 3);        // Form[2].Digits
  EXPECT_EQ(a[262], 0xFF);
  EXPECT_EQ(a[263], 0xFF);

  TPlotWInfo plot;
  plot.Title.SetText("T");
  plot.AxisSizeNo[4] = 12;
  plot.ExtraR[9] = 1.0;
  std::array<std::uint8_t, 941> p{};
  WriteImage(plot, p.data());
  EXPECT_EQ(p[555], 1);
  EXPECT_EQ(p[556], 'T');
  EXPECT_EQ(p[522 + 12], 12);
  EXPECT_EQ(p[940], 0x3F);  // high byte of the last double, 1.0

  PlotTextRec text;
  text.Orientation = OrientationType::Vert;
  text.ExtraB2 = 1;
  std::array<std::uint8_t, 148> t{};
  WriteImage(text, t.data());
  EXPECT_EQ(t[135], 1);
  EXPECT_EQ(t[147], 1);
}

}  // namespace
}  // namespace solmon
