#include "core/calc/pool_heating.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc_fixture.h"
#include "core/calc/run_driver.h"
#include "results_checks.h"

namespace solmon {
namespace {

using testing::ExpectStopNaming;
using testing::RecordingPrompts;
using testing::ResultsAllBlank;
using testing::ResultsAllFinite;
using testing::SampleProject;
using testing::Set;
using pool::SaturationPressure;

constexpr int kPool = 6;
enum Field { kQColl = 1, kQPool, kLoad, kAux, kF, kPoolT };

const auto& Records(const ProjectState& s) { return s.Results.MonthlyResults; }

// An outdoor pool at 80 F under a clear sky at 70 F, English units.
PoolMonth SummerPool() {
  PoolMonth p;
  p.area = 500;
  p.depth = 5;
  p.airTemperature = 70 + 460;
  p.groundTemperature = 50;
  p.wind = 4;
  p.vaporPressure = 0.012;
  p.skyTemperature = 0.9 * (70 + 460);
  p.surfaceSolar = 1500;
  p.days = 31;
  return p;
}

TEST(PoolLosses, CoversAndShade) {
  const double t = 80 + 460;
  const PoolMonth none = SummerPool();
  PoolMonth film = none;
  film.cover = 1;
  PoolMonth bubble = none;
  bubble.cover = 2;
  // Uncovered the whole day, a film changes nothing; a bubble cover adds its resistance.
  EXPECT_EQ(PoolLosses(film, t).loss, PoolLosses(none, t).loss);
  EXPECT_LT(PoolLosses(bubble, t).loss, PoolLosses(none, t).loss);
  // Evaporation goes with the hours uncovered, and only evaporation does.
  PoolMonth half = film, whole = film;
  half.hoursCovered = 12;
  whole.hoursCovered = 24;
  const double open = PoolLosses(none, t).loss;
  EXPECT_LT(PoolLosses(whole, t).loss, open);
  EXPECT_NEAR(open - PoolLosses(half, t).loss, (open - PoolLosses(whole, t).loss) / 2, 1e-9 * open);
  // Shade takes its share of the surface gain.
  PoolMonth shaded = none;
  shaded.shade = 25;
  EXPECT_DOUBLE_EQ(PoolLosses(shaded, t).surfaceGain, 0.75 * PoolLosses(none, t).surfaceGain);
  EXPECT_DOUBLE_EQ(PoolLosses(none, t).surfaceGain, 1500 * 31 * 500);
  // The same pool in SI leaves in kJ.
  PoolMonth si = none;
  si.si = true;
  EXPECT_DOUBLE_EQ(PoolLosses(si, t).loss, 1.055 * PoolLosses(none, t).loss);
}

// Each term of the loss model worked by hand for SummerPool at 80 F:
// evaporation 1621.309, convection 241.037, radiation 1230.661 and
// conduction 464.763 Btu/ft^2-day, less 1500 of sun, for 31 days and 500 ft^2.
// The bubble cover covered 10 hours with 20 % shade: evaporation 945.764,
// convection 83.691 through the cover's resistance.
TEST(PoolLosses, TheTermsWorkedByHand) {
  const double t = 80 + 460;
  const PoolMonth open = SummerPool();
  EXPECT_NEAR(PoolLosses(open, t).loss, 31895450.14214859, 1e-5);
  EXPECT_NEAR(PoolLosses(open, t).surfaceGain, 23250000, 1e-6);
  PoolMonth covered = open;
  covered.cover = 2;
  covered.hoursCovered = 10;
  covered.shade = 20;
  EXPECT_NEAR(PoolLosses(covered, t).loss, 23635629.452217497, 1e-5);
  EXPECT_NEAR(PoolLosses(covered, t).surfaceGain, 18600000, 1e-6);
}

TEST(PoolLosses, SaturationAndSky) {
  EXPECT_DOUBLE_EQ(SaturationPressure(530), 0.0247);
  EXPECT_GT(SaturationPressure(560), SaturationPressure(530));
  ProjectState s = SampleProject(0);
  s.SheetKind[1] = kPool;
  RecordingPrompts prompts;
  Calculation c(s, prompts);
  c.SystemKind = kPool;
  const SkyConditions sky = PoolSkyConditions(c, 7);
  const double w = 0.005;  // the sample's humidity ratio
  EXPECT_NEAR(sky.vaporPressure, w / (0.622 + w), 1e-12);
  const double ambient = 1.8 * Real6ToDouble(s.Location.TAmb[7]) + 491.67;
  EXPECT_LT(sky.skyTemperature, ambient);
  EXPECT_GT(sky.skyTemperature, 0.8 * ambient);
  // The location's table holds it in the table's own units (C here).
  EXPECT_NEAR(Real6ToDouble(s.TSky[7]), (sky.skyTemperature - 491.67) / 1.8, 1e-9);
}

class PoolTest : public ::testing::Test {
 protected:
  PoolTest() { s.SheetKind[1] = kPool; }
  RunOutcome Run() { return RunCalculation(s, false, prompts); }
  void SetPool(int row, double v) { Set(s, 1, kPool, row, v); }
  double At(int month, int field) const { return Records(s)[month][field]; }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
};

TEST_F(PoolTest, SeasonOverTheYearEnd) {
  SetPool(4, 11);  // November
  SetPool(5, 3);   // to March
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  for (int m = 1; m <= 12; ++m) {
    const bool inSeason = m >= 11 || m <= 3;
    for (int f = kQColl; f <= kPoolT; ++f)
      EXPECT_EQ(At(m, f) == kNoValue, !inSeason) << "month " << m << " field " << f;
  }
  double load = 0, aux = 0;
  for (int m : {11, 12, 1, 2, 3}) {
    load += At(m, kLoad);
    aux += At(m, kAux);
  }
  EXPECT_DOUBLE_EQ(At(kYearRecord, kLoad), load);
  EXPECT_DOUBLE_EQ(At(kYearRecord, kAux), aux);
  EXPECT_NEAR(At(kYearRecord, kF), (load - aux) / load, 1e-12);
  EXPECT_EQ(At(kYearRecord, kPoolT), kNoValue);
  EXPECT_TRUE(ResultsAllFinite(s));
}

TEST_F(PoolTest, SingleMonthSeason) {
  SetPool(4, 7);
  SetPool(5, 7);
  ASSERT_EQ(Run(), RunOutcome::Completed);
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(At(m, kLoad) == kNoValue, m != 7) << m;
}

TEST_F(PoolTest, IndoorPoolHasNoSunWindOrSky) {
  SetPool(9, 1);  // indoor
  ASSERT_EQ(Run(), RunOutcome::Completed);
  const auto before = s.Results.MonthlyResults;
  for (int m = 5; m <= 9; ++m) EXPECT_EQ(At(m, kQPool), 0) << m;
  // Wind and the outdoor air play no part indoors; the room does.
  SetPool(11, 9);
  for (int m = 1; m <= 12; ++m) s.Location.HumRatio[m] = DoubleToReal6(0.012);
  ASSERT_EQ(Run(), RunOutcome::Completed);
  for (int m = 5; m <= 9; ++m) EXPECT_EQ(At(m, kLoad), before[m][kLoad]) << m;
  SetPool(13, 20);  // a colder room
  ASSERT_EQ(Run(), RunOutcome::Completed);
  EXPECT_GT(At(7, kLoad), before[7][kLoad]);
}

TEST_F(PoolTest, CoversScaleTheSurfaceGain) {
  SetPool(10, 0);
  double gain[3];
  for (int cover = 1; cover <= 3; ++cover) {
    SetPool(6, cover);
    ASSERT_EQ(Run(), RunOutcome::Completed);
    gain[cover - 1] = At(7, kQPool);
  }
  EXPECT_NEAR(gain[1] / gain[0], 0.95 / 0.96, 1e-6);  // film
  EXPECT_NEAR(gain[2] / gain[0], 0.92 / 0.96, 1e-6);  // bubble
}

TEST_F(PoolTest, NoCollectorAreaLeavesTheLossesToTheHeater) {
  s.SheetKind[2] = 2;  // evacuated tubes: no lower limit on the area
  Set(s, 2, 2, 1, 0);  // no panels
  SetPool(15, 0.5);    // a heater far too small to hold the pool
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  for (int m = 5; m <= 9; ++m) {
    EXPECT_EQ(At(m, kQColl), 0);
    EXPECT_EQ(At(m, kAux), At(m, kLoad));
    EXPECT_EQ(At(m, kF), 0);
    EXPECT_EQ(At(m, kPoolT), 26);  // no balance is sought without collectors
  }
}

TEST_F(PoolTest, SmallHeaterLetsThePoolCoolToTheBalance) {
  SetPool(15, 1);  // 1 kW
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  bool cooled = false;
  for (int m = 5; m <= 9; ++m) {
    if (At(m, kPoolT) >= 26 - 1e-9) continue;
    cooled = true;
    const double heater = 1 / 0.0002931 * 24 * 31 * 1.055 / 1e6 * (m == 6 || m == 9 ? 30.0 / 31 : 1);
    // Losses = collectors + heater at the balance temperature.
    EXPECT_NEAR(At(m, kLoad), At(m, kQColl) + heater, 1e-5 * At(m, kLoad)) << m;
    EXPECT_NEAR(At(m, kAux), At(m, kLoad) - At(m, kQColl), 1e-9) << m;
  }
  EXPECT_TRUE(cooled);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PoolTest, CollectorsThatOverheatAreHeldAtTheSetTemperature) {
  Set(s, 2, 1, 1, 40);  // 80 m^2 of collectors on a 10 m^2 indoor pool
  SetPool(2, 10);
  SetPool(9, 1);
  SetPool(13, 20);  // a room colder than the pool: losses at the set temperature
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  EXPECT_EQ(At(7, kPoolT), 26);
  EXPECT_EQ(At(7, kQColl), At(7, kLoad));
  EXPECT_EQ(At(7, kAux), 0);
  EXPECT_EQ(At(7, kF), 1);
}

TEST_F(PoolTest, NoBalanceIsReportedAndTheRunGoesOn) {
  // A collector that delivers nothing and no heater: the pool cools until it
  // loses nothing, where the relative test can never be met.
  Set(s, 2, 1, 3, 500);  // FR UL far above anything the sun can beat
  SetPool(15, 0);
  ASSERT_EQ(Run(), RunOutcome::Completed);
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.messages[0], "Pool calculations did not converge in month 5 in MADISON WI");
  EXPECT_TRUE(ResultsAllFinite(s));
  // The restarts draw the same numbers in every run.
  const auto first = s.Results.MonthlyResults;
  ProjectState again = s;
  RecordingPrompts quiet;
  ASSERT_EQ(RunCalculation(again, false, quiet), RunOutcome::Completed);
  EXPECT_EQ(again.Results.MonthlyResults, first);
}

TEST_F(PoolTest, DeterministicAndFiniteInBothUnitSystems) {
  for (int units : {0, 1}) {
    ProjectState a = SampleProject(units);
    a.SheetKind[1] = kPool;
    Set(a, 1, kPool, 4, 1);
    Set(a, 1, kPool, 5, 12);
    ASSERT_EQ(RunCalculation(a, false, prompts), RunOutcome::Completed) << a.ErrorMessage;
    EXPECT_TRUE(ResultsAllFinite(a)) << units;
    ProjectState b = a;
    ASSERT_EQ(RunCalculation(b, false, prompts), RunOutcome::Completed);
    EXPECT_EQ(a.Results.MonthlyResults, b.Results.MonthlyResults);
    EXPECT_EQ(a.Results.FuelCostSolar, b.Results.FuelCostSolar);
  }
}

TEST_F(PoolTest, SIAndEnglishAgree) {
  Set(s, 1, kPool, 4, 1);
  Set(s, 1, kPool, 5, 12);
  ProjectState english = SampleProject(1);
  english.SheetKind[1] = kPool;
  Set(english, 1, kPool, 4, 1);
  Set(english, 1, kPool, 5, 12);
  ASSERT_EQ(Run(), RunOutcome::Completed);
  ASSERT_EQ(RunCalculation(english, false, prompts), RunOutcome::Completed);
  const double btuPerGJ = 1 / 1.055;
  for (int f : {kQColl, kQPool, kLoad})
    EXPECT_NEAR(english.Results.MonthlyResults[kYearRecord][f], At(kYearRecord, f) * btuPerGJ,
                0.01 * At(kYearRecord, f))
        << f;
  EXPECT_NEAR(english.Results.MonthlyResults[7][kPoolT], 1.8 * At(7, kPoolT) + 32, 0.5);
}

struct StopCase {
  int sheet, row;
  double value;
  const char* caption;
};

TEST_F(PoolTest, InputsThatWouldDivideByZeroStopTheRun) {
  const StopCase cases[] = {
      {1, 8, -1, "Average pool depth"},
      {1, 11, -3, "Average windspeed"},
      {1, 16, 0, "Efficiency of fuel usage"},
      {1, 6, 7, "Cover"},
      {2, 4, 0, "FR*TAU*ALPHA"},
  };
  for (const StopCase& k : cases)
    ExpectStopNaming(s, k.sheet, k.sheet == 1 ? kPool : 1, k.row, k.value, k.caption);
}

TEST_F(PoolTest, CollectorsInAWarmRoomLetThePoolFloatWhereItLosesNothing) {
  Set(s, 2, 1, 1, 40);
  SetPool(2, 10);
  SetPool(9, 1);  // indoor, the room at 28 C above the pool's 26 C
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  EXPECT_GT(At(7, kPoolT), 26);
  EXPECT_LT(At(7, kPoolT), 28);
  EXPECT_EQ(At(7, kLoad), 0);
  EXPECT_EQ(At(7, kF), 1);
}

TEST_F(PoolTest, PoolAreaOfZeroStaysFinite) {
  SetPool(2, 0);
  ASSERT_EQ(Run(), RunOutcome::Completed) << s.ErrorMessage;
  EXPECT_TRUE(ResultsAllFinite(s));
}

}  // namespace
}  // namespace solmon
