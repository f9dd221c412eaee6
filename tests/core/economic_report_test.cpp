#include "core/report/economic_report.h"

#include <gtest/gtest.h>

#include "../support/report_recorder.h"

namespace solmon {
namespace {

using solmon::testing::ClipboardForm;
using solmon::testing::CopiedText;
using solmon::testing::DrawnString;
using solmon::testing::RecordingCanvas;

ProjectState EconProject(int level) {
  ProjectState s;
  s.SheetKind = {0, 2, 1, 1};
  EconomicsResults& e = s.Economics;
  e.EconLevel = level;
  e.FirstYearFuelCost = 1234.4;
  e.FirstYearFuelSavings = 567.5;
  e.Investment = 8000;
  e.LifeCycleSavings = -1520.6;
  e.LifeCycleCost = 20345;
  e.FuelPW = 12345;
  e.EquipmentPW = 8000.2;
  e.DownPayment = 1600;
  e.MortgagePW = 5200;
  e.MaintInsPW = 900;
  e.PropertyTaxPW = 700;
  e.InterestPW = 1100;
  e.DepreciationPW = 0;
  e.ResalePW = 250;
  e.TaxCredits = 1050;
  e.DownLessCredit = 550;
  e.MortgagePayment = 812.25;
  e.ResaleValue = 2400;
  e.AnnualizedPayment = 2072;
  e.Period = 2;
  e.MortgageTerm = 20;
  e.CashFlow[0] = {0, 0, 0, 1050, -550, -550};
  e.CashFlow[1] = {90, 70, 1300, 400, 1210, 1120};
  e.CashFlow[2] = {93, 71, 1365, 410, 3900, 3343};
  e.CashFlow[3] = {183, 141, 2665, 1860, 4560, 3913};
  return s;
}

std::string Copy(const ProjectState& s) {
  ReportOutput out;
  return CopiedText(out, [&](ReportOutput& o) { DisplayEcon(s, o); });
}

const char* const kSummary = R"(
Economics Summary|
First Year Fuel Cost   $|1234|
First Year Fuel Savings   $|568|
Initial Investment   $|8000|
Life Cycle Savings   $|-1521|)";

// "Two lines down" ends one text line: the copy has no blank line there.
const char* const kLifeCycleCosts = R"(
Life Cycle Costs|
Fuel   $|12345|
Equipment   $|8000|
Total   $|20345|)";

const char* const kBreakdown = R"(
Breakdown of Equipment Costs|
Expenses|
Down Payment   $|1600|
Mortgage   $|5200|
Maint. & Ins.   $|900|
Property Tax   $|700|
Credits|
Interest   $|1100|
Depreciation   $|0|
Resale   $|250|
Tax Credits   $|1050|)";

TEST(EconomicReport, LevelOneEndsWithTheLifeCycleCost) {
  EXPECT_EQ(Copy(EconProject(1)), ClipboardForm(std::string(kSummary) + R"(
Life Cycle Cost   $|20345|)"));
}

TEST(EconomicReport, BriefShowsTheLifeCycleCostsButNoLifeCycleCostLine) {
  EXPECT_EQ(Copy(EconProject(2)), ClipboardForm(std::string(kSummary) + kLifeCycleCosts + "\n"));
}

TEST(EconomicReport, DetailedAddsTheBreakdown) {
  EXPECT_EQ(Copy(EconProject(3)),
            ClipboardForm(std::string(kSummary) + kLifeCycleCosts + kBreakdown + "\n"));
}

TEST(EconomicReport, CashFlowLevelAddsTheLoanAndTheTable) {
  EXPECT_EQ(Copy(EconProject(4)), ClipboardForm(std::string(kSummary) + R"(
Down Payment - Tax Credit   $|550|
20 Year Mortgage Payment   $|812|
Resale Value   $|2400|
Annualized Payment   $|2072|)" + kLifeCycleCosts +
                                                kBreakdown + R"(

Annual Cash Position|
|Maint|Prop|Energy|Tax|Net|Present|
Year|& Ins|Tax|Cost|Savings|Savings|Worth|
[$]|[$]|[$]|[$]|[$]|[$]|
0|0|0|0|1050|-550|-550|
1|90|70|1300|400|1210|1120|
2|93|71|1365|410|3900|3343|
Tot|183|141|2665|1860|4560|3913|)"));
}

TEST(EconomicReport, NoTermAndNoPeriodLeaveOutTheirAmounts) {
  ProjectState s = EconProject(4);
  s.Economics.MortgageTerm = 0;
  s.Economics.Period = 0;
  s.Economics.AnnualizedPaymentDefined = false;
  s.Economics.CashFlow[1] = s.Economics.CashFlow[0];
  const std::string text = Copy(s);
  EXPECT_EQ(text.find("Year Mortgage Payment"), std::string::npos);
  EXPECT_NE(text.find(ClipboardForm("\nResale Value   $|2400|\nAnnualized Payment   $|\n")),
            std::string::npos);
  EXPECT_TRUE(
      text.ends_with(ClipboardForm("\n0|0|0|0|1050|-550|-550|\nTot|0|0|0|1050|-550|-550|")));
}

TEST(EconomicReport, DrawsLabelsAmountsAndTheUnderlinedLastYear) {
  const ProjectState s = EconProject(4);
  RecordingCanvas canvas;
  ReportOutput out;
  PaintReport(out, canvas, [&](ReportOutput& o) { DisplayEcon(s, o); });
  const DrawnString* title = canvas.Find("Economics Summary");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->x, 60 + 5 - 40);
  EXPECT_EQ(title->face, TextFaceStyle::Bold);
  const DrawnString* label = canvas.Find("Initial Investment   $");
  const DrawnString* amount = canvas.Find("8000");
  ASSERT_TRUE(label && amount);
  EXPECT_EQ(label->x + 22 * 7, 205);
  EXPECT_EQ(amount->x + 4 * 7, 255);
  EXPECT_EQ(amount->y, label->y);
  EXPECT_EQ(canvas.Find("Fuel   $")->x + 8 * 7, 155);  // the second column set
  EXPECT_EQ(canvas.Find("Expenses")->face, TextFaceStyle::Underlined);
  EXPECT_EQ(canvas.Find("Expenses")->x, 35);
  EXPECT_EQ(canvas.Find("Breakdown of Equipment Costs")->x, 25);
  // Cash-flow columns: "Present" right-aligned at 390 + 5, the [$] line 4 up.
  EXPECT_EQ(canvas.Find("Present")->x + 7 * 7, 395);
  EXPECT_EQ(canvas.Find("[$]")->y + 4, canvas.Find("Worth")->y + 2 + 17);
  EXPECT_EQ(canvas.Find("3343")->face, TextFaceStyle::Underlined);  // row N
  EXPECT_EQ(canvas.Find("Tot")->face, TextFaceStyle::Plain);
  EXPECT_EQ(canvas.Find("Tot")->y, canvas.Find("3343")->y + 17);
}

}  // namespace
}  // namespace solmon
