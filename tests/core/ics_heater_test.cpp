#include "core/calc/ics_heater.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "calc_fixture.h"
#include "core/calc/run_driver.h"
#include "core/weather/weather_file.h"
#include "results_checks.h"

namespace solmon {
namespace {

using testing::ExpectStopNaming;
using testing::RecordingPrompts;
using testing::ResultsAllBlank;
using testing::ResultsAllFinite;
using testing::SampleProject;
using testing::Set;

constexpr int kICS = 8;
enum Field { kSolar = 1, kLoad, kLoss, kAux, kF };

// The sample as an ICS project: no collector sheet, and the location loaded
// as for this kind (its sky temperatures in the project's units).
void MakeICS(ProjectState& s) {
  s.SheetKind[1] = kICS;
  s.SheetKind[2] = 0;
  SetCurrentLocation(s, testing::SampleLocationEnglish());
}

class ICSTest : public ::testing::Test {
 protected:
  ICSTest() { MakeICS(s); }
  RunOutcome Run() { return RunCalculation(s, false, prompts); }
  void SetRow(int row, double v) { Set(s, 1, kICS, row, v); }
  double At(int month, int field) const { return s.Results.MonthlyResults[month][field]; }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
};

struct UseCase {
  int first, last;
  std::vector<int> months;
};

TEST_F(ICSTest, MonthsOfUse) {
  const UseCase cases[] = {{11, 2, {1, 2, 11, 12}}, {7, 7, {7}}, {3, 5, {3, 4, 5}}, {1, 12, {}}};
  for (const UseCase& u : cases) {
    SetRow(19, u.first);
    SetRow(20, u.last);
    ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
    double load = 0, loss = 0, aux = 0;
    for (int m = 1; m <= 12; ++m) {
      const bool used = u.months.empty() || std::find(u.months.begin(), u.months.end(), m) != u.months.end();
      for (int f = kSolar; f <= 6; ++f)
        EXPECT_EQ(At(m, f) == kNoValue, !used || f == 6) << u.first << "-" << u.last << " month " << m;
      if (!used) continue;
      load += At(m, kLoad);
      loss += At(m, kLoss);
      aux += At(m, kAux);
    }
    EXPECT_DOUBLE_EQ(At(kYearRecord, kLoad), load);
    // The standby loss counts in the annual fraction.
    EXPECT_DOUBLE_EQ(At(kYearRecord, kF), 1 - aux / (load + loss));
  }
}

TEST_F(ICSTest, StandbyLossIsNoCostWithoutSolar) {
  Set(s, 3, 1, 4, 0.1);  // electricity price
  ASSERT_EQ(Run(), RunOutcome::Completed);
  const double eta = 0.98, price = 0.1;
  double withSolar = 0, without = 0;
  for (int m = 1; m <= 12; ++m) {
    withSolar += price * At(m, kAux) / eta;
    without += price * At(m, kLoad) / eta;
    EXPECT_DOUBLE_EQ(At(m, kAux), (1 - At(m, kF)) * (At(m, kLoad) + At(m, kLoss)));
  }
  EXPECT_NEAR(s.Results.FuelCostSolar, withSolar, 1e-12);
  EXPECT_NEAR(s.Results.FuelCostNoSolar, without, 1e-12);
  EXPECT_GT(At(kYearRecord, kLoss), 0);
}

TEST_F(ICSTest, RatingForTheReport) {
  ASSERT_EQ(Run(), RunOutcome::Completed);
  EXPECT_NEAR(s.Results.ICSLossCoefficient, 5.0 / 3, 1e-12);  // W/m^2-C: UA / area
  EXPECT_GT(s.Results.ICSOpticalEfficiency, 0.3);
  EXPECT_LT(s.Results.ICSOpticalEfficiency, 1);
  ProjectState english = SampleProject(1);
  MakeICS(english);
  ASSERT_EQ(RunCalculation(english, false, prompts), RunOutcome::Completed);
  EXPECT_NEAR(english.Results.ICSLossCoefficient, s.Results.ICSLossCoefficient / 5.678, 0.001);
  EXPECT_NEAR(english.Results.ICSOpticalEfficiency, s.Results.ICSOpticalEfficiency, 0.01);
  const double gjPerMBtu = 1.055056;
  EXPECT_NEAR(english.Results.MonthlyResults[kYearRecord][kLoad] * gjPerMBtu, At(kYearRecord, kLoad),
              0.01 * At(kYearRecord, kLoad));
  EXPECT_NEAR(english.Results.MonthlyResults[kYearRecord][kF], At(kYearRecord, kF), 0.01);
}

TEST_F(ICSTest, DeliveryAboveTheTestEnergyAndNoAngleLoss) {
  // The modifier constant 0: every modifier up to 80 degrees is 1.
  SetRow(8, 2);
  SetRow(10, 0);
  // Net delivery above the useful energy: the whole draw leaves at the
  // delivery temperature Qnet / (Md cv) above the test mains.
  const double qnet = 50000;
  SetRow(5, qnet);
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  const double area = 3, frul = 3.6 * 5 / area, draw = 0.993 * 243.4, cv = 4.19;
  const double expected = (frul * area * 24 * qnet / (draw * cv) + qnet) / (16920 * area);
  EXPECT_NEAR(s.Results.ICSOpticalEfficiency, expected, 1e-12);
  // Glass covers lower the mean modifier, which raises the normal-incidence efficiency.
  SetRow(8, 1);
  ASSERT_EQ(Run(), RunOutcome::Completed);
  EXPECT_GT(s.Results.ICSOpticalEfficiency, expected);
}

TEST_F(ICSTest, ATankColderThanTheMainsGivesANegativeFraction) {
  SetRow(19, 1);
  SetRow(20, 1);
  s.Location.HBar[1] = DoubleToReal6(0);
  s.Location.TAmb[1] = DoubleToReal6(-30);
  s.TSky[1] = DoubleToReal6(-40);
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  EXPECT_LT(At(1, kF), 0);
  EXPECT_GT(At(1, kAux), At(1, kLoad) + At(1, kLoss));
  EXPECT_TRUE(ResultsAllFinite(s));
}

TEST_F(ICSTest, DeterministicAndFiniteInBothUnitSystems) {
  for (int units : {0, 1}) {
    ProjectState a = SampleProject(units);
    MakeICS(a);
    ASSERT_EQ(RunCalculation(a, false, prompts), RunOutcome::Completed) << a.ErrorMessage;
    EXPECT_TRUE(ResultsAllFinite(a));
    ProjectState b = a;
    ASSERT_EQ(RunCalculation(b, false, prompts), RunOutcome::Completed);
    EXPECT_EQ(a.Results.MonthlyResults, b.Results.MonthlyResults);
    EXPECT_EQ(a.Results.ICSOpticalEfficiency, b.Results.ICSOpticalEfficiency);
  }
}

struct StopCase {
  int row;
  double value;
  const char* caption;
};

TEST_F(ICSTest, InputsThatWouldDivideByZeroStopTheRun) {
  const StopCase cases[] = {
      {2, 0, "No. of units tested"},
      {3, 0, "Glazing area per unit"},
      {13, 0, "Efficiency of fuel usage"},
      {14, 0, "Daily hot water usage"},
      {15, 10, "Water set temperature"},  // equal to or below the mains
      {16, 0, "ICS unit tank volume"},
      {23, 0, "Water draw during test"},
      {24, 0, "Daily useful energy collector during test"},
      {25, 0, "Daily solar radiation during test"},
      {9, 5, "Number of glass covers"},
  };
  for (const StopCase& k : cases) ExpectStopNaming(s, 1, kICS, k.row, k.value, k.caption);
}

TEST_F(ICSTest, AModifierTableWithoutValuesStopsTheRun) {
  SetRow(8, 3);
  SetRow(11, -1006);  // extra table 1, all 0 in this project
  EXPECT_EQ(Run(), RunOutcome::Stopped);
  EXPECT_NE(s.ErrorMessage.find("Inc angle modifier value(s)"), std::string::npos) << s.ErrorMessage;
  // A single value fills every angle.
  SetRow(11, 0.95);
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  EXPECT_TRUE(ResultsAllFinite(s));
}

TEST_F(ICSTest, TheFirstMonthOfUseRatesTheUnit) {
  SetRow(19, 3);  // March to December
  SetRow(20, 12);
  SetRow(24, 42000);
  ASSERT_EQ(Run(), RunOutcome::Completed);
  const ThermalResults plain = s.Results;
  // The test's useful energy from a monthly table: its March value counts.
  ValueTable t{};
  t[0] = DoubleToReal6(1824);  // sheet 1, kind 8, row 24
  for (int m = 1; m <= 12; ++m) t[m] = DoubleToReal6(40000 + 1000 * (m - 1));
  s.MonthlyTables[1] = t;
  SetRow(24, -991);
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  EXPECT_EQ(s.Results.ICSOpticalEfficiency, plain.ICSOpticalEfficiency);
  EXPECT_EQ(s.Results.MonthlyResults, plain.MonthlyResults);
}

// A January without sun worked by hand: the sky 20 K below the 0 C air (no
// clearness), FRUL = 3.6 x 5 / 3, Teff = Te / 4 at the 35 degree slope,
// Tt = 2.2121 C against 5 C mains: theta = -0.06195, which is also r.
TEST_F(ICSTest, ASunlessMonthWorkedByHand) {
  SetRow(19, 1);
  SetRow(20, 1);
  s.Location.HBar[1] = DoubleToReal6(0);
  s.Location.TAmb[1] = DoubleToReal6(0);
  s.Location.TMains[1] = DoubleToReal6(5);
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  EXPECT_NEAR(Real6ToDouble(s.TSky[1]), -20, 1e-9);
  EXPECT_EQ(At(1, kSolar), 0);
  EXPECT_NEAR(At(1, kLoad), 45 * 250 * 4.19 * 31 / 1e6, 1e-12);
  EXPECT_NEAR(At(1, kLoss), 2 * 3.6 * 24 * 30 * 31 / 1e6, 1e-12);
  EXPECT_NEAR(At(1, kF), -0.05581491241468541, 1e-9);
  EXPECT_NEAR(At(1, kAux), 1.7124964181370539, 1e-9);
}

// An SI project whose location was loaded under another kind holds its sky
// temperatures in F; switching to kind 8 without loading the location again
// (as the System menu does, or a project saved after that) must still give
// the unit a sky in C.
TEST_F(ICSTest, SkyTemperaturesFollowTheUnitsAfterAKindSwitch) {
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  const ThermalResults loadedAsICS = s.Results;
  const auto skyC = s.TSky;
  ProjectState switched = SampleProject(0);  // loaded as kind 2: sky still in F
  ASSERT_GT(Real6ToDouble(switched.TSky[7]), Real6ToDouble(skyC[7]) + 20);
  switched.SheetKind[1] = kICS;
  switched.SheetKind[2] = 0;
  ASSERT_EQ(RunCalculation(switched, false, prompts), RunOutcome::Completed) << switched.ErrorMessage;
  for (int m = 1; m <= 12; ++m) {
    EXPECT_NEAR(Real6ToDouble(switched.TSky[m]), Real6ToDouble(skyC[m]), 1e-9) << "month " << m;
    for (int f = kSolar; f <= kF; ++f)
      EXPECT_NEAR(switched.Results.MonthlyResults[m][f], loadedAsICS.MonthlyResults[m][f],
                  1e-9 * (1 + std::fabs(loadedAsICS.MonthlyResults[m][f])))
          << "month " << m << " field " << f;
  }
}

}  // namespace
}  // namespace solmon
