#include "core/report/economic_report.h"

#include <array>
#include <string>

#include "core/model/numbers.h"

namespace solmon {

namespace {

// Label and amount right edges, heading left edge.
struct Section {
  int label, amount, heading;
};
constexpr Section kSummary{200, 250, 60};
constexpr Section kCosts{150, 200, 30};
constexpr std::array<int, 9> kCashFlowPositions = {0, 3, 22, 90, 150, 210, 270, 330, 390};

std::string Dollars(double v) {
  return FormatValue(v, {DecStyle::FixedDecimal, 0});
}

class EconReport {
 public:
  EconReport(const EconomicsResults& e, ReportOutput& out) : e_(e), out_(out) {}
  void Draw();

 private:
  void Line(const std::string& label, double amount, bool showAmount = true) {
    out_.CheckBottom(1);
    out_.DrawRightAligned(out_.ColumnX(section_.label), label);
    if (showAmount) out_.DrawRightAligned(out_.ColumnX(section_.amount), Dollars(amount));
  }
  void Heading(int x, const std::string& text, TextFaceStyle face = TextFaceStyle::Bold) {
    out_.TextFace(face);
    out_.DrawLeftAligned(x, text);
    out_.TextFace(TextFaceStyle::Plain);
  }
  void Summary();
  void LifeCycleCosts();
  void Breakdown();
  void CashFlowTable();
  int CashFlowX(int position) const { return out_.ColumnX(kCashFlowPositions[position], 5, 4); }

  const EconomicsResults& e_;
  ReportOutput& out_;
  Section section_ = kSummary;
};

void EconReport::Summary() {
  out_.CheckBottom(1);
  const int s = out_.Printing() && out_.ScreenFontHeight > 0
                    ? out_.PrintJob->PrintLineHeight() / out_.ScreenFontHeight
                    : 1;
  Heading(out_.ColumnX(kSummary.heading) - 40 * s, "Economics Summary");
  Line("First Year Fuel Cost   $", e_.FirstYearFuelCost);
  Line("First Year Fuel Savings   $", e_.FirstYearFuelSavings);
  Line("Initial Investment   $", e_.Investment);
  Line("Life Cycle Savings   $", e_.LifeCycleSavings);
}

void EconReport::LifeCycleCosts() {
  out_.CheckBottom(2);
  Heading(out_.ColumnX(kSummary.heading), "Life Cycle Costs");
  section_ = kCosts;
  Line("Fuel   $", e_.FuelPW);
  Line("Equipment   $", e_.EquipmentPW);
  Line("Total   $", e_.LifeCycleCost);
}

void EconReport::Breakdown() {
  out_.CheckBottom(2);
  Heading(out_.ColumnX(kCosts.heading - 10), "Breakdown of Equipment Costs");
  out_.CheckBottom(1);
  Heading(out_.ColumnX(kCosts.heading), "Expenses", TextFaceStyle::Underlined);
  Line("Down Payment   $", e_.DownPayment);
  Line("Mortgage   $", e_.MortgagePW);
  Line("Maint. & Ins.   $", e_.MaintInsPW);
  Line("Property Tax   $", e_.PropertyTaxPW);
  out_.CheckBottom(1);
  Heading(out_.ColumnX(kCosts.heading), "Credits", TextFaceStyle::Underlined);
  Line("Interest   $", e_.InterestPW);
  Line("Depreciation   $", e_.DepreciationPW);
  Line("Resale   $", e_.ResalePW);
  Line("Tax Credits   $", e_.TaxCredits);
}

void EconReport::CashFlowTable() {
  out_.CheckBottom(1);
  Heading(out_.ColumnX(140), "Annual Cash Position");
  static const char* const kLine1[] = {"", "Maint", "Prop", "Energy", "Tax", "Net", "Present"};
  static const char* const kLine2[] = {"& Ins", "Tax", "Cost", "Savings", "Savings", "Worth"};
  out_.CheckBottom(1);
  for (int p = 2; p <= 8; ++p) out_.DrawRightAligned(CashFlowX(p), kLine1[p - 2]);
  out_.CheckBottom(1);
  out_.DrawLeftAligned(CashFlowX(1), "Year");
  for (int p = 3; p <= 8; ++p) out_.DrawRightAligned(CashFlowX(p), kLine2[p - 3], 2);
  out_.CheckBottom(1);
  for (int p = 3; p <= 8; ++p) out_.DrawRightAligned(CashFlowX(p), "[$]", 4);
  out_.Y += 4;
  const int N = e_.Period;
  for (int r = 0; r <= N + 1 && r < kCashFlowRows; ++r) {
    out_.CheckBottom(1);
    if (r == N) out_.TextFace(TextFaceStyle::Underlined);
    out_.DrawRightAligned(CashFlowX(2), r <= N ? std::to_string(r) : "Tot");
    for (int c = 0; c < kCashFlowColumns; ++c)
      out_.DrawRightAligned(CashFlowX(c + 3), std::to_string(e_.CashFlow[r][c]));
    out_.TextFace(TextFaceStyle::Plain);
  }
}

void EconReport::Draw() {
  const int level = e_.EconLevel;
  Summary();
  if (level == 1) {
    Line("Life Cycle Cost   $", e_.LifeCycleCost);
    return;
  }
  if (level == 4) {
    Line("Down Payment - Tax Credit   $", e_.DownLessCredit);
    if (e_.MortgageTerm > 0)
      Line(std::to_string(e_.MortgageTerm) + " Year Mortgage Payment   $", e_.MortgagePayment);
    Line("Resale Value   $", e_.ResaleValue);
    // A period of no years has no annual payment: the label stands alone.
    Line("Annualized Payment   $", e_.AnnualizedPayment, e_.AnnualizedPaymentDefined);
  }
  if (level >= 2 && level <= 4) LifeCycleCosts();
  if (level == 3 || level == 4) Breakdown();
  out_.CheckBottom(1);
  if (level == 4) CashFlowTable();
}

}  // namespace

void DisplayEcon(const ProjectState& s, ReportOutput& out) {
  out.TextFace(TextFaceStyle::Plain);
  EconReport(s.Economics, out).Draw();
}

}  // namespace solmon
