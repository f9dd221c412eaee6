#include "core/calc/radiation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc_fixture.h"
#include "core/calc/collector.h"
#include "core/model/numbers.h"
#include "core/weather/weather_file.h"

namespace solmon {
namespace {

using testing::RecordingPrompts;
using testing::SampleLocationEnglish;
using testing::SampleProject;

class RadiationTest : public ::testing::Test {
 protected:
  // A run variable set for a surface of the given geometry, modifiers of one glass cover.
  Calculation Calc(int collectorKind, double latitude = 43.1) {
    SetCurrentLocation(s, SampleLocationEnglish("TEST", latitude));
    Calculation c(s, prompts);
    c.SystemKind = 2;
    c.CollectorKind = collectorKind;
    c.Collector.SurfaceSlope = 45;
    c.Collector.SurfaceAzimuth = 0;
    c.Collector.ConcentrationRatio = 1;
    c.Collector.AcceptanceAngle = 90;
    c.Collector.ReceiverOrientation = 1;
    FillIAMByGlazings(c.Collector, 1);
    c.Collector.IAMTable[2] = c.Collector.IAMTable[1];
    return c;
  }
  static bool AllFinite(const RadiationRun& r) {
    bool ok = std::isfinite(r.HBarT) && std::isfinite(r.RBar) && std::isfinite(r.SBar) &&
              std::isfinite(r.TauAlphaRatio);
    for (int k = 1; k <= 8; ++k) ok = ok && std::isfinite(r.StepKt[k]) && std::isfinite(r.StepTilt[k]);
    return ok;
  }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
};

TEST_F(RadiationTest, PolarNightClearsEverythingOfTheMonthBefore) {
  Calculation c = Calc(1, 75);
  MonthlyRadiation(c, 6);  // midsummer: t above 1 is limited to 0.9999
  EXPECT_DOUBLE_EQ(c.Radiation.SunsetAngle, ArcCos(-0.9999));
  EXPECT_GT(c.Radiation.HBarT, 0);
  MonthlyRadiation(c, 12);
  const RadiationRun& r = c.Radiation;
  EXPECT_EQ(r.RBar, 0);
  EXPECT_EQ(r.SBar, 0);
  EXPECT_EQ(r.TauAlphaRatio, 1);
  EXPECT_EQ(r.HBarT, 0);
  EXPECT_EQ(r.SunsetAngle, 0);
  EXPECT_EQ(r.SinSunsetAngle, 0);
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(r.StepKt[k], 0);
    EXPECT_EQ(r.StepTilt[k], 0);
    EXPECT_DOUBLE_EQ(r.StepCosSlope[k], std::cos(45 * 0.017453));
  }
  EXPECT_EQ(DailyUtilizability(r, 100), 0);
}

TEST_F(RadiationTest, SymmetricDayUpToOneDegreeOfAzimuth) {
  for (double azimuth : {0.0, 1.0, 2.0}) {
    Calculation c = Calc(1);
    c.Collector.SurfaceAzimuth = azimuth;
    MonthlyRadiation(c, 3);
    EXPECT_EQ(c.Radiation.FullDay, azimuth > 1) << azimuth;
    EXPECT_GT(c.Radiation.RBar, 1) << azimuth;
  }
  // A south-facing surface computed over the full day gives the same sums.
  Calculation half = Calc(1);
  MonthlyRadiation(half, 3);
  Calculation full = Calc(1);
  full.Collector.SurfaceAzimuth = 1e-3;
  MonthlyRadiation(full, 3);
  EXPECT_NEAR(full.Radiation.HBarT, half.Radiation.HBarT, 1e-4 * half.Radiation.HBarT);
}

TEST_F(RadiationTest, NoHorizontalRadiation) {
  Calculation c = Calc(1);
  s.Location.HBar[4] = DoubleToReal6(0);
  MonthlyRadiation(c, 4);
  EXPECT_EQ(c.Radiation.HBarT, 0);
  EXPECT_EQ(c.Radiation.TauAlphaRatio, 0.9);
  EXPECT_EQ(c.Radiation.RBar, 1);
}

// Latitude 0 continues the north: the noon sun is behind a south-facing
// surface in the northern summer.
TEST_F(RadiationTest, EquatorIsFiniteAndContinuous) {
  for (int m = 1; m <= 12; ++m) {
    Calculation c = Calc(1, 0);
    MonthlyRadiation(c, m);
    ASSERT_TRUE(AllFinite(c.Radiation)) << m;
    Calculation near = Calc(1, 1e-6);
    MonthlyRadiation(near, m);
    EXPECT_NEAR(c.Radiation.HBarT, near.Radiation.HBarT, 1e-3 * near.Radiation.HBarT) << m;
  }
}

TEST_F(RadiationTest, ConcentratorSeesOnlyItsShareOfDiffuseLight) {
  // With no acceptance only diffuse and ground-reflected light arrives, divided by C.
  Calculation one = Calc(3);
  one.Collector.AcceptanceAngle = -1;
  MonthlyRadiation(one, 5);
  Calculation two = Calc(3);
  two.Collector.AcceptanceAngle = -1;
  two.Collector.ConcentrationRatio = 2;
  MonthlyRadiation(two, 5);
  EXPECT_DOUBLE_EQ(two.Radiation.HBarT * 2, one.Radiation.HBarT);
  // A narrow acceptance angle loses beam radiation.
  Calculation wide = Calc(3);
  MonthlyRadiation(wide, 5);
  Calculation narrow = Calc(3);
  narrow.Collector.AcceptanceAngle = 25;  // takes the hours around noon only
  MonthlyRadiation(narrow, 5);
  EXPECT_LT(narrow.Radiation.HBarT, wide.Radiation.HBarT);
  EXPECT_GT(narrow.Radiation.HBarT, one.Radiation.HBarT);
}

TEST_F(RadiationTest, TwoAxisTauAlphaLiesBetweenDiffuseAndBeamModifiers) {
  for (double latitude : {-35.0, 0.0, 43.1, 65.0}) {
    for (int m = 1; m <= 12; ++m) {
      Calculation c = Calc(5, latitude);
      MonthlyRadiation(c, m);
      if (c.Radiation.HBarT == 0) continue;
      EXPECT_GE(c.Radiation.TauAlphaRatio, 0.88) << latitude << " " << m;
      EXPECT_LE(c.Radiation.TauAlphaRatio, 1.0) << latitude << " " << m;
    }
  }
}

TEST_F(RadiationTest, OneAxisTrackerWithALevelAxisIsTakenAsSlightlyTilted) {
  Calculation level = Calc(4);
  level.Collector.SurfaceSlope = 0;
  MonthlyRadiation(level, 7);
  EXPECT_EQ(level.Collector.SurfaceSlope, 0.1);
  EXPECT_TRUE(AllFinite(level.Radiation));
  EXPECT_TRUE(level.Radiation.FullDay);
  Calculation tilted = Calc(4);
  tilted.Collector.SurfaceSlope = 0.1;
  MonthlyRadiation(tilted, 7);
  EXPECT_EQ(level.Radiation.HBarT, tilted.Radiation.HBarT);
}

TEST_F(RadiationTest, ConstantModifierGivesThatTauAlphaRatio) {
  for (int kind : {1, 4}) {
    Calculation c = Calc(kind);
    c.Collector.IAMConstant = 0.95;
    c.Collector.IAMRow = 1;
    FillIAMConstant(c.Collector);
    MonthlyRadiation(c, 9);
    EXPECT_DOUBLE_EQ(c.Radiation.TauAlphaRatio, 0.95) << kind;
  }
}

TEST_F(RadiationTest, UtilizabilityFallsFromOneToZero) {
  Calculation c = Calc(1);
  MonthlyRadiation(c, 3);
  EXPECT_EQ(DailyUtilizability(c.Radiation, -1), 1);
  EXPECT_EQ(DailyUtilizability(c.Radiation, 1e9), 0);
  double previous = 1;
  for (double ic : {0.0, 200.0, 500.0, 1000.0, 2000.0}) {
    const double phi = DailyUtilizability(c.Radiation, ic);
    EXPECT_LE(phi, previous + 1e-12) << ic;
    EXPECT_GE(phi, 0);
    previous = phi;
  }
}

TEST_F(RadiationTest, StoppedRunLeavesTheOutputs) {
  Calculation c = Calc(1);
  MonthlyRadiation(c, 3);
  const double before = c.Radiation.HBarT;
  s.ErrorCode = kCalcStopped;
  MonthlyRadiation(c, 7);
  EXPECT_EQ(c.Radiation.HBarT, before);
}

}  // namespace
}  // namespace solmon
