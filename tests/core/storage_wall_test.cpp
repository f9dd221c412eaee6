#include "core/calc/storage_wall.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc_fixture.h"
#include "core/calc/building_steps.h"
#include "core/calc/radiation.h"
#include "core/calc/run_driver.h"
#include "core/model/solar_constants.h"
#include "core/weather/weather_file.h"
#include "results_checks.h"

namespace solmon {
namespace {

using testing::ExpectPassiveYearAddsUp;
using testing::RecordingPrompts;
using testing::ResultsAllBlank;
using testing::ResultsAllFinite;
using testing::SampleProject;
using testing::Set;

const auto& Records(const ProjectState& s) {
  return s.Results.MonthlyResults;
}

TEST(StorageWallConductances, GlazingByCoversInBothUnits) {
  const double expected[] = {1.9, 3.7, 2.55, 1.9, 1.9};
  for (int covers = 0; covers <= 4; ++covers) {
    EXPECT_EQ(StorageWallConductances(false, covers, 0.3, 1.7, 1).glazing, expected[covers])
        << covers;
    EXPECT_EQ(StorageWallConductances(true, covers, 1, 1, 1).glazing, expected[covers] / 5.67)
        << covers;
  }
  EXPECT_EQ(StorageWallConductances(false, 2, 0.3, 1.7, 1).inside, 8.335);
  EXPECT_EQ(StorageWallConductances(true, 2, 1, 1, 1).inside, 8.335 / 5.67);
}

TEST(StorageWallConductances, DayNightAndWall) {
  const WallConductances u = StorageWallConductances(false, 1, 0.3, 1.7, 1);
  EXPECT_DOUBLE_EQ(u.day, 1 / (1 / 3.7 + 1 / 8.335 + 0.3 / 1.7));
  EXPECT_DOUBLE_EQ(u.night, 1 / (1 / 3.7 + 1 / 8.335 + 0.3 / 1.7 + 1));
  EXPECT_DOUBLE_EQ(u.wall, 8.335 * 1.7 / (8.335 * 0.3 + 1.7));
  // Without night insulation the night conductance is the day one.
  const WallConductances bare = StorageWallConductances(false, 2, 0.3, 1.7, 0);
  EXPECT_EQ(bare.night, bare.day);
}

TEST(StorageWallFraction, Thresholds) {
  const double x = 0.4;
  // Up to 100 dumped, Y stays 1000: P = 1 and fs = X.
  EXPECT_EQ(StorageWallFraction(x, 0, 1e4, 100), x);
  EXPECT_EQ(StorageWallFraction(1.7, 0, 1e4, 100), 1);
  EXPECT_EQ(StorageWallFraction(x, 0, 1e4, 99), x);
  // Y of exactly 100 keeps P = 1 too.
  EXPECT_EQ(StorageWallFraction(x, 0, 20000, 200), x);
  // Just below 100 the storage correlation takes over.
  const auto fraction = [&](double y) {
    const double p = std::pow(1 - std::exp(-0.144 * y), 0.53);
    return p * x + (1 - p) * 0.88 * (1 - std::exp(-1.26 * x));
  };
  EXPECT_NE(StorageWallFraction(x, 0, 19998, 200), x);
  EXPECT_NEAR(StorageWallFraction(x, 0, 19998, 200), fraction(99.99), 1e-15);
  // The wall storage term counts at 0.047.
  EXPECT_NEAR(StorageWallFraction(x, 1000 / 0.047, 1000, 200), fraction(10), 1e-15);
  EXPECT_EQ(StorageWallFraction(-1, 0, 0, 200), 0);  // limited to 0 ... 1
}

class StorageWallTest : public ::testing::Test {
 protected:
  StorageWallTest() {
    s.SheetKind[1] = 5;
    s.SheetKind[2] = 0;
  }
  RunOutcome Run() { return RunCalculation(s, false, prompts); }
  double YearF() const { return Records(s)[kYearRecord][4]; }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
};

TEST_F(StorageWallTest, EveryMonthFiniteAndTheYearAddsUp) {
  for (int units : {0, 1}) ExpectPassiveYearAddsUp(5, units, s, prompts);
}

TEST_F(StorageWallTest, SameWallInBothUnits) {
  Run();
  const auto si = s.Results.MonthlyResults[kYearRecord];
  ProjectState e = SampleProject(1);
  e.SheetKind[1] = 5;
  e.SheetKind[2] = 0;
  Set(e, 1, 5, 11, 5.6783);  // 1 m^2-C/W in ft^2-hr-F/Btu
  RunCalculation(e, false, prompts);
  const auto& en = e.Results.MonthlyResults[kYearRecord];
  for (int f = 1; f <= 3; ++f) EXPECT_NEAR(en[f] * 1.055, si[f], 0.01 * si[f]) << f;
  EXPECT_NEAR(en[4], si[4], 0.01);
}

// Months recomputed from the radiation on the wall. With the sample building
// January's critical level lies above all of its radiation (nothing dumped:
// Y stays 1000); a smaller building makes the wall dump enough for the
// storage correlation.
TEST_F(StorageWallTest, HandCheckedMonths) {
  int stored = 0, unstored = 0;
  for (double uab : {250.0, 60.0})
    for (int m : {1, 3, 4, 10, 11}) {
      Set(s, 1, 5, 12, uab);
      ASSERT_EQ(Run(), RunOutcome::Completed);
      ProjectState w = SampleProject(0);
      w.SheetKind[1] = 5;
      Calculation c(w, prompts);
      c.SystemKind = 5;
      ASSERT_TRUE(SetupGlazing(c, {2, 3, 4, 5}));
      MonthlyRadiation(c, m);
      const int n = kMonthDays[m];
      const double a = 15, fTau = 0.7, ug = 2.55, hi = 8.335, l = 0.3, k = 1.7, tLow = 20;
      const double sBar = c.Radiation.SBar * fTau, tar = c.Radiation.TauAlphaRatio;
      const double ta = Real6ToDouble(w.Location.TAmb[m]), dd24 = 24 * 3.6;
      const double uDay = 1 / (1 / ug + 1 / hi + l / k), uNight = 1 / (1 / ug + 1 / hi + l / k + 1);
      const double d = c.Radiation.SunsetAngle / 3.1415927;
      const double uw = d * uDay + (1 - d) * uNight;
      ComputeDegreeDays(w, m, tLow - 15 * 1000 / (uw * a + uab) / 24);
      const double dd = Real6ToDouble(w.DegDays[m]);
      const double lb = dd * uab * dd24, lw = dd * a * uw * dd24;
      const double uk = hi * k / (hi * l + k);
      const double two = ((ug * ta + uk * tLow) * dd24 + sBar) / ((uk + ug) * dd24);
      const double qn = uk * a * (two - tLow) * dd24 * n;
      const double phi = DailyUtilizability(
          c.Radiation, (tLow - ta) * ((ug / uk + 1) * uab + ug * a) / (tar * fTau) / a * 3.6);
      const double qd = uk * a / (ug + uk) * sBar * n * phi;
      const double x = (lw + qn) / (lb + lw);
      const double swall = qn * 2300 * 0.9 * l * l / (2 * k * dd24);
      const double y = qd > 100 ? (0.047 * swall + 20000 * 5 * n) / qd : 1000;
      const double p = y < 100 ? std::pow(1 - std::exp(-0.144 * y), 0.53) : 1;
      ++(y < 100 ? stored : unstored);
      const double fs = std::clamp(p * x + (1 - p) * 0.88 * (1 - std::exp(-1.26 * x)), 0.0, 1.0);
      ASSERT_GT(lb + lw, 10) << m;
      const auto& r = Records(s)[m];
      EXPECT_NEAR(r[1], Real6ToDouble(w.Location.HBar[m]) * a * c.Radiation.RBar * n / 1e6, 1e-12)
          << m;
      EXPECT_NEAR(r[2], (lb + lw) / 1e6, 1e-12) << m;
      EXPECT_NEAR(r[4], fs, 1e-12) << m;
      EXPECT_NEAR(r[3], (1 - fs) * (lb + lw) / 1e6, 1e-12) << m;
    }
  EXPECT_GT(stored, 0);
  EXPECT_GT(unstored, 0);
}

TEST_F(StorageWallTest, NightInsulationSavesFuel) {
  Set(s, 1, 5, 11, 0);
  Run();
  const auto bare = Records(s)[kYearRecord];
  Set(s, 1, 5, 11, 1);
  Run();
  EXPECT_LT(Records(s)[kYearRecord][2], bare[2]);  // less wall loss
  EXPECT_LT(Records(s)[kYearRecord][3], bare[3]);
}

TEST_F(StorageWallTest, InternalGainsAboveEveryLossNeedNoAuxiliary) {
  Set(s, 1, 5, 15, 2000);
  ASSERT_EQ(Run(), RunOutcome::Completed);
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(Records(s)[m][3], 0) << m;
    EXPECT_EQ(Records(s)[m][4], 1) << m;
  }
  EXPECT_EQ(YearF(), 1);
}

TEST_F(StorageWallTest, LocationKeepsItsOwnDegreeDays) {
  const auto degreeDays = s.DegDays;
  Run();
  EXPECT_EQ(s.DegDays, degreeDays);
}

struct StopCase {
  const char* what;
  int row;
  double value;
  const char* expected;
};

class StorageWallStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(StorageWallStopTest, StopsNamingTheParameter) {
  const StopCase& t = GetParam();
  ProjectState s = SampleProject(0);
  s.SheetKind[1] = 5;
  s.SheetKind[2] = 0;
  Set(s, 1, 5, t.row, t.value);
  const auto before = s.ParamBlock;
  RecordingPrompts prompts;
  EXPECT_EQ(RunCalculation(s, false, prompts), RunOutcome::Stopped);
  EXPECT_FALSE(s.ResultsValid);
  EXPECT_TRUE(ResultsAllBlank(s));
  EXPECT_NE(s.ErrorMessage.find(t.expected), std::string::npos) << s.ErrorMessage;
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(s.ParamBlock, before);
}

INSTANTIATE_TEST_SUITE_P(
    Guards, StorageWallStopTest,
    ::testing::Values(StopCase{"no_wall", 2, 0, "\"Wall area\""},
                      StopCase{"no_tau_alpha", 6, 0, "\"Tau-Alpha (at normal incidence)\""},
                      StopCase{"no_conduction", 8, 0, "\"Wall thermal conductivity\""},
                      StopCase{"negative_thickness", 7, -0.1, "\"Wall thickness\""},
                      StopCase{"negative_insulation", 11, -5, "\"Night insulation R-value\""},
                      StopCase{"five_glazings", 3, 5, "\"Number of glazings\""},
                      StopCase{"building_gains_heat", 12, -300, "\"Building UA\""},
                      StopCase{"fuel_burnt_for_nothing", 18, 0, "\"Efficiency of fuel usage\""}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace solmon
