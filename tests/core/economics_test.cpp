#include "core/calc/economics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "calc_fixture.h"
#include "core/calc/run_driver.h"

namespace solmon {
namespace {

// Economics sheet rows.
enum Row {
  kDetail = 1,
  kCostPerArea,
  kFixedCost,
  kElecInflation = 5,
  kOtherInflation = 11,
  kPeriod,
  kDown,
  kMortgageRate,
  kTerm,
  kDiscount,
  kMaint,
  kMaintIncrease,
  kTaxRate,
  kPropertyTax,
  kPropertyTaxIncrease,
  kResale,
  kCredit1,
  kTier1,
  kCredit2,
  kTier2,
  kCommercial,
  kDepreciation
};
constexpr int kBrief = 1, kDetailed = 2, kCashFlowChoice = 3;
constexpr int kYes = 1, kNo = 2;

// A project whose figures are easy to follow by hand: every rate 0, an
// investment of 100 x 10 + 1000 = 2000 $, fuel "other" (one unit per GJ), a
// fuel bill of 100 $ with solar and 300 $ without.
ProjectState SimpleProject(int detail) {
  ProjectState s;
  s.SheetKind = {0, 2, 1, 1};
  const std::map<int, double> rows = {
      {kDetail, detail}, {kCostPerArea, 100}, {kFixedCost, 1000}, {kPeriod, 10},
      {kDown, 20},       {kTerm, 5},          {kMaint, 1},        {kTaxRate, 30},
      {kPropertyTax, 2}, {kResale, 10},       {kCredit1, 10},     {kTier1, 1000},
      {kCredit2, 5},     {kTier2, 3000},      {kCommercial, kNo}, {kDepreciation, -1008}};
  for (const auto& [row, v] : rows) s.SetParamValue(3, 1, row, v);
  s.Results.Fuel = 4;
  s.Results.CollectorArea = 10;
  s.Results.FuelCostSolar = 100;
  s.Results.FuelCostNoSolar = 300;
  return s;
}

TEST(PresentWorthFactor, FollowsTheSeriesFormula) {
  EXPECT_DOUBLE_EQ(PresentWorthFactor(20, 0, 8), 100 * (1 - std::pow(1 / 1.08, 20)) / 8);
  EXPECT_DOUBLE_EQ(PresentWorthFactor(10, 5, 8), 100 * (1 - std::pow(1.05 / 1.08, 10)) / 3);
  EXPECT_DOUBLE_EQ(PresentWorthFactor(0, 3, 8), 0);
}

TEST(PresentWorthFactor, EqualRatesGiveNOverOnePlusRate) {
  EXPECT_DOUBLE_EQ(PresentWorthFactor(20, 6, 6), 20 / 1.06);
  EXPECT_DOUBLE_EQ(PresentWorthFactor(7, 0, 0), 7);
}

TEST(Economics, BriefLevelByHand) {
  ProjectState s = SimpleProject(kBrief);
  RunEconomics(s);
  const EconomicsResults& e = s.Economics;
  EXPECT_EQ(s.ErrorCode, 0);
  EXPECT_EQ(e.EconLevel, 2);
  EXPECT_DOUBLE_EQ(e.Investment, 2000);
  EXPECT_DOUBLE_EQ(e.DownPayment, 400);
  EXPECT_DOUBLE_EQ(e.MortgagePW, 1600);  // five payments of 320, undiscounted
  EXPECT_DOUBLE_EQ(e.InterestPW, 0);
  EXPECT_DOUBLE_EQ(e.MaintInsPW, 200);
  EXPECT_DOUBLE_EQ(e.PropertyTaxPW, 280);  // 2 % a year for 10 years, 30 % deducted
  EXPECT_DOUBLE_EQ(e.ResalePW, 200);
  EXPECT_DOUBLE_EQ(e.TaxCredits, 150);  // 10 % of 1000 and 5 % of the next 1000
  EXPECT_DOUBLE_EQ(e.DepreciationPW, 0);
  EXPECT_DOUBLE_EQ(e.EquipmentPW, 2130);
  EXPECT_DOUBLE_EQ(e.FirstYearFuelCost, 100);
  EXPECT_DOUBLE_EQ(e.FirstYearFuelSavings, 200);
  EXPECT_DOUBLE_EQ(e.FuelPW, 1000);
  EXPECT_DOUBLE_EQ(e.LifeCycleSavings, 2000 - 2130);
  EXPECT_DOUBLE_EQ(e.LifeCycleCost, 3130);
  for (const auto& row : e.CashFlow)
    for (int v : row) EXPECT_EQ(v, 0);  // no cash flow below the cash-flow level
}

TEST(Economics, CashFlowByHand) {
  ProjectState s = SimpleProject(kCashFlowChoice);
  RunEconomics(s);
  const EconomicsResults& e = s.Economics;
  EXPECT_EQ(e.EconLevel, 4);
  EXPECT_EQ(e.Period, 10);
  EXPECT_EQ(e.MortgageTerm, 5);
  EXPECT_DOUBLE_EQ(e.DownLessCredit, 250);
  EXPECT_DOUBLE_EQ(e.MortgagePayment, 320);
  EXPECT_DOUBLE_EQ(e.ResaleValue, 200);
  EXPECT_TRUE(e.AnnualizedPaymentDefined);
  EXPECT_DOUBLE_EQ(e.AnnualizedPayment, 313);
  using R = std::array<std::int32_t, kCashFlowColumns>;
  // MI, PT, FS, TS, NS, PW. Year 0: credits less the down payment; years 1 to 5
  // pay the mortgage; year 10 adds the resale value. Only interest and
  // property tax are deducted for a home system.
  EXPECT_EQ(e.CashFlow[0], (R{0, 0, 0, 150, -250, -250}));
  for (int y = 1; y <= 5; ++y) EXPECT_EQ(e.CashFlow[y], (R{20, 40, 100, 12, -168, -168})) << y;
  for (int y = 6; y <= 9; ++y) EXPECT_EQ(e.CashFlow[y], (R{20, 40, 100, 12, 152, 152})) << y;
  EXPECT_EQ(e.CashFlow[10], (R{20, 40, 100, 12, 352, 352}));
  EXPECT_EQ(e.CashFlow[11], (R{200, 400, 1000, 270, -130, -130}));
  EXPECT_EQ(e.CashFlow[12], (R{}));
}

struct TierCase {
  double investment, tier1, tier2, credits;
};

class TaxCreditTiers : public ::testing::TestWithParam<TierCase> {};

TEST_P(TaxCreditTiers, EarnTheRateOfEachTier) {
  const TierCase c = GetParam();
  ProjectState s = SimpleProject(kBrief);
  s.SetParamValue(3, 1, kCostPerArea, 0);
  s.SetParamValue(3, 1, kFixedCost, c.investment);
  s.SetParamValue(3, 1, kTier1, c.tier1);
  s.SetParamValue(3, 1, kTier2, c.tier2);
  RunEconomics(s);
  EXPECT_DOUBLE_EQ(s.Economics.TaxCredits, c.credits);
}

// 10 % in tier 1, 5 % in tier 2; the second limit bounds the tier, it is not its width.
INSTANTIATE_TEST_SUITE_P(Economics, TaxCreditTiers,
                         ::testing::Values(TierCase{800, 1000, 3000, 80},
                                           TierCase{2000, 1000, 3000, 150},
                                           TierCase{5000, 1000, 3000, 200},
                                           TierCase{5000, 1000, 500, 100}));

TEST(Economics, EqualFuelInflationAndDiscount) {
  ProjectState s = SimpleProject(kBrief);
  s.SetParamValue(3, 1, kOtherInflation, 6);
  s.SetParamValue(3, 1, kDiscount, 6);
  RunEconomics(s);
  EXPECT_DOUBLE_EQ(s.Economics.FuelPW, 100 * 10 / 1.06);
}

TEST(Economics, TheFuelChoosesItsUnitsAndItsInflation) {
  ProjectState s = SimpleProject(kBrief);
  s.Results.Fuel = 1;  // electricity: 278.9 kW-hr per GJ, 293 per 10^6 Btu
  s.SetParamValue(3, 1, kElecInflation, 5);
  s.SetParamValue(3, 1, kDiscount, 5);
  RunEconomics(s);
  EXPECT_DOUBLE_EQ(s.Economics.FirstYearFuelCost, 100 * 278.9);
  EXPECT_DOUBLE_EQ(s.Economics.FuelPW, 100 * 278.9 * PresentWorthFactor(10, 5, 5));
  s.UnitSystem = 1;
  RunEconomics(s);
  EXPECT_DOUBLE_EQ(s.Economics.FirstYearFuelCost, 100 * 293.0);
}

TEST(Economics, NoFuelGivesNoFuelResultsAndNoCashFlow) {
  ProjectState s = SimpleProject(kCashFlowChoice);
  s.Results.Fuel = 0;
  RunEconomics(s);
  const EconomicsResults& e = s.Economics;
  EXPECT_DOUBLE_EQ(e.EquipmentPW, 2130);
  EXPECT_EQ(e.FirstYearFuelCost, 0);
  EXPECT_EQ(e.FuelPW, 0);
  EXPECT_EQ(e.LifeCycleSavings, 0);
  EXPECT_EQ(e.LifeCycleCost, 0);
  EXPECT_EQ(e.CashFlow[11][4], 0);
  EXPECT_EQ(e.MortgagePayment, 0);
}

TEST(Economics, MortgageTermOfZeroMeansNoMortgageAndNoInterest) {
  ProjectState s = SimpleProject(kCashFlowChoice);
  s.SetParamValue(3, 1, kTerm, 0);
  s.SetParamValue(3, 1, kMortgageRate, 10);
  RunEconomics(s);
  const EconomicsResults& e = s.Economics;
  EXPECT_EQ(e.MortgagePW, 0);
  EXPECT_EQ(e.InterestPW, 0);
  EXPECT_EQ(e.MortgagePayment, 0);
  // No payment and no interest deduction in any year: TS is the property tax's.
  for (int y = 1; y <= 10; ++y) EXPECT_EQ(e.CashFlow[y][3], 12) << y;
  EXPECT_EQ(e.CashFlow[1][4], 300 - 20 - 40 - 100 + 12);
}

TEST(Economics, TermLongerThanPeriodCountsOnlyThePeriodsPayments) {
  ProjectState s = SimpleProject(kBrief);
  s.SetParamValue(3, 1, kTerm, 20);  // 1600 $ over 20 years, 10 of them in the period
  RunEconomics(s);
  EXPECT_DOUBLE_EQ(s.Economics.MortgagePW, 800);
}

TEST(Economics, LoanPaidOffEarlyPaysNothingAfterwards) {
  // A loan of 9 $ over 10 years at 0 %: 0.90 $ a year; after nine payments the
  // balance of 0.90 $ is below one dollar and the loan is closed.
  ProjectState s = SimpleProject(kCashFlowChoice);
  const int zero[] = {kCostPerArea, kDown,   kMaint,   kTaxRate,
                      kPropertyTax, kResale, kCredit1, kCredit2};
  for (int row : zero) s.SetParamValue(3, 1, row, 0);
  s.SetParamValue(3, 1, kFixedCost, 9);
  s.SetParamValue(3, 1, kTerm, 10);
  s.Results.FuelCostSolar = s.Results.FuelCostNoSolar = 0;
  RunEconomics(s);
  const EconomicsResults& e = s.Economics;
  EXPECT_NEAR(e.MortgagePayment, 0.9, 1e-12);
  for (int y = 1; y <= 9; ++y) EXPECT_EQ(e.CashFlow[y][4], -1) << y;
  EXPECT_EQ(e.CashFlow[10][4], 0);
  EXPECT_EQ(e.CashFlow[11][4], -8);  // 9 x -0.90 rounded
}

// Any project: the present worths of the cash-flow years add up to the life
// cycle savings, whichever way the equipment is paid and taxed.
struct FlowCase {
  const char* name;
  std::map<int, double> rows;
};

std::ostream& operator<<(std::ostream& os, const FlowCase& c) {
  return os << c.name;
}

class CashFlowTotals : public ::testing::TestWithParam<FlowCase> {};

TEST_P(CashFlowTotals, PresentWorthColumnAddsUpToLifeCycleSavings) {
  ProjectState s = SimpleProject(kCashFlowChoice);
  const std::map<int, double> realistic = {
      {kPeriod, 20},  {kOtherInflation, 5}, {kMortgageRate, 9},       {kTerm, 15},
      {kDiscount, 8}, {kMaintIncrease, 3},  {kPropertyTaxIncrease, 2}};
  for (const auto& [row, v] : realistic) s.SetParamValue(3, 1, row, v);
  for (const auto& [row, v] : GetParam().rows) s.SetParamValue(3, 1, row, v);
  const double schedule[] = {0, 20, 32, 19.2, 11.52, 11.52, 5.76, 0, 0, 0, 0};
  for (int y = 1; y <= 10; ++y) s.ExtraTables[3][y] = DoubleToReal6(schedule[y]);
  RunEconomics(s);
  const EconomicsResults& e = s.Economics;
  ASSERT_EQ(s.ErrorCode, 0) << s.ErrorMessage;
  const int N = e.Period;
  EXPECT_NEAR(e.CashFlow[N + 1][5], e.LifeCycleSavings, 0.5 + 1e-6);
  // Each total is the rounded sum of the unrounded years: within half a
  // dollar per year of the sum of the rounded cells.
  for (int c = 0; c < kCashFlowColumns; ++c) {
    double sum = 0;
    for (int y = 0; y <= N; ++y) sum += e.CashFlow[y][c];
    EXPECT_NEAR(e.CashFlow[N + 1][c], sum, 0.5 * (N + 2)) << "column " << c;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Economics, CashFlowTotals,
    ::testing::Values(FlowCase{"Home", {}}, FlowCase{"CommercialSchedule", {{kCommercial, kYes}}},
                      FlowCase{"CommercialStraightLine",
                               {{kCommercial, kYes}, {kDepreciation, 1}, {kPeriod, 15}}},
                      FlowCase{"TermLongerThanPeriod", {{kTerm, 30}}},
                      FlowCase{"NoMortgage", {{kTerm, 0}}},
                      FlowCase{"EqualRates", {{kOtherInflation, 8}, {kMortgageRate, 8}}},
                      FlowCase{"NoPeriod", {{kPeriod, 0}}},
                      FlowCase{"AllDown", {{kDown, 100}, {kCommercial, kYes}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Economics, PeriodOfZeroHasNoAnnualizedPaymentAndNoNaN) {
  ProjectState s = SimpleProject(kCashFlowChoice);
  s.SetParamValue(3, 1, kPeriod, 0);
  s.SetParamValue(3, 1, kCommercial, kYes);
  s.SetParamValue(3, 1, kDepreciation, 1);  // straight line over no years
  RunEconomics(s);
  const EconomicsResults& e = s.Economics;
  EXPECT_EQ(s.ErrorCode, 0);
  EXPECT_FALSE(e.AnnualizedPaymentDefined);
  EXPECT_EQ(e.AnnualizedPayment, 0);
  EXPECT_EQ(e.DepreciationPW, 0);
  EXPECT_TRUE(std::isfinite(e.LifeCycleSavings));
  EXPECT_EQ(e.CashFlow[1], e.CashFlow[0]);  // the total row of a single year
}

TEST(Economics, DamagedSheetValuesStopTheEconomicsWithAMessage) {
  struct Case {
    int row;
    double value;
    const char* caption;
  };
  const Case cases[] = {{kDiscount, -150, "Annual market discount rate"},
                        {kPeriod, 45, "Period of economic analysis"},
                        {kOtherInflation, -100, "Annual % increase in other fuel"}};
  for (const Case& c : cases) {
    ProjectState s = SimpleProject(kCashFlowChoice);
    s.SetParamValue(3, 1, c.row, c.value);
    RunEconomics(s);
    EXPECT_EQ(s.ErrorCode, kEconomicsErrorCode) << c.caption;
    EXPECT_NE(s.ErrorMessage.find(c.caption), std::string::npos) << s.ErrorMessage;
    EXPECT_EQ(s.Economics.Investment, 0);
    EXPECT_EQ(s.Economics.EconLevel, 0);
  }
}

TEST(Economics, CashFlowBeyondItsRangeIsRefused) {
  ProjectState s = SimpleProject(kCashFlowChoice);
  s.SetParamValue(3, 1, kFixedCost, 1e12);
  RunEconomics(s);
  EXPECT_EQ(s.ErrorCode, kEconomicsErrorCode);
  s = SimpleProject(kDetailed);  // the present worths alone are fine
  s.SetParamValue(3, 1, kFixedCost, 1e12);
  RunEconomics(s);
  EXPECT_EQ(s.ErrorCode, 0);
  EXPECT_DOUBLE_EQ(s.Economics.Investment, 1e12 + 1000);
}

TEST(Economics, EveryRunStartsFromNothing) {
  ProjectState s = SimpleProject(kCashFlowChoice);
  RunEconomics(s);
  s.SetParamValue(3, 1, kDetail, kBrief);
  RunEconomics(s);
  EXPECT_EQ(s.Economics.CashFlow[11][4], 0);
  EXPECT_EQ(s.Economics.MortgagePayment, 0);
}

TEST(Economics, ARunStopsAndSaysSoWhenTheEconomicsCannotBeCalculated) {
  ProjectState s = solmon::testing::SampleProject(0);
  s.SheetKind[3] = 1;
  solmon::testing::RecordingPrompts prompts;
  ASSERT_EQ(RunCalculation(s, false, prompts), RunOutcome::Completed);
  EXPECT_EQ(s.Economics.EconLevel, 2);
  EXPECT_GT(s.Economics.FirstYearFuelSavings, 0);
  s.SetParamValue(3, 1, kDiscount, -150);  // only a damaged project holds this
  EXPECT_EQ(RunCalculation(s, false, prompts), RunOutcome::Stopped);
  EXPECT_FALSE(s.ResultsValid);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].find("\"Annual market discount rate\" holds -150.0"),
            std::string::npos)
      << prompts.messages[0];
}

}  // namespace
}  // namespace solmon
