#include "core/report/sheet_report.h"

#include <gtest/gtest.h>

#include <sstream>

#include "../support/report_recorder.h"
#include "../support/sample_project.h"

namespace solmon {
namespace {

using testing::ClipboardForm;
using testing::CopiedText;

class SheetReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FillSampleProject(s);
    s.SheetKind[1] = 9;
    s.SetParamValue(1, 9, 11, 3.5);
    sheet = std::make_unique<SheetModel>(s, 1);
    MonthlyDialogData d = sheet->OpenMonthly(5);
    for (int k = 1; k <= 12; ++k) d.Entries[k] = std::to_string(100 + k);
    ASSERT_TRUE(sheet->AcceptMonthly(5, d.Entries).ok());
    sheet->ChoiceChanged(9, 1);  // no pipe losses: rows 10 and 11 are left out
  }
  void Render(ReportOutput& o) { DisplaySheet(*sheet, "Active Domestic Hot Water System", o); }
  ProjectState s;
  std::unique_ptr<SheetModel> sheet;
  ReportOutput out;
};

TEST_F(SheetReportTest, ClipboardTextListsEnabledRowsAndTheMonthlyValues) {
  const std::string expected = ClipboardForm(
      "Active Domestic Hot Water System\n"
      "Location|MADISON WI|\n"
      "Water volume / collector area|75.00|liters/m^2\n"
      "Fuel|Elec|\n"
      "Efficiency of fuel usage|50.00|%\n"
      "Daily hot water usage|Monthly|liters\n"
      "101.0  102.0  103.0  104.0  105.0  106.0  107.0  108.0  109.0  110.0  111.0  112.0  "
      "Water set temperature|10.0|C\n"
      "Environmental temperature|10.0|C\n"
      "UA of auxiliary storage tank|10.00|W/C\n"
      "Pipe heat loss|No|\n"
      "Collector-store heat exchanger|Yes|\n"
      "    Tank-side flowrate/area|10.000|kg/sec-m^2\n"
      "    Heat exchanger effectiveness|0.50|\n");
  EXPECT_EQ(CopiedText(out, [this](ReportOutput& o) { Render(o); }), expected);
}

TEST_F(SheetReportTest, TextFileEndsEveryCellWithATab) {
  std::ostringstream file;
  WriteReportFile(out, file, [this](ReportOutput& o) { Render(o); });
  const std::string text = file.str();
  EXPECT_EQ(text.substr(0, 34), "Active Domestic Hot Water System\r\n");
  EXPECT_NE(text.find("Efficiency of fuel usage\t50.00\t%\t\r\n"), std::string::npos);
  EXPECT_NE(text.find("liters\t\r\n101.0  102.0  "), std::string::npos);
}

TEST_F(SheetReportTest, OnACanvasValuesStandInBoxesAndEntriesOnTheirOwnLines) {
  testing::RecordingCanvas canvas;
  PaintReport(out, canvas, [this](ReportOutput& o) { Render(o); });
  const testing::DrawnString* title = canvas.Find("Active Domestic Hot Water System");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->face, TextFaceStyle::Bold);
  const testing::DrawnString* value = canvas.Find("Monthly");
  const testing::DrawnString* caption = canvas.Find("Daily hot water usage");
  ASSERT_NE(value, nullptr);
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(value->y, caption->y);
  EXPECT_EQ(value->x, 320 + 5 + 2);
  const testing::DrawnString* jan = canvas.Find("101.0  ");
  ASSERT_NE(jan, nullptr);
  EXPECT_GT(jan->y, caption->y);
  EXPECT_EQ(jan->x, 10 + 5);
  EXPECT_EQ(canvas.Find("     Inlet pipe UA"), nullptr);  // disabled
  EXPECT_EQ(canvas.Find("112.0  ")->y > jan->y, true);    // the entries wrap
}

}  // namespace
}  // namespace solmon
