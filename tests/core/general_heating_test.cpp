#include "core/calc/general_heating.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc_fixture.h"
#include "core/calc/model_steps.h"
#include "core/calc/run_driver.h"
#include "core/model/messages.h"
#include "results_checks.h"

namespace solmon {
namespace {

using testing::ExpectStopNaming;
using testing::RecordingPrompts;
using testing::ResultsAllBlank;
using testing::ResultsAllFinite;
using testing::SampleProject;
using testing::Set;

constexpr int kGeneral = 7;
enum Field { kSolar = 1, kLoad, kQTank, kAux, kF };

class GeneralFractionTest : public ::testing::Test {
 protected:
  GeneralFractionTest() { c.SystemKind = kGeneral; }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
  Calculation c{s, prompts};
};

TEST_F(GeneralFractionTest, NewtonSolvesTheCorrelation) {
  const double y = 0.8, phi = 0.7, x = 3, rs = 1.2, z = 0.5;
  const double f = GeneralSolarFraction(c, y, phi, x, rs, z);
  const double k = 0.015 * (1 - std::exp(-0.15 * x)) * std::pow(rs, -0.76) * std::exp(-1.959 * z);
  EXPECT_NEAR(y * phi - k * (std::exp(3.85 * f) - 1) - f, 0, 1e-3);
  EXPECT_TRUE(prompts.messages.empty());
  // Without losses the fraction is the absorbed share itself.
  EXPECT_EQ(GeneralSolarFraction(c, 0.6, 1, 0, 1, 0), 0.6);
  // An iterate above 1.1 is held there.
  EXPECT_LE(GeneralSolarFraction(c, 5, 1, 0.001, 1, 0), 1.1);
}

// Newton's steps on the correlation worked by hand: two steps for the first
// case, five for the second.
TEST_F(GeneralFractionTest, NewtonStepsWorkedByHand) {
  EXPECT_NEAR(GeneralSolarFraction(c, 0.8, 0.7, 3, 1.2, 0.5), 0.5471698877496393, 1e-13);
  EXPECT_NEAR(GeneralSolarFraction(c, 1.5, 0.9, 8, 0.5, 0.1), 0.8992672000289598, 1e-13);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(GeneralFractionTest, AbsorbedShareAboveTenGivesTwo) {
  EXPECT_EQ(GeneralSolarFraction(c, 10.5, 1, 3, 1, 0.5), 2);
  EXPECT_NE(GeneralSolarFraction(c, 10, 1, 3, 1, 0.5), 2);
}

TEST_F(GeneralFractionTest, SixteenStepsRaiseMessage34AndKeepTheLastIterate) {
  // A negative loss group makes g convex without a root: the iterates jump
  // between 1.1 and the left.
  const double f = GeneralSolarFraction(c, 0.5, 1, -13.6, 1, 0);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], MessageText(34));
  EXPECT_EQ(s.ErrorMessage, MessageText(34));
  EXPECT_EQ(s.ErrorCode, 0);  // the run goes on
  EXPECT_TRUE(std::isfinite(f));
  EXPECT_LE(f, 1.1);
}

class GeneralTest : public ::testing::Test {
 protected:
  GeneralTest() { s.SheetKind[1] = kGeneral; }
  RunOutcome Run() { return RunCalculation(s, false, prompts); }
  void SetRow(int row, double v) { Set(s, 1, kGeneral, row, v); }
  double At(int month, int field) const { return s.Results.MonthlyResults[month][field]; }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
};

TEST_F(GeneralTest, YearSumsAndFraction) {
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  double load = 0, aux = 0;
  for (int m = 1; m <= 12; ++m) {
    EXPECT_NEAR(At(m, kLoad), 0.05 * DaysInMonth(m), 1e-9);
    EXPECT_GE(At(m, kF), 0);
    EXPECT_LE(At(m, kF), 1);
    EXPECT_DOUBLE_EQ(At(m, kAux), (1 - At(m, kF)) * At(m, kLoad));
    EXPECT_EQ(At(m, 6), kNoValue);
    load += At(m, kLoad);
    aux += At(m, kAux);
  }
  EXPECT_NEAR(At(kYearRecord, kLoad), load, 1e-12);
  EXPECT_DOUBLE_EQ(At(kYearRecord, kF), 1 - At(kYearRecord, kAux) / At(kYearRecord, kLoad));
  EXPECT_GT(At(kYearRecord, kF), 0);
  EXPECT_GT(s.Results.FuelCostNoSolar, s.Results.FuelCostSolar);
}

TEST_F(GeneralTest, TheTankIsWarmedAfterTheFirstPass) {
  ASSERT_EQ(Run(), RunOutcome::Completed);
  // One pass would leave the tank at the minimum useful temperature: its loss
  // would be (40 - 20) x UA x hours. The second pass always runs.
  const double firstPassLoss = (40 - 20) * 3 * 31 * 24 * 3.6 / 1e6;
  ASSERT_GT(At(7, kF), 0);
  EXPECT_GT(At(7, kQTank), firstPassLoss);
}

TEST_F(GeneralTest, NoCollectorAreaNeedsNoTank) {
  s.SheetKind[2] = 2;  // evacuated tubes: no lower limit on the area
  Set(s, 2, 2, 1, 0);
  SetRow(6, 0);  // no tank volume: the storage ratio is 1 without collectors
  SetRow(16, 2);  // nor a collector-store exchanger
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(At(m, kSolar), 0);
    EXPECT_EQ(At(m, kF), 0);
    EXPECT_EQ(At(m, kAux), At(m, kLoad));
  }
}

TEST_F(GeneralTest, AHugeArrayCoversTheLoadAndNoMore) {
  Set(s, 2, 1, 1, 2000);  // 4000 m^2 for 50 MJ a day
  SetRow(6, 1e6);
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  EXPECT_EQ(At(7, kF), 1);
  EXPECT_EQ(At(7, kAux), 0);
  EXPECT_TRUE(ResultsAllFinite(s));
}

TEST_F(GeneralTest, AMonthWithoutLoad) {
  SetRow(2, 0);
  SetRow(3, 0);  // nor flow: not needed without a load
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(At(m, kF), 1);
    EXPECT_EQ(At(m, kQTank), 0);
    EXPECT_EQ(At(m, kAux), 0);
  }
  EXPECT_EQ(At(kYearRecord, kF), 1);
}

TEST_F(GeneralTest, DeterministicAndFiniteInBothUnitSystems) {
  for (int units : {0, 1}) {
    ProjectState a = SampleProject(units);
    a.SheetKind[1] = kGeneral;
    ASSERT_EQ(RunCalculation(a, false, prompts), RunOutcome::Completed) << a.ErrorMessage;
    EXPECT_TRUE(ResultsAllFinite(a));
    ProjectState b = a;
    ASSERT_EQ(RunCalculation(b, false, prompts), RunOutcome::Completed);
    EXPECT_EQ(a.Results.MonthlyResults, b.Results.MonthlyResults);
  }
  ProjectState english = SampleProject(1);
  english.SheetKind[1] = kGeneral;
  ASSERT_EQ(Run(), RunOutcome::Completed);
  ASSERT_EQ(RunCalculation(english, false, prompts), RunOutcome::Completed);
  const double btuPerGJ = 1 / 1.055056;
  for (int f : {kSolar, kLoad, kAux})
    EXPECT_NEAR(english.Results.MonthlyResults[kYearRecord][f], At(kYearRecord, f) * btuPerGJ,
                0.02 * At(kYearRecord, f))
        << f;
}

struct StopCase {
  int sheet, row;
  double value;
  const char* caption;
};

TEST_F(GeneralTest, InputsThatWouldDivideByZeroStopTheRun) {
  const StopCase cases[] = {
      {1, 3, 0, "Average daily load flow"},
      {1, 4, 0, "Load heat exchanger effectiveness"},
      {1, 6, 0, "Liquid storage tank volume"},
      {1, 7, 0, "Tank liquid specific heat"},
      {1, 8, 0, "Tank liquid density"},
      {1, 9, -500, "UA of solar storage tank"},
      {1, 12, 0, "Efficiency of fuel usage"},
      {1, 17, 0, "Tank-side flowrate/area"},
      {1, 18, 0, "Heat exchanger effectiveness"},
      {2, 4, 0, "FR*TAU*ALPHA"},
  };
  for (const StopCase& k : cases)
    ExpectStopNaming(s, k.sheet, k.sheet == 1 ? kGeneral : 1, k.row, k.value, k.caption);
}

}  // namespace
}  // namespace solmon
