#include "core/calc/economics.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/calc/economics_inputs.h"
#include "core/model/numbers.h"

namespace solmon {

namespace {

// Step 11: what the depreciation of a commercial system saves, per dollar
// invested and per unit of tax rate.
double DepreciationFactor(const EconomicsInputs& in) {
  if (!in.commercial) return 0;
  if (in.straightLine)  // over the analysis period; no period, no depreciation
    return in.period > 0 ? PresentWorthFactor(in.period, 0, in.discount) / in.period : 0;
  double factor = 0;
  for (int y = 1; y <= 10; ++y)
    factor += (in.schedule[y] / 100) / PowerOf(y, 1 + in.discount / 100);
  return factor;
}

// Steps 2 to 13.
void PresentWorths(const EconomicsInputs& in, EconomicsResults& r) {
  const double I = in.investment;
  const double d = in.discount, m = in.mortgageRate, t = in.taxRate, tf = in.taxFactor;
  const int N = in.period, Nm = in.term;
  const double PF = PresentWorthFactor(N, in.fuelInflation, d) * tf;
  const double f = in.downPayment / 100;
  const int Nmin = Nm < N ? Nm : N;
  const double P2 = PresentWorthFactor(Nmin, 0, d);
  const double P3 = PresentWorthFactor(Nm, 0, m);
  const double P4 = PresentWorthFactor(Nmin, m, d);
  if (P3 != 0) {
    r.MortgagePW = (1 - f) * P2 / P3 * I;
    r.InterestPW = (1 - f) * (t / 100) * ((m / 100 - 1 / P3) * P4 + P2 / P3) * I;
  }
  r.MaintInsPW = tf * in.maintIns * PresentWorthFactor(N, in.maintInsIncrease, d) / 100 * I;
  r.PropertyTaxPW =
      (1 - t / 100) * in.propertyTax * PresentWorthFactor(N, in.propertyTaxIncrease, d) / 100 * I;
  r.ResalePW = (in.resale / 100) * tf / PowerOf(N, 1 + d / 100) * I;
  const double C1 = std::min(I, in.tier1);
  const double C2 = std::min(std::max(I - in.tier1, 0.0), std::max(in.tier2 - in.tier1, 0.0));
  r.TaxCredits = (in.credit1 * C1 + in.credit2 * C2) / 100;
  r.DepreciationPW = DepreciationFactor(in) * I * t / 100;
  r.DownPayment = f * I;
  r.EquipmentPW = r.DownPayment + r.MortgagePW - r.InterestPW + r.MaintInsPW + r.PropertyTaxPW -
                  r.DepreciationPW - r.ResalePW - r.TaxCredits;
  if (in.fuelUnits == 0) return;  // no fuel: no fuel results
  const double u = in.fuelUnits;
  r.FirstYearFuelCost = in.costSolar * u;
  r.FirstYearFuelSavings = (in.costNoSolar - in.costSolar) * u;
  r.FuelPW = in.costSolar * u * PF;
  r.LifeCycleSavings = (in.costNoSolar - in.costSolar) * PF * u - r.EquipmentPW;
  r.LifeCycleCost = r.EquipmentPW + r.FuelPW;
}

bool AllFinite(const EconomicsResults& r) {
  const double values[] = {
      r.Investment,      r.FirstYearFuelCost, r.FirstYearFuelSavings, r.FuelPW,
      r.EquipmentPW,     r.LifeCycleCost,     r.LifeCycleSavings,     r.DownPayment,
      r.MortgagePW,      r.MaintInsPW,        r.PropertyTaxPW,        r.InterestPW,
      r.DepreciationPW,  r.ResalePW,          r.TaxCredits,           r.DownLessCredit,
      r.MortgagePayment, r.ResaleValue,       r.AnnualizedPayment};
  return std::all_of(std::begin(values), std::end(values),
                     [](double v) { return std::isfinite(v); });
}

std::string Compute(const EconomicsInputs& in, EconomicsResults& r) {
  r.EconLevel = in.level;
  r.Period = in.period;
  r.MortgageTerm = in.term;
  r.Investment = in.investment;
  if (in.level == 0) return {};
  PresentWorths(in, r);
  if (in.level == 4 && in.fuelUnits != 0)
    if (std::string problem = BuildCashFlow(in, r); !problem.empty()) return problem;
  if (!AllFinite(r))
    return "The economics cannot be calculated: the amounts exceed the range of numbers.";
  return {};
}

}  // namespace

double PresentWorthFactor(double n, double i, double d) {
  if (i == d) return n / (1 + i / 100);
  return 100 * (1 - PowerOf(n, (1 + i / 100) / (1 + d / 100))) / (d - i);
}

void RunEconomics(ProjectState& s) {
  s.Economics = EconomicsResults{};
  EconomicsInputs in;
  std::string problem = ReadEconomicsInputs(s, in);
  if (problem.empty()) problem = Compute(in, s.Economics);
  if (problem.empty()) return;
  s.Economics = EconomicsResults{};
  s.ErrorCode = kEconomicsErrorCode;
  s.ErrorMessage = problem;
}

}  // namespace solmon
