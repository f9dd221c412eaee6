#include "core/calc/active_system.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "calc_fixture.h"
#include "core/calc/collector.h"
#include "core/calc/run_driver.h"
#include "core/model/messages.h"

namespace solmon {
namespace {

using testing::RecordingPrompts;
using testing::SampleProject;
using testing::Set;

const auto& Records(const ProjectState& s) { return s.Results.MonthlyResults; }

bool AllBlank(const ProjectState& s) {
  for (int r = 1; r <= kYearRecord; ++r)
    for (int f = 1; f <= kResultFields; ++f)
      if (Records(s)[r][f] != kNoValue) return false;
  return true;
}

bool AllFinite(const ProjectState& s) {
  for (int r = 1; r <= kYearRecord; ++r)
    for (int f = 1; f <= kResultFields; ++f)
      if (!std::isfinite(Records(s)[r][f])) return false;
  return std::isfinite(s.Results.FuelCostSolar) && std::isfinite(s.Results.FuelCostNoSolar);
}

struct CorrelationCase {
  double x, y, liquid, air;
};

TEST(SolarFraction, Correlations) {
  const CorrelationCase cases[] = {
      {1, 1, 1.029 - 0.065 - 0.245 + 0.0018 + 0.0215, 1.040 - 0.065 - 0.159 + 0.00187 - 0.0095},
      {0, 0, 0, 0},
      {10, 0.2, 0, 0},  // below 0
      {0, 2.9, 1, 1},   // above 1
      {50, 3.01, 1, 1},  // Y above 3 wins whatever X is
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(SolarFractionLiquid(c.x, c.y), c.liquid, 1e-12) << c.x << " " << c.y;
    EXPECT_NEAR(SolarFractionAir(c.x, c.y), c.air, 1e-12) << c.x << " " << c.y;
  }
  // X above 15 is evaluated as 15.
  EXPECT_EQ(SolarFractionLiquid(40, 2), SolarFractionLiquid(15, 2));
  EXPECT_EQ(SolarFractionAir(40, 2.5), SolarFractionAir(15, 2.5));
  EXPECT_NE(SolarFractionLiquid(14, 2), SolarFractionLiquid(15, 2));
}

TEST(StorageRatio, BoundsAreInclusive) {
  EXPECT_TRUE(StorageRatioInRange(0.5));
  EXPECT_TRUE(StorageRatioInRange(4.0));
  EXPECT_FALSE(StorageRatioInRange(0.49));
  EXPECT_FALSE(StorageRatioInRange(4.01));
}

class ActiveSystemTest : public ::testing::Test {
 protected:
  RunOutcome Run() { return RunCalculation(s, false, prompts); }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
};

TEST_F(ActiveSystemTest, StorageOutOfRangeAbandonsEveryMonthAndNothingOfTheLastRunShows) {
  ASSERT_EQ(Run(), RunOutcome::Completed);
  ASSERT_GT(Records(s)[1][1], 0);
  Set(s, 1, 2, 2, 20);  // 20 liters/m^2: Sr = 0.27
  EXPECT_EQ(Run(), RunOutcome::Completed);
  EXPECT_TRUE(AllBlank(s));  // no computed month: no annual result either
  EXPECT_EQ(s.Results.FuelCostSolar, 0);
  ASSERT_EQ(prompts.messages.size(), 1u);  // once per run, not once per month
  EXPECT_EQ(prompts.messages[0], MessageText(31) + MessageText(38));
  EXPECT_EQ(s.ErrorMessage, prompts.messages[0]);

  s.SheetKind[1] = 1;
  Set(s, 1, 1, 2, 5);  // pebble bed, English message
  s.UnitSystem = 1;
  prompts.messages.clear();
  Run();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], MessageText(30) + MessageText(35));
}

TEST_F(ActiveSystemTest, WaterSystemWithoutBuildingLoadIsHotWaterOnly) {
  Set(s, 1, 2, 3, 0);
  Set(s, 1, 2, 2, 22.5);  // Sr 0.3: no storage check without a building load
  EXPECT_EQ(Run(), RunOutcome::Completed);
  EXPECT_TRUE(prompts.messages.empty());
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(Records(s)[m][2], 0) << m;
    EXPECT_GT(Records(s)[m][5], 0) << m;
  }
  // The hot-water X uses Sw = Sr then: a bigger store changes the result.
  const double f = Records(s)[kYearRecord][5];
  Set(s, 1, 2, 2, 60);
  Run();
  EXPECT_GT(Records(s)[kYearRecord][5], f);
}

TEST_F(ActiveSystemTest, MonthWithoutAnyLoadCountsOneJouleOfSpaceLoad) {
  Set(s, 1, 2, 6, 2);  // no hot water
  s.DegDays[7] = DoubleToReal6(0);
  Run();
  EXPECT_EQ(Records(s)[7][2], 1 / 1e9);
  EXPECT_EQ(Records(s)[7][3], 0);
  EXPECT_EQ(Records(s)[7][4], 0);
  EXPECT_EQ(Records(s)[7][5], 1);
}

TEST_F(ActiveSystemTest, FuelCostSumsFollowTheRecords) {
  Run();
  const double price = s.ParamValue(3, 1, 6);  // natural gas
  const double eta = 0.5;
  double solar = 0, without = 0;
  for (int m = 1; m <= 12; ++m) {
    solar += Records(s)[m][4] / eta * price;
    without += (Records(s)[m][2] + Records(s)[m][3]) / eta * price;
  }
  EXPECT_EQ(s.Results.FuelCostSolar, solar);
  EXPECT_EQ(s.Results.FuelCostNoSolar, without);
  EXPECT_EQ(s.Results.Fuel, 2);
  EXPECT_EQ(s.Results.CollectorArea, 20);
  const double f = 1 - Records(s)[kYearRecord][4] / (Records(s)[kYearRecord][2] + Records(s)[kYearRecord][3]);
  EXPECT_EQ(Records(s)[kYearRecord][5], f);
}

TEST_F(ActiveSystemTest, HotWaterOnlyKindShiftsItsFields) {
  s.SheetKind[1] = 9;
  Run();
  const auto& r = Records(s);
  double dhw = 0, aux = 0;
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(r[m][4], r[m][5]) << m;  // Solar, Dhw, Aux, f: f stays in field 5 too
    EXPECT_EQ(r[m][6], kNoValue);
    dhw += r[m][2];
    aux += r[m][3];
  }
  EXPECT_DOUBLE_EQ(r[kYearRecord][2], dhw);
  EXPECT_DOUBLE_EQ(r[kYearRecord][3], aux);
  EXPECT_EQ(r[kYearRecord][4], r[kYearRecord][5]);
  EXPECT_EQ(r[kYearRecord][4], 1 - aux / dhw);
}

TEST_F(ActiveSystemTest, SameProjectSameBits) {
  Run();
  const ThermalResults first = s.Results;
  Run();
  EXPECT_EQ(std::memcmp(&first.MonthlyResults, &s.Results.MonthlyResults, sizeof first.MonthlyResults), 0);
}

TEST_F(ActiveSystemTest, EnglishUnitsGiveTheSameSystem) {
  Run();
  const ThermalResults si = s.Results;
  ProjectState english = SampleProject(1);
  RunCalculation(english, false, prompts);
  const auto& e = english.Results.MonthlyResults[kYearRecord];
  const auto& m = si.MonthlyResults[kYearRecord];
  for (int f = 1; f <= 4; ++f) EXPECT_NEAR(e[f] * 1.055, m[f], 0.01 * m[f]) << f;
  EXPECT_NEAR(e[5], m[5], 0.002);
}

// Year records checked against an independent evaluation of the formulas; any
// change to the numbers (order of operations included) shows here.
struct ReferenceCase {
  int units, systemKind, collectorKind;
  std::array<double, 5> year;
  double fuelCostSolar;
};

class ReferenceRunTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceRunTest, YearRecordBitForBit) {
  const ReferenceCase& t = GetParam();
  ProjectState s = SampleProject(t.units);
  s.SheetKind[1] = static_cast<std::int16_t>(t.systemKind);
  s.SheetKind[2] = static_cast<std::int16_t>(t.collectorKind);
  const CollectorRows& rows = CollectorRowsOf(t.collectorKind);
  if (t.systemKind == 1) {
    Set(s, 2, t.collectorKind, rows.specificHeat, t.units ? 0.24 : 1.0);  // air
    Set(s, 1, 1, 13, 1);  // duct losses, a leak on both sides
    Set(s, 1, 1, 16, 10);
    Set(s, 1, 1, 17, 3);
  }
  if (t.systemKind == 2) {
    Set(s, 1, 2, 11, 1);  // pipe losses and a collector-store exchanger
    Set(s, 1, 2, 15, 1);
  }
  if (t.systemKind == 9) Set(s, 1, 9, 9, 1);  // pipe losses
  Set(s, 2, t.collectorKind, rows.modifyTest, 1);
  Set(s, 2, t.collectorKind, rows.testFlow, t.units ? 20 : 0.02);
  RecordingPrompts prompts;
  ASSERT_EQ(RunCalculation(s, false, prompts), RunOutcome::Completed);
  for (int f = 1; f <= 5; ++f) EXPECT_EQ(Records(s)[kYearRecord][f], t.year[f - 1]) << f;
  EXPECT_EQ(s.Results.FuelCostSolar, t.fuelCostSolar);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, ReferenceRunTest,
    ::testing::Values(
        ReferenceCase{0, 1, 3, {94.273755507593705, 91.931185530696993, 25.029339999999667, 90.054705276822943, 0.23004188919117152}, 54.032823166126519},
        ReferenceCase{0, 2, 1, {108.79512766386507, 91.931185530696993, 25.029339999999667, 78.945075191416691, 0.32502803973211192}, 47.367045114878735},
        ReferenceCase{0, 9, 3, {94.273755507593705, 25.029339999999667, 3.3518861396460395, 0.86608172090650082, 0.86608172090650082}, 2.0111316837888431},
        ReferenceCase{1, 1, 5, {106.01471090915808, 87.136698485634682, 23.66594984777953, 76.73981208295605, 0.30741897204442536}, 130.38423075767449},
        ReferenceCase{1, 2, 4, {101.79322512940514, 87.136698485634682, 23.66594984777953, 74.508932592892833, 0.32755278223414508}, 126.59387086064305}));

// Duct and leak corrections of the air system.
class DuctLeakTest : public ::testing::Test {
 protected:
  DuctLeakTest() : c(s, prompts) {
    c.SystemKind = 1;
    c.CollectorKind = 1;
    c.Collector.CcPrime = 0.02;  // Cc = 20 W/m^2-C
  }
  void Reset() {
    c.Collector.FRUL = 4;
    c.Collector.FRTA = 0.7;
  }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
  Calculation c;
};

TEST_F(DuctLeakTest, EachLeakLocation) {
  const double cc = 20, r = cc / 4;
  Reset();
  ASSERT_TRUE(DuctLeakCorrection(c, 1, 0.1));
  EXPECT_EQ(c.Collector.FRUL, 0.9 * 4 + 0.1 * cc);
  EXPECT_EQ(c.Collector.FRTA, 0.7);

  Reset();
  ASSERT_TRUE(DuctLeakCorrection(c, 2, 0.1));
  const double d2 = (1 - std::exp(1 / 0.9 * std::log(1 - 1 / r))) * 0.9 * r;
  EXPECT_DOUBLE_EQ(c.Collector.FRTA, 0.7 * d2);
  EXPECT_DOUBLE_EQ(c.Collector.FRUL, 4 * d2 + 0.1 * cc);

  Reset();
  ASSERT_TRUE(DuctLeakCorrection(c, 3, 0.2));  // the same FRTA factor as "Out" with half the leak
  EXPECT_DOUBLE_EQ(c.Collector.FRTA, 0.7 * d2);
  EXPECT_DOUBLE_EQ(c.Collector.FRUL, 4 * d2 * 0.8 / 0.9 + 0.2 * cc);

  Reset();
  ASSERT_TRUE(DuctLeakCorrection(c, 4, 0.2));
  EXPECT_EQ(c.Collector.FRUL, 4);
  EXPECT_EQ(c.Collector.FRTA, 0.7);
}

TEST_F(DuctLeakTest, LeakIgnoredWithoutDuctLosses) {
  s.SheetKind[1] = 1;
  Set(s, 2, 1, 12, 1.0);  // air
  Set(s, 1, 1, 13, 2);    // no duct losses
  Set(s, 1, 1, 16, 20);
  RunCalculation(s, false, prompts);
  const double f = Records(s)[kYearRecord][5];
  Set(s, 1, 1, 16, 0);
  RunCalculation(s, false, prompts);
  EXPECT_EQ(Records(s)[kYearRecord][5], f);
  Set(s, 1, 1, 13, 1);  // with duct losses the leak costs
  Set(s, 1, 1, 16, 20);
  Set(s, 1, 1, 17, 2);
  RunCalculation(s, false, prompts);
  EXPECT_LT(Records(s)[kYearRecord][5], f);
}

// Inputs the sheets accept but a formula cannot divide by: the run stops
// naming the row, and nothing is left that could pass for a result.
struct StopCase {
  const char* what;
  int systemKind;
  std::vector<std::array<double, 4>> values;  // sheet, kind, row, value
  const char* expected;
  int collectorKind = 1;
};

class ParameterStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(ParameterStopTest, StopsNamingTheParameter) {
  const StopCase& t = GetParam();
  ProjectState s = SampleProject(0);
  s.SheetKind[1] = static_cast<std::int16_t>(t.systemKind);
  s.SheetKind[2] = static_cast<std::int16_t>(t.collectorKind);
  for (const auto& v : t.values)
    Set(s, static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), v[3]);
  const auto before = s.ParamBlock;
  RecordingPrompts prompts;
  EXPECT_EQ(RunCalculation(s, false, prompts), RunOutcome::Stopped);
  EXPECT_FALSE(s.ResultsValid);
  EXPECT_TRUE(AllBlank(s));
  EXPECT_TRUE(AllFinite(s));
  EXPECT_NE(s.ErrorMessage.find(t.expected), std::string::npos) << s.ErrorMessage;
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], s.ErrorMessage);
  EXPECT_EQ(s.ParamBlock, before);
}

INSTANTIATE_TEST_SUITE_P(
    Guards, ParameterStopTest,
    ::testing::Values(
        StopCase{"pipe losses without flow", 2, {{1, 2, 11, 1}, {2, 1, 11, 0}}, "\"Collector flowrate/area\""},
        StopCase{"exchanger of no effect", 2, {{1, 2, 15, 1}, {1, 2, 17, 0}}, "\"Heat exchanger effectiveness\""},
        StopCase{"exchanger without flow", 2, {{1, 2, 15, 1}, {1, 2, 16, 0}}, "\"Tank-side flowrate/area\""},
        StopCase{"no storage", 2, {{1, 2, 3, 0}, {1, 2, 2, 0}}, "\"Water volume / collector area\""},
        StopCase{"no storage, hot water only", 9, {{1, 9, 2, 0}}, "\"Water volume / collector area\""},
        StopCase{"fuel burnt for nothing", 2, {{1, 2, 5, 0}}, "\"Efficiency of fuel usage\""},
        StopCase{"unknown fuel", 2, {{1, 2, 4, 7}}, "\"Fuel\""},
        StopCase{"air exchanger without water", 1, {{2, 1, 12, 1.0}, {1, 1, 11, 0}},
                 "\"Heat exchanger water flowrate\""},
        StopCase{"duct losses without flow", 1, {{2, 1, 12, 1.0}, {2, 1, 11, 0}, {1, 1, 13, 1}},
                 "\"Collector flowrate/area\""},
        StopCase{"tube collector without panels", 2, {{1, 2, 11, 1}, {2, 2, 1, 0}},
                 "\"Number of collector panels\"", 2}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(ParameterStop, SystemWithoutCollectorSheet) {
  ProjectState s = SampleProject(0);
  s.SheetKind[2] = 0;
  RecordingPrompts prompts;
  EXPECT_EQ(RunCalculation(s, true, prompts), RunOutcome::Stopped);
  EXPECT_NE(s.ErrorMessage.find("needs a collector"), std::string::npos);
}

}  // namespace
}  // namespace solmon
