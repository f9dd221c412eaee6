#include "core/calc/collector.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc_fixture.h"

namespace solmon {
namespace {

using testing::RecordingPrompts;
using testing::SampleProject;
using testing::Set;

class CollectorTest : public ::testing::Test {
 protected:
  Calculation Calc(int collectorKind) {
    s.SheetKind[2] = static_cast<std::int16_t>(collectorKind);
    Calculation c(s, prompts);
    c.SystemKind = 2;
    c.CollectorKind = collectorKind;
    return c;
  }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
};

TEST_F(CollectorTest, FlatPlateWithoutTestCorrectionKeepsTheSheetValues) {
  Calculation c = Calc(1);
  SetupCollector(c);
  EXPECT_EQ(c.Collector.FRUL, s.ParamValue(2, 1, 3));
  EXPECT_EQ(c.Collector.FRTA, s.ParamValue(2, 1, 4));
  EXPECT_EQ(s.Results.CollectorArea, 20);
  EXPECT_EQ(c.Collector.CcPrime, s.ParamValue(2, 1, 11) * s.ParamValue(2, 1, 12));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CollectorTest, FlatPlateAreaThatIsNotPositiveBecomesTiny) {
  Set(s, 2, 1, 1, 0);
  Calculation c = Calc(1);
  SetupCollector(c);
  EXPECT_EQ(s.Results.CollectorArea, 1e-6);
  Set(s, 2, 3, 1, 0);  // other kinds keep the product
  Calculation cpc = Calc(3);
  SetupCollector(cpc);
  EXPECT_EQ(s.Results.CollectorArea, 0);
}

TEST_F(CollectorTest, TestFlowCorrection) {
  Set(s, 2, 1, 13, 1);  // modify test values
  {
    Calculation c = Calc(1);  // test and use capacitance rates equal: r = 1
    SetupCollector(c);
    EXPECT_EQ(c.Collector.FRUL, s.ParamValue(2, 1, 3));
    EXPECT_EQ(c.Collector.FRTA, s.ParamValue(2, 1, 4));
  }
  {
    Set(s, 2, 1, 14, 0.02);
    Calculation c = Calc(1);
    SetupCollector(c);
    const double ct = c.Collector.Ct, cc = c.Collector.CcPrime, frul = s.ParamValue(2, 1, 3);
    const double y = -ct * std::log(1 - frul / ct / 1000);
    const double r = (cc / ct) * (1 - std::exp(-y / cc)) / (1 - std::exp(-y / ct));
    EXPECT_EQ(c.Collector.FRUL, frul * r);
    EXPECT_EQ(c.Collector.FRTA, s.ParamValue(2, 1, 4) * r);
    EXPECT_LT(r, 1);
  }
}

TEST_F(CollectorTest, TestSlopeTooSteepGivesMessage4AndKeepsTheValues) {
  Set(s, 2, 1, 13, 1);
  Set(s, 2, 1, 14, 0.001);  // Ct = 0.00419 kW: x = 4.5 / 4.19 > 1
  Set(s, 2, 1, 3, 5.028);   // x = 1.2
  Calculation c = Calc(1);
  SetupCollector(c);
  EXPECT_EQ(c.Collector.FRUL, s.ParamValue(2, 1, 3));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], MessageText(33));
  EXPECT_EQ(s.ErrorMessage, MessageText(33));
  EXPECT_EQ(s.ErrorCode, 0);
}

TEST_F(CollectorTest, TestFlowCorrectionAtItsLimitsStaysFinite) {
  Calculation c = Calc(1);
  c.Collector.Ct = 0.005;
  c.Collector.CcPrime = 0.02;
  c.Collector.FRUL = 5;  // x = 1 exactly: r is the limit Cc' / Ct
  c.Collector.FRTA = 0.7;
  TestFlowCorrection(c);
  EXPECT_EQ(c.Collector.FRUL, 5 * (0.02 / 0.005));
  EXPECT_EQ(c.Collector.FRTA, 0.7 * (0.02 / 0.005));
  c.Collector.FRUL = 0;  // no loss slope: r = 1
  c.Collector.FRTA = 0.7;
  TestFlowCorrection(c);
  EXPECT_EQ(c.Collector.FRTA, 0.7);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(CollectorTest, GlazingsConstantAndValueModifiers) {
  CollectorRun k;
  ASSERT_TRUE(FillIAMByGlazings(k, 2));
  EXPECT_DOUBLE_EQ(IAMLookup(k, 1, 45), 0.9649 + 0.5 * (0.9273 - 0.9649));
  EXPECT_DOUBLE_EQ(IAMLookup(k, 1, -45), IAMLookup(k, 1, 45));
  EXPECT_EQ(IAMLookup(k, 1, 0), 1);
  EXPECT_EQ(IAMLookup(k, 1, 89.5), 0);
  EXPECT_NEAR(IAMLookup(k, 1, 89), 0.2457 + 0.9 * (0 - 0.2457), 1e-12);
  EXPECT_EQ(IAMLookup(k, 1, std::nan("")), 0);
  EXPECT_FALSE(FillIAMByGlazings(k, 5));

  k.IAMConstant = 0.1;
  ASSERT_TRUE(FillIAMByGlazings(k, -1));
  EXPECT_NEAR(IAMLookup(k, 1, 60), 0.9, 1e-4);
  EXPECT_EQ(k.IAMTable[1][10], 0);

  k.IAMConstant = 0.95;
  k.IAMRow = 2;
  FillIAMConstant(k);
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(k.IAMTable[2][i], 0.95);
}

TEST_F(CollectorTest, FlatPlateModifierChoices) {
  Set(s, 2, 1, 7, 3);  // "Value(s)" holding a number fills every entry, 90 degrees included
  Set(s, 2, 1, 10, 0.95);
  Calculation c = Calc(1);
  SetupCollector(c);
  EXPECT_EQ(c.Collector.IAMTable[1][10], s.ParamValue(2, 1, 10));
  Set(s, 2, 1, 10, -1006);  // an angle table
  for (int i = 1; i <= 10; ++i) s.ExtraTables[1][i] = DoubleToReal6(1 - 0.05 * i);
  SetupCollector(c);
  EXPECT_EQ(c.Collector.IAMTable[1][4], Real6ToDouble(s.ExtraTables[1][4]));
  Set(s, 2, 1, 7, 1);  // glazings with a damaged cover count
  Set(s, 2, 1, 8, 7);
  SetupCollector(c);
  EXPECT_EQ(s.ErrorCode, kCalcStopped);
  EXPECT_NE(s.ErrorMessage.find("\"Number of glass covers\""), std::string::npos);
}

TEST_F(CollectorTest, KindsReadTheirOwnRows) {
  Set(s, 2, 3, 8, -20);  // CPC azimuth: its absolute value
  Set(s, 2, 3, 9, 2);
  Set(s, 2, 3, 11, -1007);  // parallel modifier from angle table 2
  for (int i = 1; i <= 10; ++i) s.ExtraTables[2][i] = DoubleToReal6(0.5);
  Calculation c = Calc(3);
  SetupCollector(c);
  EXPECT_EQ(c.Collector.SurfaceSlope, 40);
  EXPECT_EQ(c.Collector.SurfaceAzimuth, 20);
  EXPECT_EQ(c.Collector.ReceiverOrientation, 2);
  EXPECT_EQ(c.Collector.ConcentrationRatio, 1.5);
  EXPECT_EQ(c.Collector.AcceptanceAngle, 35);
  EXPECT_EQ(c.Collector.IAMTable[1][3], s.ParamValue(2, 3, 10));
  EXPECT_EQ(c.Collector.IAMTable[2][3], 0.5);
  Calculation one = Calc(4);
  SetupCollector(one);
  EXPECT_EQ(one.Collector.SurfaceSlope, 40);  // the axis slope
  EXPECT_EQ(one.Collector.ConcentrationRatio, 10);
}

TEST_F(CollectorTest, Corrections) {
  Calculation c = Calc(1);
  SetupCollector(c);
  const double frul = c.Collector.FRUL, frta = c.Collector.FRTA;
  ASSERT_TRUE(PipeLossCorrection(c, 0, 0));
  EXPECT_EQ(c.Collector.FRUL, frul);
  EXPECT_EQ(c.Collector.FRTA, frta);

  const double cc = 1000 * c.Collector.CcPrime;
  ASSERT_TRUE(HeatExchangerCorrection(c, c.Collector.CcPrime, 0.5));  // equal rates: Cmin = Cc
  const double f = 1 / (1 + (frul / cc) * (cc / (0.5 * cc) - 1));
  EXPECT_EQ(c.Collector.FRUL, frul * f);
  EXPECT_EQ(c.Collector.FRTA, frta * f);

  ASSERT_TRUE(PipeLossCorrection(c, 5, 5));
  EXPECT_LT(c.Collector.FRTA, frta * f);
}

TEST_F(CollectorTest, LoopCorrectionsWithoutFlowStopTheRunNamingTheRow) {
  Set(s, 2, 1, 11, 0);
  Calculation c = Calc(1);
  SetupCollector(c);
  EXPECT_FALSE(PipeLossCorrection(c, 5, 5));
  EXPECT_EQ(s.ErrorCode, kCalcStopped);
  EXPECT_EQ(s.ErrorMessage,
            "Calculation stopped: \"Collector flowrate/area\" of the collector sheet must be above 0.");
  EXPECT_TRUE(std::isfinite(c.Collector.FRUL));
}

}  // namespace
}  // namespace solmon
