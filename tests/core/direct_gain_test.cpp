#include "core/calc/direct_gain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc_fixture.h"
#include "core/calc/building_steps.h"
#include "core/calc/collector.h"
#include "core/calc/radiation.h"
#include "core/calc/run_driver.h"
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

class DirectGainTest : public ::testing::Test {
 protected:
  DirectGainTest() {
    s.SheetKind[1] = 4;
    s.SheetKind[2] = 0;  // no collector sheet
  }
  RunOutcome Run() { return RunCalculation(s, false, prompts); }
  double YearF() const { return Records(s)[kYearRecord][4]; }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
};

TEST_F(DirectGainTest, EveryMonthFiniteAndTheYearAddsUp) {
  for (int units : {0, 1}) {
    ExpectPassiveYearAddsUp(4, units, s, prompts);
    const auto& r = Records(s);
    const double price = s.ParamValue(3, 1, 6);  // natural gas, at 80 %
    EXPECT_DOUBLE_EQ(s.Results.FuelCostNoSolar, r[kYearRecord][2] / 0.8 * price);
    EXPECT_DOUBLE_EQ(s.Results.FuelCostSolar, r[kYearRecord][3] / 0.8 * price);
  }
}

// January recomputed from the radiation on the window, for a swing of 5
// degrees and for none (no storage: P = 0).
TEST_F(DirectGainTest, HandCheckedJanuary) {
  for (double swing : {5.0, 0.0}) {
    Set(s, 1, 4, 13, swing);
    ASSERT_EQ(Run(), RunOutcome::Completed);
    ProjectState w = SampleProject(0);
    w.SheetKind[1] = 4;
    Calculation c(w, prompts);
    c.SystemKind = 4;
    ASSERT_TRUE(SetupGlazing(c, {2, 3, 4, 5}));
    MonthlyRadiation(c, 1);
    const double a = 15, fTau = 0.7, sBar = c.Radiation.SBar, tar = c.Radiation.TauAlphaRatio;
    const double ta = Real6ToDouble(w.Location.TAmb[1]), tLow = 20;
    const double d = c.Radiation.SunsetAngle / 3.1415927;
    const double ua = 250 + (d * 3 + (1 - d) * 1.5) * a;
    ComputeDegreeDays(w, 1, tLow - 15 * 1000 / ua / 24);
    const double ls = Real6ToDouble(w.DegDays[1]) * ua * 3.6 * 24;
    const double phi = DailyUtilizability(c.Radiation, (tLow - ta) * ua / a / (tar * fTau) * 3.6);
    const double qd = a * sBar * fTau * phi * 31;
    const double p =
        swing > 0 ? std::pow(1 - std::exp(-0.294 * (20000 * swing * 31 / qd)), 0.652) : 0;
    const double x = a * sBar * fTau * 31 / ls;
    const double fs =
        std::clamp(p * x + (1 - p) * (3.082 - 3.142 * phi) * (1 - std::exp(-0.329 * x)), 0.0, 1.0);
    ASSERT_GT(fs, 0.01);
    ASSERT_LT(fs, 0.99);
    const auto& r = Records(s)[1];
    EXPECT_NEAR(r[1], Real6ToDouble(w.Location.HBar[1]) * c.Radiation.RBar * 31 * a / 1e6, 1e-12);
    EXPECT_NEAR(r[2], ls / 1e6, 1e-12) << swing;
    EXPECT_NEAR(r[4], fs, 1e-12) << swing;
    EXPECT_NEAR(r[3], (1 - fs) * ls / 1e6, 1e-12) << swing;
  }
}

// January in English units: k3 = 1, the capacity in Btu/F and the internal
// generation in Btu/day as they stand.
TEST_F(DirectGainTest, HandCheckedEnglishJanuary) {
  s = SampleProject(1);
  s.SheetKind[1] = 4;
  s.SheetKind[2] = 0;
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  ProjectState w = s;
  Calculation c(w, prompts);
  c.SystemKind = 4;
  ASSERT_TRUE(FillIAMByGlazings(c.Collector, 2));
  c.Collector.SurfaceSlope = 90;
  c.Collector.SurfaceAzimuth = 0;
  c.Collector.IAMRow = 1;
  c.CollectorKind = 1;
  MonthlyRadiation(c, 1);
  const auto v = [&](int row) { return w.ParamValue(1, 4, row); };
  const double a = v(2), fTau = v(6), sBar = c.Radiation.SBar, tar = c.Radiation.TauAlphaRatio;
  const double ta = Real6ToDouble(w.Location.TAmb[1]), tLow = v(11), swing = v(13);
  const double d = c.Radiation.SunsetAngle / 3.1415927;
  const double ua = v(9) + (d * v(7) + (1 - d) * v(8)) * a;
  ComputeDegreeDays(w, 1, tLow - v(12) / ua / 24);
  const double ls = Real6ToDouble(w.DegDays[1]) * ua * 24;
  const double phi = DailyUtilizability(c.Radiation, (tLow - ta) * ua / a / (tar * fTau));
  const double qd = a * sBar * fTau * phi * 31;
  const double p = std::pow(1 - std::exp(-0.294 * (v(10) * swing * 31 / qd)), 0.652);
  const double x = a * sBar * fTau * 31 / ls;
  const double fs =
      std::clamp(p * x + (1 - p) * (3.082 - 3.142 * phi) * (1 - std::exp(-0.329 * x)), 0.0, 1.0);
  ASSERT_GT(fs, 0.01);
  ASSERT_LT(fs, 0.99);
  const auto& r = Records(s)[1];
  EXPECT_NEAR(r[1], Real6ToDouble(w.Location.HBar[1]) * c.Radiation.RBar * 31 * a / 1e6, 1e-12);
  EXPECT_NEAR(r[2], ls / 1e6, 1e-12);
  EXPECT_NEAR(r[4], fs, 1e-12);
  EXPECT_NEAR(r[3], (1 - fs) * ls / 1e6, 1e-12);
}

TEST_F(DirectGainTest, WindowWithoutNightInsulationLosesLikeAWall) {
  // Un = Ud: the window adds Ud x A to the building UA whatever the day length.
  Set(s, 1, 4, 7, 3);
  Set(s, 1, 4, 8, 3);
  Run();
  const auto window = s.Results.MonthlyResults;
  Set(s, 1, 4, 7, 0);
  Set(s, 1, 4, 8, 0);
  Set(s, 1, 4, 9, 250 + 3 * 15);
  Run();
  for (int m = 1; m <= kYearRecord; ++m)
    for (int f = 1; f <= 4; ++f)
      EXPECT_NEAR(Records(s)[m][f], window[m][f], 1e-9 * (1 + window[m][f])) << m;
}

TEST_F(DirectGainTest, InternalGainsAboveEveryLossNeedNoAuxiliary) {
  Set(s, 1, 4, 12, 2000);  // Tb below every monthly temperature
  ASSERT_EQ(Run(), RunOutcome::Completed);
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(Records(s)[m][2], 0) << m;
    EXPECT_EQ(Records(s)[m][3], 0) << m;
    EXPECT_EQ(Records(s)[m][4], 1) << m;
  }
  EXPECT_EQ(YearF(), 1);
  EXPECT_EQ(s.Results.FuelCostSolar, 0);
}

TEST_F(DirectGainTest, LocationKeepsItsOwnDegreeDays) {
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

class DirectGainStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(DirectGainStopTest, StopsNamingTheParameter) {
  const StopCase& t = GetParam();
  ProjectState s = SampleProject(0);
  s.SheetKind[1] = 4;
  s.SheetKind[2] = 0;
  Set(s, 1, 4, t.row, t.value);
  if (t.row == 9) {  // no loss at all: no building UA and no window conductance
    Set(s, 1, 4, 7, 0);
    Set(s, 1, 4, 8, 0);
  }
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
    Guards, DirectGainStopTest,
    ::testing::Values(StopCase{"no_window", 2, 0, "\"Window area\""},
                      StopCase{"no_tau_alpha", 6, 0, "\"Tau-Alpha (at normal incidence)\""},
                      StopCase{"no_loss", 9, 0, "\"Building UA\""},
                      StopCase{"five_glazings", 3, 5, "\"Number of glazings\""},
                      StopCase{"unknown_fuel", 14, 9, "\"Fuel\""},
                      StopCase{"fuel_burnt_for_nothing", 15, 0, "\"Efficiency of fuel usage\""}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace solmon
