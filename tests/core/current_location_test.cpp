#include <gtest/gtest.h>

#include <cmath>

#include "../support/weather_fixtures.h"
#include "core/model/units.h"
#include "core/weather/weather_file.h"

namespace solmon {
namespace {

using testing::MakeRecord;
using testing::RecordValues;

double V(const Real6& r) {
  return Real6ToDouble(r);
}

ProjectState Project(int unitSystem, int systemKind) {
  ProjectState s;
  s.UnitSystem = static_cast<std::uint8_t>(unitSystem);
  s.SheetKind[1] = static_cast<std::int16_t>(systemKind);
  return s;
}

// Latitude 40: January 600 Btu/ft^2, 30 F, w 0.003; July 2000 Btu/ft^2, 75 F,
// w 0.012; the other months 1000 Btu/ft^2, 20 + 5 m F.
LocationRecord Denverish() {
  LocationRecord r = MakeRecord("TEST CO", 40);
  for (int m = 1; m <= 12; ++m) r.TAmb[m] = DoubleToReal6(20 + 5 * m);
  r.HBar[1] = DoubleToReal6(600);
  r.TAmb[1] = DoubleToReal6(30);
  r.HumRatio[1] = DoubleToReal6(0.003);
  r.HBar[7] = DoubleToReal6(2000);
  r.TAmb[7] = DoubleToReal6(75);
  r.HumRatio[7] = DoubleToReal6(0.012);
  return r;
}

TEST(CurrentLocation, SkyTemperaturesMatchAHandCalculation) {
  ProjectState s = Project(kEnglish, 6);
  SetCurrentLocation(s, Denverish());
  // Worked out independently: January clearness 0.4561, July 0.5656.
  EXPECT_NEAR(V(s.TSky[1]), -0.23635469350915628, 1e-9);
  EXPECT_NEAR(V(s.TSky[7]), 58.17367977470275, 1e-9);
}

TEST(CurrentLocation, MeanAndSpreadOfTheAmbientTemperature) {
  LocationRecord r = MakeRecord("STEPS", 40);
  for (int m = 1; m <= 12; ++m) r.TAmb[m] = DoubleToReal6(20 + 5 * m);
  ProjectState english = Project(kEnglish, 1);
  SetCurrentLocation(english, r);
  EXPECT_DOUBLE_EQ(V(english.TMean), 52.5);
  EXPECT_NEAR(V(english.TSigma), 5 * std::sqrt(13.0), 1e-10);
  ProjectState si = Project(kSI, 1);
  SetCurrentLocation(si, r);
  EXPECT_NEAR(V(si.TMean), (52.5 - 32) / 1.8, 1e-10);
  EXPECT_NEAR(V(si.TSigma), 5 * std::sqrt(13.0) / 1.8, 1e-10);
}

TEST(CurrentLocation, PolarMonthIsTwentyKelvinBelowTheAmbient) {
  LocationRecord r = MakeRecord("RESOLUTE NU", 80, RecordValues{.hBar = 0, .tAmb = -20});
  r.HBar[6] = DoubleToReal6(2500);
  ProjectState s = Project(kEnglish, 6);
  SetCurrentLocation(s, r);
  for (const int m : {1, 11, 12}) EXPECT_NEAR(V(s.TSky[m]), -20 - 36, 1e-9) << "month " << m;
  EXPECT_GT(V(s.TSky[6]), -20 - 36);  // midnight sun: a real sky
  // The south: Halley in June.
  ProjectState south = Project(kSI, 8);
  SetCurrentLocation(south, MakeRecord("HALLEY ATA", -75.6, RecordValues{.tAmb = -13}));
  EXPECT_NEAR(V(south.TSky[6]), (-13 - 36 - 32) / 1.8, 1e-9);
}

TEST(CurrentLocation, CloudTermAtItsZeroGivesTheOvercastSky) {
  // January at latitude 40 has H0 = 600 / 0.45611636742274614 Btu/ft^2.
  const double h0 = 600 / 0.45611636742274614;
  LocationRecord r = Denverish();
  r.HBar[1] = DoubleToReal6(std::log(1.1) / 5.15 * h0);
  ProjectState s = Project(kEnglish, 6);
  SetCurrentLocation(s, r);
  EXPECT_NEAR(V(s.TSky[1]), 30 - 36, 1e-6);
}

TEST(CurrentLocation, NonPositiveHumidityBecomesOneThousandth) {
  LocationRecord r = Denverish();
  r.HumRatio[2] = DoubleToReal6(0);
  r.HumRatio[3] = DoubleToReal6(-0.5);
  ProjectState s = Project(kEnglish, 6);
  SetCurrentLocation(s, r);
  EXPECT_EQ(s.Location.HumRatio[2], DoubleToReal6(0.001));
  EXPECT_EQ(s.Location.HumRatio[3], DoubleToReal6(0.001));
  EXPECT_EQ(s.Location.HumRatio[4], r.HumRatio[4]);
}

TEST(DegreeDays, CorrelationAtAndAboveTheBase) {
  for (const int unit : {kEnglish, kSI}) {
    ProjectState s = Project(unit, 1);
    const double c = unit == kEnglish ? 3.537 : 1.45;
    const double base = unit == kEnglish ? 65 : 18.3;
    s.TSigma = DoubleToReal6(10);
    s.Location.TAmb[1] = DoubleToReal6(base);
    ComputeDegreeDays(s, 1, base);
    const double sigma = c - 0.029 * base + 0.0664 * 10;
    EXPECT_NEAR(V(s.DegDays[1]), sigma * std::pow(31, 1.5) * 0.2041, 1e-9);
    s.Location.TAmb[2] = DoubleToReal6(base + (unit == kEnglish ? 60 : 33.3));
    ComputeDegreeDays(s, 2, base);
    EXPECT_EQ(V(s.DegDays[2]), 0);
  }
  ProjectState s = Project(kEnglish, 1);
  s.TSigma = DoubleToReal6(15);
  s.Location.TAmb[1] = DoubleToReal6(30);
  ComputeDegreeDays(s, 1, 65);
  EXPECT_NEAR(V(s.DegDays[1]), 1085.542895884782, 1e-6);  // worked out independently
  EXPECT_THROW(ComputeDegreeDays(s, 13, 65), std::out_of_range);
}

void ExpectSameValues(const MonthlyReal6& a, const MonthlyReal6& b, double tolerance,
                      const char* what) {
  for (int m = 1; m <= 12; ++m)
    EXPECT_NEAR(V(a[m]), V(b[m]), tolerance * std::max(1.0, std::fabs(V(b[m]))))
        << what << " " << m;
}

// A location loaded in SI and switched to English holds what the English load
// holds, and the other way round.
TEST(CurrentLocation, SIAndEnglishLoadsConvertIntoEachOther) {
  for (const int kind : {6, 1}) {
    ProjectState english = Project(kEnglish, kind);
    ProjectState si = Project(kSI, kind);
    SetCurrentLocation(english, Denverish());
    SetCurrentLocation(si, Denverish());
    ProjectState back = si;
    ConvertLocationUnits(back, kSI, kEnglish);
    ProjectState there = english;
    ConvertLocationUnits(there, kEnglish, kSI);
    for (const auto& [a, b] : {std::pair{&back, &english}, std::pair{&there, &si}}) {
      ExpectSameValues(a->Location.HBar, b->Location.HBar, 1e-9, "HBar");
      ExpectSameValues(a->Location.TAmb, b->Location.TAmb, 1e-9, "TAmb");
      ExpectSameValues(a->Location.TMains, b->Location.TMains, 1e-9, "TMains");
      ExpectSameValues(a->TSky, b->TSky, 1e-9, "TSky");
      EXPECT_NEAR(V(a->TMean), V(b->TMean), 1e-10);
      EXPECT_NEAR(V(a->TSigma), V(b->TSigma), 1e-10);
      EXPECT_NEAR(V(a->Location.DegDayBase), V(b->Location.DegDayBase), 1e-10);
    }
    if (kind == 1) {
      // Degree-days follow the switch; the SI correlation constant differs
      // from the English one by 0.04 %, which moves a mild month by 0.1 %.
      ExpectSameValues(back.DegDays, english.DegDays, 2e-3, "DegDays");
      // The sky temperatures are not this kind's table: they stay in F.
      ExpectSameValues(si.TSky, english.TSky, 0, "TSky");
    }
  }
}

TEST(CurrentLocation, UnitSwitchOnlyBetweenTheTwoSystemsAndWithAKind) {
  ProjectState s = Project(kEnglish, 1);
  SetCurrentLocation(s, Denverish());
  const ProjectState before = s;
  ConvertLocationUnits(s, kEnglish, kEnglish);
  EXPECT_EQ(s.Location, before.Location);
  ConvertLocationUnits(s, kEnglish, 7);
  EXPECT_EQ(s.Location, before.Location);
  s.SheetKind[1] = 0;
  ConvertLocationUnits(s, kEnglish, kSI);
  EXPECT_EQ(s.Location, before.Location);
}

}  // namespace
}  // namespace solmon
