// The year-by-year cash-flow table of the most detailed economics level.

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/calc/economics.h"
#include "core/calc/economics_inputs.h"
#include "core/model/numbers.h"

namespace solmon {

namespace {

// One escalating cost, kept one step below the coming year's value.
struct Series {
  double value;
  double growth;  // percent per year
  double Next() { return value *= 1 + growth / 100; }
};

// The mortgage balance year by year.
struct Loan {
  double balance;
  double payment;
  double rate;  // percent
  // The year's payment and interest; a balance below one dollar ends the loan.
  void Year(double& paid, double& interest) {
    paid = payment;
    interest = balance * rate / 100;
    balance = (1 + rate / 100) * balance - payment;
    if (balance < 1) {
      balance = 0;
      payment = 0;
    }
  }
};

double Depreciation(const EconomicsInputs& in, int y) {
  if (!in.commercial) return 0;
  // Straight line spreads the investment over the analysis period, as its
  // present worth does; otherwise the schedule of the first ten years.
  if (in.straightLine) return in.investment / in.period;
  return y <= 10 ? in.schedule[y] / 100 * in.investment : 0;
}

bool ToCell(double v, std::int32_t& cell) {
  const double rounded = RoundHalfEven(v);
  if (!(std::fabs(rounded) <= std::numeric_limits<std::int32_t>::max())) return false;
  cell = static_cast<std::int32_t>(rounded);
  return true;
}

}  // namespace

std::string BuildCashFlow(const EconomicsInputs& in, EconomicsResults& r) {
  const double I = in.investment, t = in.taxRate, u = in.fuelUnits;
  const int N = in.period;
  if (N < 0 || N + 1 >= kCashFlowRows)
    return "The economics cannot be calculated: the cash flow covers at most 39 years.";
  r.DownLessCredit = in.downPayment * I / 100 - r.TaxCredits;
  const double annuity = PresentWorthFactor(N, 0, in.discount);
  r.AnnualizedPaymentDefined = annuity != 0;
  r.AnnualizedPayment = r.AnnualizedPaymentDefined ? r.LifeCycleCost / annuity : 0;

  // Without a term there is no loan: no payment and no interest.
  Loan loan{in.term != 0 ? (1 - in.downPayment / 100) * I : 0, 0, in.mortgageRate};
  if (in.term != 0) loan.payment = loan.balance / PresentWorthFactor(in.term, 0, in.mortgageRate);
  r.MortgagePayment = loan.payment;
  r.ResaleValue = in.resale * I / 100;
  Series maint{I * in.maintIns / 100 / (1 + in.maintInsIncrease / 100), in.maintInsIncrease};
  Series tax{I * in.propertyTax / 100 / (1 + in.propertyTaxIncrease / 100), in.propertyTaxIncrease};
  Series fuelSolar{u * in.costSolar / (1 + in.fuelInflation / 100), in.fuelInflation};
  Series fuelNoSolar{u * in.costNoSolar * in.taxFactor / (1 + in.fuelInflation / 100),
                     in.fuelInflation};

  std::array<double, kCashFlowColumns> totals{};
  for (int y = 0; y <= N; ++y) {
    std::array<double, kCashFlowColumns> row{};  // MI, PT, FS, TS, NS, PW
    double paid = 0, FN = 0;
    if (y == 0) {
      row[3] = r.TaxCredits;
    } else {
      row[0] = maint.Next();
      row[1] = tax.Next();
      row[2] = fuelSolar.Next();
      FN = fuelNoSolar.Next();
      double interest = 0;
      loan.Year(paid, interest);
      double DP = Depreciation(in, y);
      if (y == N && in.commercial) DP -= r.ResaleValue;
      row[3] = t / 100 * (interest + row[1] + DP + (in.commercial ? row[2] + row[0] : 0));
    }
    row[4] = FN - row[0] - row[1] - row[2] + row[3] - paid;
    if (y == N) row[4] += r.ResaleValue;
    if (y == 0) row[4] -= in.downPayment * I / 100;
    row[5] = row[4] / PowerOf(y, 1 + in.discount / 100);
    for (int c = 0; c < kCashFlowColumns; ++c) {
      totals[c] += row[c];
      if (!ToCell(row[c], r.CashFlow[y][c]))
        return "The economics cannot be calculated: the cash flow holds amounts beyond its range.";
    }
  }
  for (int c = 0; c < kCashFlowColumns; ++c)
    if (!ToCell(totals[c], r.CashFlow[N + 1][c]))
      return "The economics cannot be calculated: the cash flow holds amounts beyond its range.";
  return {};
}

}  // namespace solmon
