#pragma once
// What a run produces: the monthly and annual figures every system model
// writes, and the economics. Reports, the multi-location file and plots read
// them.

#include <array>
#include <cstdint>

namespace solmon {

constexpr double kNoValue = -999;  // a result field without a value; reports leave it blank
constexpr int kYearRecord = 13;
constexpr int kResultFields = 6;

// [record 1..13][field 1..6]; index 0 of each is unused. Records 1..12 are
// January..December, 13 the year. Field meanings by system kind:
//   1, 2, 3: Solar Heat Dhw Aux f      4, 5: Solar Load Aux f
//   6: Q_Coll Q_Pool Load Aux f Pool_T 7: Solar Load QTank Aux f
//   8: Solar Load Loss Aux f           9: Solar Dhw Aux f
// Energies in GJ (SI) or 10^6 Btu (English).
using MonthlyResultTable = std::array<std::array<double, kResultFields + 1>, kYearRecord + 1>;

struct ThermalResults {
  MonthlyResultTable MonthlyResults{};
  double FuelCostSolar = 0;
  double FuelCostNoSolar = 0;
  double CollectorArea = 0;
  std::int16_t Fuel = 0;  // 1 electricity, 2 natural gas, 3 fuel oil, 4 other
  // Integral collector-storage only: kept for the report.
  double ICSOpticalEfficiency = 0;
  double ICSLossCoefficient = 0;
};

constexpr int kCashFlowRows = 41;
constexpr int kCashFlowColumns = 6;  // MI, PT, FS, TS, NS, PW

struct EconomicsResults {
  int EconLevel = 0;  // 2 brief, 3 detailed, 4 cash flow
  double Investment = 0;
  double FirstYearFuelCost = 0;
  double FirstYearFuelSavings = 0;
  double FuelPW = 0;
  double EquipmentPW = 0;
  double LifeCycleCost = 0;
  double LifeCycleSavings = 0;
  double DownPayment = 0, MortgagePW = 0, MaintInsPW = 0, PropertyTaxPW = 0, InterestPW = 0,
         DepreciationPW = 0, ResalePW = 0, TaxCredits = 0;
  // Cash-flow level only.
  double DownLessCredit = 0, MortgagePayment = 0, ResaleValue = 0, AnnualizedPayment = 0;
  bool AnnualizedPaymentDefined = true;  // false for a period of 0 years
  std::array<std::array<std::int32_t, kCashFlowColumns>, kCashFlowRows> CashFlow{};  // rows 0..N+1
  int Period = 0;  // N, the rounded period of the analysis
  int MortgageTerm = 0;  // Nm, the rounded term of the mortgage
};

}  // namespace solmon
