#include "core/calc/building_storage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc_fixture.h"
#include "core/calc/collector.h"
#include "core/calc/radiation.h"
#include "core/calc/run_driver.h"
#include "core/weather/weather_file.h"
#include "results_checks.h"

namespace solmon {
namespace {

using testing::RecordingPrompts;
using testing::ResultsAllBlank;
using testing::ResultsAllFinite;
using testing::SampleProject;
using testing::Set;

const auto& Records(const ProjectState& s) {
  return s.Results.MonthlyResults;
}

// The correlation on its own, with a radiation run whose steps carry no
// radiation: the building's own utilizability is then 0.
class BuildingStorageFractionTest : public ::testing::Test {
 protected:
  BuildingStorageFractionTest() : c(s, prompts) {
    c.SystemKind = 3;
    c.Radiation.TauAlphaRatio = 0.9;
    c.Radiation.RBar = 1.2;
    in.ua = 200;
    in.cb = 15;  // MJ/C
    in.swing = 3;
    in.tLow = 20;
    in.area = 10;
    in.fTau = 0.7;
    in.sBarFTau = 1000;
    in.utilizability = 0.3;
    in.degreeDays = 500;  // Ls = 500 x 200 x 3.6 x 24 = 8 640 000 kJ
    in.qu = 4.32e6;       // X = 0.5
  }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
  Calculation c;
  BuildingStorageInputs in;
};

TEST_F(BuildingStorageFractionTest, HandCheckedJanuary) {
  const BuildingStorageMonth b = BuildingStorageFraction(c, 1, in);
  EXPECT_DOUBLE_EQ(b.ls, 8.64e6);
  // Qd = 10 x 1000 x 0.3 x 31 = 93 000 kJ; Y = 15 000 x 3 x 31 / 93 000 = 15.
  const double p = std::pow(1 - std::exp(-0.294 * 15), 0.652);
  const double fs = p * 0.5 + (1 - p) * 3.082 * (1 - std::exp(-0.329 * 0.5));
  EXPECT_NEAR(b.fs, fs, 1e-14);
  EXPECT_NEAR(b.fs, 0.49974, 1e-5);
  EXPECT_NEAR(b.qaux, (1 - fs) * 8.64e6, 1e-6);
  EXPECT_DOUBLE_EQ(b.load, 8.64);
  const double hBar = Real6ToDouble(s.Location.HBar[1]);
  EXPECT_DOUBLE_EQ(b.solar, hBar * 1.2 * 31 * 10 / 1e6);
}

TEST_F(BuildingStorageFractionTest, LoadBelowTenIsCoveredBySun) {
  in.degreeDays = 0.0005;  // Ls = 8.64 kJ
  const BuildingStorageMonth b = BuildingStorageFraction(c, 1, in);
  EXPECT_DOUBLE_EQ(b.ls, 8.64);
  EXPECT_EQ(b.fs, 1);
  EXPECT_EQ(b.qaux, 0);
  in.degreeDays = 10 / (200 * 3.6 * 24.0);  // Ls at 10 is computed
  in.qu = 5;
  EXPECT_LT(BuildingStorageFraction(c, 1, in).fs, 1);
}

TEST_F(BuildingStorageFractionTest, NoDumpedEnergyLeavesStorageFactorOne) {
  in.utilizability = 0;  // Qd = 0 < 0.001: P = 1, fs = X
  EXPECT_DOUBLE_EQ(BuildingStorageFraction(c, 1, in).fs, 0.5);
  in.qu = 2 * 8.64e6;  // X = 2, limited to 1
  EXPECT_EQ(BuildingStorageFraction(c, 1, in).fs, 1);
}

TEST_F(BuildingStorageFractionTest, NoSwingGivesNoStorage) {
  in.swing = 0;  // Y = 0: P = 0
  EXPECT_NEAR(BuildingStorageFraction(c, 1, in).fs, 3.082 * (1 - std::exp(-0.329 * 0.5)), 1e-15);
}

class BuildingStorageTest : public ::testing::Test {
 protected:
  BuildingStorageTest() { s.SheetKind[1] = 3; }
  RunOutcome Run() { return RunCalculation(s, false, prompts); }
  double YearF() const { return Records(s)[kYearRecord][5]; }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
};

TEST_F(BuildingStorageTest, EveryMonthFiniteAndTheYearAddsUp) {
  for (int units : {0, 1}) {
    s = SampleProject(units);
    s.SheetKind[1] = 3;
    Set(s, 1, 3, 14, 1);  // with hot water
    ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
    EXPECT_TRUE(s.ResultsValid);
    EXPECT_TRUE(ResultsAllFinite(s));
    const auto& r = Records(s);
    double sums[5] = {};
    for (int m = 1; m <= 12; ++m) {
      for (int f = 1; f <= 4; ++f) sums[f] += r[m][f];
      EXPECT_GE(r[m][5], 0) << m;
      EXPECT_LE(r[m][5], 1) << m;
      EXPECT_GT(r[m][3], 0) << m;
    }
    for (int f = 1; f <= 4; ++f) EXPECT_DOUBLE_EQ(r[kYearRecord][f], sums[f]) << f;
    EXPECT_EQ(YearF(), 1 - r[kYearRecord][4] / (r[kYearRecord][2] + r[kYearRecord][3]));
    EXPECT_GT(YearF(), 0);
    EXPECT_GT(s.Results.FuelCostNoSolar, s.Results.FuelCostSolar);
  }
}

// January recomputed step by step from the radiation of the collector plane.
TEST_F(BuildingStorageTest, HandCheckedJanuary) {
  ASSERT_EQ(Run(), RunOutcome::Completed);
  ProjectState w = SampleProject(0);
  w.SheetKind[1] = 3;
  Calculation c(w, prompts);
  c.SystemKind = 3;
  c.CollectorKind = 1;
  SetupCollector(c);
  MonthlyRadiation(c, 1);
  const double ua = 250, tLow = 20, ta = Real6ToDouble(w.Location.TAmb[1]);
  ComputeDegreeDays(w, 1, tLow - 15 * 1000 / ua / 24);
  const double dd = Real6ToDouble(w.DegDays[1]);
  const double a = 20, frta = 0.75, frul = 4.5, tar = c.Radiation.TauAlphaRatio,
               sBar = c.Radiation.SBar;
  const double ic1 = (frul / frta) * (tLow - ta) / tar * 3.6;
  const double phi1 = DailyUtilizability(c.Radiation, ic1);
  const double qu = a * sBar * frta * 31 * phi1;
  const double phi2 =
      DailyUtilizability(c.Radiation, ic1 + (tLow - ta) * ua / a / frta / tar * 3.6);
  const double ls = dd * ua * 3.6 * 24;
  const double phiC = DailyUtilizability(c.Radiation, (tLow - ta) * ua / a / (tar * frta) * 3.6);
  const double qd = a * sBar * frta * phi1 * phi2 * 31;
  const double p = std::pow(1 - std::exp(-0.294 * (15000.0 * 5 * 31 / qd)), 0.652);
  const double x = qu / ls;
  const double fs =
      std::clamp(p * x + (1 - p) * (3.082 - 3.142 * phiC) * (1 - std::exp(-0.329 * x)), 0.0, 1.0);
  ASSERT_GT(ls, 10);
  ASSERT_GT(fs, 0.01);
  ASSERT_LT(fs, 0.99);
  const auto& r = Records(s)[1];
  EXPECT_NEAR(r[1], Real6ToDouble(w.Location.HBar[1]) * c.Radiation.RBar * 31 * a / 1e6, 1e-12);
  EXPECT_NEAR(r[2], ls / 1e6, 1e-12);
  EXPECT_EQ(r[3], 0);
  EXPECT_NEAR(r[5], fs, 1e-12);
  EXPECT_NEAR(r[4], (1 - fs) * ls / 1e6, 1e-12);
  EXPECT_EQ(r[6], kNoValue);
}

// January in English units with every correction on: ducts with an outlet
// leak, and hot water behind the air-water exchanger. The space part uses
// the collector after the duct corrections, the hot-water part after the
// exchanger as well; no SI scale factor enters anywhere.
TEST_F(BuildingStorageTest, HandCheckedEnglishJanuaryWithDuctsAndHotWater) {
  s = SampleProject(1);
  s.SheetKind[1] = 3;
  Set(s, 1, 3, 9, 1);   // duct losses
  Set(s, 1, 3, 13, 2);  // leak at the outlet
  Set(s, 1, 3, 14, 1);  // hot water
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;

  ProjectState w = s;
  Calculation c(w, prompts);
  c.SystemKind = 3;
  c.CollectorKind = 1;
  SetupCollector(c);
  MonthlyRadiation(c, 1);
  const auto v = [&](int row) { return w.ParamValue(1, 3, row); };
  const double a = w.Results.CollectorArea, ccp = c.Collector.CcPrime;
  const double sBar = c.Radiation.SBar, tar = c.Radiation.TauAlphaRatio;
  const double ta = Real6ToDouble(w.Location.TAmb[1]), tm = Real6ToDouble(w.Location.TMains[1]);
  const double ua = v(2), cb = v(3), tLow = v(4), qInt = v(5), swing = std::nearbyint(v(6));
  ASSERT_EQ(swing, 9);  // 5 C of swing is 9 F
  // Duct losses: C = Cc' A (k = 1 in English units).
  const double cap = ccp * a, ui = v(10), uo = v(11);
  const double dPipe = 1 / (1 + uo / cap);
  double frul = c.Collector.FRUL * ((1 - ui / cap) + (ui + uo) / (a * c.Collector.FRUL)) * dPipe;
  double frta = c.Collector.FRTA * dPipe;
  // Outlet leak of fraction p.
  const double p = v(12) / 100, r = ccp / frul;
  ASSERT_GT(p, 0);
  const double q = std::pow(1 - 1 / r, 1 / (1 - p)), dLeak = (1 - q) * (1 - p) * r;
  frul = frul * dLeak + p * ccp;
  frta = frta * dLeak;
  // Space heating at the balance temperature (k3 = 1).
  ComputeDegreeDays(w, 1, tLow - qInt / ua / 24);
  const double ls = Real6ToDouble(w.DegDays[1]) * ua * 24;
  const double ic1 = (frul / frta) * (tLow - ta) / tar;
  const double phi1 = DailyUtilizability(c.Radiation, ic1);
  const double qu = a * sBar * frta * 31 * phi1;
  const double phi2 = DailyUtilizability(c.Radiation, ic1 + (tLow - ta) * ua / a / frta / tar);
  const double phiC = DailyUtilizability(c.Radiation, (tLow - ta) * ua / a / (tar * frta));
  const double qd = a * sBar * frta * phi1 * phi2 * 31;
  const double pStore = std::pow(1 - std::exp(-0.294 * (cb * swing * 31 / qd)), 0.652);
  const double x = qu / ls;
  const double fs = std::clamp(
      pStore * x + (1 - pStore) * (3.082 - 3.142 * phiC) * (1 - std::exp(-0.329 * x)), 0.0, 1.0);
  // The air-water exchanger, then the hot water on the total load.
  const double ct = v(19) / a, eps = v(20), cmin = std::min(ccp, ct);
  const double fx = 1 / (1 + (frul / ccp) * (ccp / (eps * cmin) - 1));
  frul *= fx;
  frta *= fx;
  const double tw = v(16);
  const double lw = 31 * (8.33 * v(15) * (tw - tm) + 24 * v(18) * (tw - v(17)));
  const double load = ls + lw;
  const double tc = -66.0 + 1.18 * tw + 3.86 * tm;
  const double xw = std::min(15.0, 31 * a * frul * 24 * (tc - 2.32 * ta) / load);
  const double yw = 31 * a * frta * sBar / load;
  const double fw = yw > 3 ? 1
                           : std::clamp(1.029 * yw - 0.065 * xw - 0.245 * yw * yw +
                                            0.0018 * xw * xw + 0.0215 * yw * yw * yw,
                                        0.0, 1.0);
  ASSERT_GT(ls, 10);
  ASSERT_GT(fs, 0.01);
  ASSERT_LT(fs, 0.99);
  ASSERT_GT(fw, 0.01);
  ASSERT_LT(fw, 0.99);
  const double f = (fw * lw + fs * ls) / load;
  const auto& rec = Records(s)[1];
  EXPECT_NEAR(rec[1], Real6ToDouble(w.Location.HBar[1]) * c.Radiation.RBar * 31 * a / 1e6, 1e-12);
  EXPECT_NEAR(rec[2], ls / 1e6, 1e-12);
  EXPECT_NEAR(rec[3], lw / 1e6, 1e-12);
  EXPECT_NEAR(rec[5], f, 1e-12);
  EXPECT_NEAR(rec[4], (1 - f) * load / 1e6, 1e-12);
}

TEST_F(BuildingStorageTest, SwingIsRoundedToWholeDegrees) {
  Set(s, 1, 3, 6, 3);
  Run();
  const double f3 = YearF();
  Set(s, 1, 3, 6, 2.6);
  Run();
  EXPECT_EQ(YearF(), f3);
  Set(s, 1, 3, 6, 2.4);
  Run();
  EXPECT_LT(YearF(), f3);
}

TEST_F(BuildingStorageTest, DuctLossesOffIgnoresDuctsAndLeak) {
  Run();
  const auto quiet = s.Results.MonthlyResults;
  Set(s, 1, 3, 10, 50);
  Set(s, 1, 3, 11, 50);
  Set(s, 1, 3, 12, 30);
  Set(s, 1, 3, 13, 2);
  Run();
  EXPECT_EQ(s.Results.MonthlyResults, quiet);
  Set(s, 1, 3, 9, 1);
  Run();
  EXPECT_LT(YearF(), quiet[kYearRecord][5]);
  EXPECT_TRUE(ResultsAllFinite(s));
}

TEST_F(BuildingStorageTest, AirWaterExchangerServesOnlyTheHotWater) {
  Set(s, 1, 3, 14, 1);
  Set(s, 1, 3, 20, 0.9);
  ASSERT_EQ(Run(), RunOutcome::Completed);
  const auto good = s.Results.MonthlyResults;
  Set(s, 1, 3, 20, 0.3);
  ASSERT_EQ(Run(), RunOutcome::Completed);
  const auto& poor = s.Results.MonthlyResults;
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(poor[m][2], good[m][2]) << m;  // the loads do not move
    EXPECT_EQ(poor[m][3], good[m][3]) << m;
    EXPECT_GE(poor[m][4], good[m][4]) << m;  // the hot water gets less
  }
  EXPECT_GT(poor[kYearRecord][4], good[kYearRecord][4]);
  // Without hot water the exchanger is not used at all, whatever its rows hold.
  Set(s, 1, 3, 14, 2);
  Run();
  const auto none = s.Results.MonthlyResults;
  Set(s, 1, 3, 19, 0);
  Set(s, 1, 3, 20, 0);
  ASSERT_EQ(Run(), RunOutcome::Completed);
  EXPECT_EQ(s.Results.MonthlyResults, none);
}

TEST_F(BuildingStorageTest, InternalGainsAboveEveryLossNeedNoAuxiliary) {
  Set(s, 1, 3, 5, 1000);  // Tb far below every monthly temperature
  ASSERT_EQ(Run(), RunOutcome::Completed);
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(Records(s)[m][2], 0) << m;
    EXPECT_EQ(Records(s)[m][4], 0) << m;
    EXPECT_EQ(Records(s)[m][5], 1) << m;
  }
  EXPECT_EQ(YearF(), 1);
}

TEST_F(BuildingStorageTest, LocationKeepsItsOwnDegreeDays) {
  s.SheetKind[1] = 2;
  Run();
  const auto waterSystem = s.Results.MonthlyResults;
  const auto degreeDays = s.DegDays;
  s.SheetKind[1] = 3;
  Run();
  EXPECT_EQ(s.DegDays, degreeDays);
  s.SheetKind[1] = 2;
  Run();
  EXPECT_EQ(s.Results.MonthlyResults, waterSystem);
}

// Inputs the sheets accept but a formula cannot divide by: the run stops
// naming the row, and nothing is left that could pass for a result.
struct StopCase {
  const char* what;
  std::vector<std::array<double, 4>> values;  // sheet, kind, row, value
  const char* expected;
  int collectorKind = 1;
};

class BuildingStorageStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(BuildingStorageStopTest, StopsNamingTheParameter) {
  const StopCase& t = GetParam();
  ProjectState s = SampleProject(0);
  s.SheetKind[1] = 3;
  s.SheetKind[2] = static_cast<std::int16_t>(t.collectorKind);
  for (const auto& v : t.values)
    Set(s, static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), v[3]);
  const auto before = s.ParamBlock;
  const auto degreeDays = s.DegDays;
  RecordingPrompts prompts;
  EXPECT_EQ(RunCalculation(s, false, prompts), RunOutcome::Stopped);
  EXPECT_FALSE(s.ResultsValid);
  EXPECT_TRUE(ResultsAllBlank(s));
  EXPECT_NE(s.ErrorMessage.find(t.expected), std::string::npos) << s.ErrorMessage;
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(s.ParamBlock, before);
  EXPECT_EQ(s.DegDays, degreeDays);
}

INSTANTIATE_TEST_SUITE_P(
    Guards, BuildingStorageStopTest,
    ::testing::Values(
        StopCase{"no building loss", {{1, 3, 2, 0}}, "\"Building UA\""},
        StopCase{"collector without gain", {{2, 1, 4, 0}}, "\"FR*TAU*ALPHA"},
        StopCase{"collector without area", {{2, 2, 1, 0}}, "\"Number of collector panels\"", 2},
        StopCase{
            "the whole flow leaks", {{1, 3, 9, 1}, {1, 3, 12, 100}}, "\"Percent duct leak rate\""},
        StopCase{"hot water without exchanger flow",
                 {{1, 3, 14, 1}, {1, 3, 19, 0}},
                 "\"Heat Exchanger Water Flowrate\""},
        StopCase{"fuel burnt for nothing", {{1, 3, 8, 0}}, "\"Efficiency of Fuel Usage\""},
        StopCase{"thermostat beyond any climate",
                 {{1, 3, 4, 1e7}},
                 "\"Low thermostat set temperature\""}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(BuildingStorageStop, NeedsACollector) {
  ProjectState s = SampleProject(0);
  s.SheetKind[1] = 3;
  s.SheetKind[2] = 0;
  RecordingPrompts prompts;
  EXPECT_EQ(RunCalculation(s, false, prompts), RunOutcome::Stopped);
  EXPECT_NE(s.ErrorMessage.find("needs a collector"), std::string::npos);
}

}  // namespace
}  // namespace solmon
