#include "core/report/thermal_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <sstream>

#include "../support/report_recorder.h"

namespace solmon {
namespace {

using solmon::testing::ClipboardForm;
using solmon::testing::CopiedText;
using solmon::testing::DrawnString;
using solmon::testing::RecordingCanvas;
using Record = std::array<double, kResultFields>;

constexpr double X = kNoValue;

ProjectState Project(int kind, int units) {
  ProjectState s;
  s.SheetKind = {0, static_cast<std::int16_t>(kind), 1, 0};
  s.UnitSystem = static_cast<std::uint8_t>(units);
  return s;
}

void SetRecord(ProjectState& s, int record, const Record& r) {
  for (int f = 1; f <= kResultFields; ++f) s.Results.MonthlyResults[record][f] = r[f - 1];
}

// Every month the same record, and the year.
void Fill(ProjectState& s, const Record& month, const Record& year) {
  for (int m = 1; m <= 12; ++m) SetRecord(s, m, month);
  SetRecord(s, kYearRecord, year);
}

struct ThermalCase {
  const char* name;
  int kind;
  int units;
  std::function<void(ProjectState&)> results;
  const char* expected;
};

std::ostream& operator<<(std::ostream& os, const ThermalCase& c) {
  return os << c.name;
}

class ThermalClipboard : public ::testing::TestWithParam<ThermalCase> {};

TEST_P(ThermalClipboard, CopiesTheTableCellByCell) {
  const ThermalCase& c = GetParam();
  ProjectState s = Project(c.kind, c.units);
  c.results(s);
  ReportOutput out;
  EXPECT_EQ(CopiedText(out, [&](ReportOutput& o) { DisplayThermal(s, o); }),
            ClipboardForm(c.expected));
}

const ThermalCase kThermalCases[] = {
    // Decimals by the largest month: Solar below 10 gets 3, Heat 12.5 gets 2,
    // Dhw exactly 10 gets 2, Aux 150.25 gets 1; f always 3.
    {"PebbleBedDecimals", 1, 0,
     [](ProjectState& s) {
       Fill(s, {4, 5, 5, 20, 0.5, 0}, {42.5, 75.5, 72, 380.25, 0.25, 0});
       SetRecord(s, 1, {1.5, 12.5, 10, 150.25, 0.1, 0});
       SetRecord(s, 2, {2, 10, 9, 100, 0.2, 0});
       SetRecord(s, 3, {3, 8, 8, 50, 0.3, 0});
     },
     R"(
|Solar|Heat|Dhw|Aux|f  |
|[GJ]|[GJ]|[GJ]|[GJ]|[  ]  |
Jan|1.500|12.50|10.00|150.3|0.100|
Feb|2.000|10.00|9.00|100.0|0.200|
Mar|3.000|8.00|8.00|50.0|0.300|
Apr|4.000|5.00|5.00|20.0|0.500|
May|4.000|5.00|5.00|20.0|0.500|
Jun|4.000|5.00|5.00|20.0|0.500|
Jul|4.000|5.00|5.00|20.0|0.500|
Aug|4.000|5.00|5.00|20.0|0.500|
Sep|4.000|5.00|5.00|20.0|0.500|
Oct|4.000|5.00|5.00|20.0|0.500|
Nov|4.000|5.00|5.00|20.0|0.500|
Dec|4.000|5.00|5.00|20.0|0.500|
Year|42.500|75.50|72.00|380.3|0.250|)"},
    // English units: the unit heading is copied whole; 1000 gets no decimals.
    {"WaterStorageEnglish", 2, 1,
     [](ProjectState& s) {
       Fill(s, {0.5, 20.25, 3, 1000, 0.45678, 0}, {6, 243, 36, 12000, 0.5, 0});
     },
     R"(
|Solar|Heat|Dhw|Aux|f  |
|[10^6 Btu]|[10^6 Btu]|[10^6 Btu]|[10^6 Btu]|[  ]  |
Jan|0.500|20.25|3.000|1000|0.457|
Feb|0.500|20.25|3.000|1000|0.457|
Mar|0.500|20.25|3.000|1000|0.457|
Apr|0.500|20.25|3.000|1000|0.457|
May|0.500|20.25|3.000|1000|0.457|
Jun|0.500|20.25|3.000|1000|0.457|
Jul|0.500|20.25|3.000|1000|0.457|
Aug|0.500|20.25|3.000|1000|0.457|
Sep|0.500|20.25|3.000|1000|0.457|
Oct|0.500|20.25|3.000|1000|0.457|
Nov|0.500|20.25|3.000|1000|0.457|
Dec|0.500|20.25|3.000|1000|0.457|
Year|6.000|243.00|36.000|12000|0.500|)"},
    // A month without values keeps its name only; an empty cell writes no
    // cell at all; neither counts for the decimals.
    {"BuildingStorageEmptyCells", 3, 0,
     [](ProjectState& s) {
       Fill(s, {2, 4, 1, 3, 0.25, X}, {22, 44, 11, 33, 0.25, X});
       SetRecord(s, 3, {X, X, X, X, X, X});
       s.Results.MonthlyResults[7][3] = X;
     },
     R"(
|Solar|Heat|Dhw|Aux|f  |
|[GJ]|[GJ]|[GJ]|[GJ]|[  ]  |
Jan|2.000|4.000|1.000|3.000|0.250|
Feb|2.000|4.000|1.000|3.000|0.250|
Mar|
Apr|2.000|4.000|1.000|3.000|0.250|
May|2.000|4.000|1.000|3.000|0.250|
Jun|2.000|4.000|1.000|3.000|0.250|
Jul|2.000|4.000|3.000|0.250|
Aug|2.000|4.000|1.000|3.000|0.250|
Sep|2.000|4.000|1.000|3.000|0.250|
Oct|2.000|4.000|1.000|3.000|0.250|
Nov|2.000|4.000|1.000|3.000|0.250|
Dec|2.000|4.000|1.000|3.000|0.250|
Year|22.000|44.000|11.000|33.000|0.250|)"},
    {"DirectGain", 4, 0,
     [](ProjectState& s) {
       Fill(s, {5.5, 55.5, 50, 0.1, X, X}, {66, 666, 600, 0.1, X, X});
     },
     R"(
|Solar|Load|Aux|f  |
|[GJ]|[GJ]|[GJ]|[  ] |
Jan|5.500|55.50|50.00|0.100|
Feb|5.500|55.50|50.00|0.100|
Mar|5.500|55.50|50.00|0.100|
Apr|5.500|55.50|50.00|0.100|
May|5.500|55.50|50.00|0.100|
Jun|5.500|55.50|50.00|0.100|
Jul|5.500|55.50|50.00|0.100|
Aug|5.500|55.50|50.00|0.100|
Sep|5.500|55.50|50.00|0.100|
Oct|5.500|55.50|50.00|0.100|
Nov|5.500|55.50|50.00|0.100|
Dec|5.500|55.50|50.00|0.100|
Year|66.000|666.00|600.00|0.100|)"},
    {"StorageWallEnglish", 5, 1,
     [](ProjectState& s) {
       Fill(s, {12, 120, 108, 0.1, X, X}, {144, 1440, 1296, 0.1, X, X});
     },
     R"(
|Solar|Load|Aux|f  |
|[10^6 Btu]|[10^6 Btu]|[10^6 Btu]|[  ] |
Jan|12.00|120.0|108.0|0.100|
Feb|12.00|120.0|108.0|0.100|
Mar|12.00|120.0|108.0|0.100|
Apr|12.00|120.0|108.0|0.100|
May|12.00|120.0|108.0|0.100|
Jun|12.00|120.0|108.0|0.100|
Jul|12.00|120.0|108.0|0.100|
Aug|12.00|120.0|108.0|0.100|
Sep|12.00|120.0|108.0|0.100|
Oct|12.00|120.0|108.0|0.100|
Nov|12.00|120.0|108.0|0.100|
Dec|12.00|120.0|108.0|0.100|
Year|144.00|1440.0|1296.0|0.100|)"},
    // A season from November to March lists January first; June, outside
    // the season, does not count for the decimals. Pool T has 1 decimal.
    {"PoolSeasonOverTheYearEnd", 6, 0,
     [](ProjectState& s) {
       s.SetParamValue(1, 6, 4, 11);
       s.SetParamValue(1, 6, 5, 3);
       Fill(s, {3, 2.5, 8, 5, 0.375, 26.25}, {15, 12.5, 40, 25, 0.375, X});
       SetRecord(s, 6, {5000, 5000, 5000, 5000, 1, 5000});
     },
     R"(
|Q Coll|Q Pool|Load|Aux|f  |Pool T|
|[GJ]|[GJ]|[GJ]|[GJ]|[  ] |[C]|
Jan|3.000|2.500|8.000|5.000|0.375|26.3|
Feb|3.000|2.500|8.000|5.000|0.375|26.3|
Mar|3.000|2.500|8.000|5.000|0.375|26.3|
Nov|3.000|2.500|8.000|5.000|0.375|26.3|
Dec|3.000|2.500|8.000|5.000|0.375|26.3|
Year|15.000|12.500|40.000|25.000|0.375|)"},
    {"GeneralEnglish", 7, 1,
     [](ProjectState& s) {
       Fill(s, {1, 2, 0.5, 1.5, 0.25, X}, {12, 24, 6, 18, 0.25, X});
     },
     R"(
|Solar|Load|QTank|Aux|f  |
|[10^6 Btu]|[10^6 Btu]|[10^6 Btu]|[10^6 Btu]|[  ] |
Jan|1.000|2.000|0.500|1.500|0.250|
Feb|1.000|2.000|0.500|1.500|0.250|
Mar|1.000|2.000|0.500|1.500|0.250|
Apr|1.000|2.000|0.500|1.500|0.250|
May|1.000|2.000|0.500|1.500|0.250|
Jun|1.000|2.000|0.500|1.500|0.250|
Jul|1.000|2.000|0.500|1.500|0.250|
Aug|1.000|2.000|0.500|1.500|0.250|
Sep|1.000|2.000|0.500|1.500|0.250|
Oct|1.000|2.000|0.500|1.500|0.250|
Nov|1.000|2.000|0.500|1.500|0.250|
Dec|1.000|2.000|0.500|1.500|0.250|
Year|12.000|24.000|6.000|18.000|0.250|)"},
    // The months of use; every column with 2 decimals; the efficiency lines.
    {"IntegralCollectorStorage", 8, 0,
     [](ProjectState& s) {
       s.SetParamValue(1, 8, 19, 4);
       s.SetParamValue(1, 8, 20, 9);
       Fill(s, {1.234, 2.5, 0.125, 1.391, 0.444, X}, {7.404, 15, 0.75, 8.346, 0.444, X});
       s.Results.ICSOpticalEfficiency = 0.7;
       s.Results.ICSLossCoefficient = 4.125;
     },
     R"(
|Solar|Load|Loss|Aux|f  |
|[GJ]|[GJ]|[GJ]|[GJ]|[  ] |
Apr|1.23|2.50|0.13|1.39|0.44|
May|1.23|2.50|0.13|1.39|0.44|
Jun|1.23|2.50|0.13|1.39|0.44|
Jul|1.23|2.50|0.13|1.39|0.44|
Aug|1.23|2.50|0.13|1.39|0.44|
Sep|1.23|2.50|0.13|1.39|0.44|
Year|7.40|15.00|0.75|8.35|0.44|

Optical Efficiency = 0.70|
Energy Loss Coefficient = 4.13|)"},
    {"DomesticHotWater", 9, 0,
     [](ProjectState& s) {
       Fill(s, {0.75, 1.5, 0.75, 0.5, X, X}, {9, 18, 9, 0.5, X, X});
     },
     R"(
|Solar|Dhw|Aux|f  |
|[GJ]|[GJ]|[GJ]|[  ]  |
Jan|0.750|1.500|0.750|0.500|
Feb|0.750|1.500|0.750|0.500|
Mar|0.750|1.500|0.750|0.500|
Apr|0.750|1.500|0.750|0.500|
May|0.750|1.500|0.750|0.500|
Jun|0.750|1.500|0.750|0.500|
Jul|0.750|1.500|0.750|0.500|
Aug|0.750|1.500|0.750|0.500|
Sep|0.750|1.500|0.750|0.500|
Oct|0.750|1.500|0.750|0.500|
Nov|0.750|1.500|0.750|0.500|
Dec|0.750|1.500|0.750|0.500|
Year|9.000|18.000|9.000|0.500|)"},
};

INSTANTIATE_TEST_SUITE_P(Reports, ThermalClipboard, ::testing::ValuesIn(kThermalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ThermalReport, ClipboardLinesEndWithACarriageReturnAlone) {
  ProjectState s = Project(9, 0);
  Fill(s, {1, 1, 1, 1, X, X}, {12, 12, 12, 1, X, X});
  ReportOutput out;
  const std::string text = CopiedText(out, [&](ReportOutput& o) { DisplayThermal(s, o); });
  EXPECT_TRUE(text.starts_with("\r\tSolar\tDhw\tAux\tf  \t\r\t[GJ]\t")) << text;
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 15);  // 2 headings, 12 months, the year
  EXPECT_EQ(text.back(), '\t');
  EXPECT_EQ(out.Mode, OutputMode::Canvas);  // the copy restores the mode
}

TEST(ThermalReport, DrawsRightAlignedColumnsAndBoldMonthNames) {
  ProjectState s = Project(2, 0);
  Fill(s, {1.5, 2, 3, 4, 0.5, 0}, {18, 24, 36, 48, 0.5, 0});
  s.Results.MonthlyResults[2][4] = X;
  RecordingCanvas canvas;
  ReportOutput out;
  const ReportExtent extent =
      PaintReport(out, canvas, [&](ReportOutput& o) { DisplayThermal(s, o); });
  // Line advance 13 + 4; 3 more below the headings.
  const DrawnString* solar = canvas.Find("Solar");
  ASSERT_NE(solar, nullptr);
  EXPECT_EQ(solar->x, 125 - 35);
  EXPECT_EQ(solar->y, 17);
  EXPECT_EQ(solar->face, TextFaceStyle::Bold);
  const DrawnString* jan = canvas.Find("Jan");
  ASSERT_NE(jan, nullptr);
  EXPECT_EQ(jan->x, 15);
  EXPECT_EQ(jan->y, 3 * 17 + 3);
  EXPECT_EQ(jan->face, TextFaceStyle::Bold);
  const DrawnString* f = canvas.Find("0.500");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->x, 445 - 35);  // f is the fifth column
  EXPECT_EQ(f->face, TextFaceStyle::Plain);
  int febCells = 0;
  for (const auto& d : canvas.drawn) febCells += d.y == 4 * 17 + 3;
  EXPECT_EQ(febCells, 5);  // name and four values: the empty Aux cell is not drawn
  EXPECT_EQ(extent.height, 15 * 17 + 3 + 25);
  EXPECT_EQ(extent.width, 445 + 25);
}

TEST(ThermalReport, EnglishUnitHeadingRaisesTheSix) {
  ProjectState s = Project(9, 1);
  Fill(s, {1, 1, 1, 1, X, X}, {12, 12, 12, 1, X, X});
  RecordingCanvas canvas;
  ReportOutput out;
  PaintReport(out, canvas, [&](ReportOutput& o) { DisplayThermal(s, o); });
  // Aligned by "[106 Btu]" (9 characters) at 125; "6" at 3/4 size, raised
  // by 13 / 3; the rest after the full-size width of "6".
  const DrawnString* ten = canvas.Find("[10");
  const DrawnString* six = canvas.Find("6");
  const DrawnString* btu = canvas.Find(" Btu]");
  ASSERT_TRUE(ten && six && btu);
  EXPECT_EQ(ten->x, 125 - 63);
  EXPECT_EQ(ten->y, 34);
  EXPECT_EQ(six->x, 125 - 63 + 21);
  EXPECT_EQ(six->y, 34 - 4);
  EXPECT_EQ(six->size, 9);
  EXPECT_EQ(btu->x, 125 - 63 + 21 + 7);
  EXPECT_EQ(btu->size, 12);
  EXPECT_EQ(canvas.Find("[10^6 Btu]"), nullptr);
}

// A print job of 50-dot characters, 100-dot lines and a 225-dot margin.
class FakePrintJob : public PrintJobHooks {
 public:
  void AdvanceLines(int n) override {
    line += n;
    if (line >= 63) line = 6;
    ++calls;
  }
  int PrintLineNo() const override { return line; }
  int PrintLineHeight() const override { return 100; }
  int PrintCharWidth() const override { return 50; }
  int PageLeftMargin() const override { return 225; }
  int line = 5;
  int calls = 0;
};

TEST(ThermalReport, PrintsAtPrinterColumnsAndLines) {
  ProjectState s = Project(9, 0);
  Fill(s, {1, 1, 1, 1, X, X}, {12, 12, 12, 1, X, X});
  RecordingCanvas printer;
  FakePrintJob job;
  ReportOutput out;
  PrintReport(out, printer, job, [&](ReportOutput& o) { DisplayThermal(s, o); });
  EXPECT_EQ(job.calls, 15);
  const DrawnString* jan = printer.Find("Jan");
  ASSERT_NE(jan, nullptr);
  EXPECT_EQ(jan->x, 10 * 50 / 7 + 5 + 225);
  EXPECT_EQ(jan->y, 8 * 100);  // line 5 on, one per line; the 3 below the headings is lost
  const DrawnString* solar = printer.Find("Solar");
  EXPECT_EQ(solar->x, 120 * 50 / 7 + 5 + 225 - 35);
  EXPECT_EQ(out.PrintJob, nullptr);
}

TEST(ThermalReport, TextFileCellsEndWithTabsAndLinesWithCrLf) {
  ProjectState s = Project(4, 0);
  Fill(s, {1, 2, 3, 0.5, X, X}, {12, 24, 36, 0.5, X, X});
  ReportOutput out;
  std::ostringstream file;
  WriteReportFile(out, file, [&](ReportOutput& o) { DisplayThermal(s, o); });
  EXPECT_TRUE(file.str().starts_with(
      "\r\n\tSolar\tLoad\tAux\tf  \t\r\n\t[GJ]\t[GJ]\t[GJ]\t[  ] \t\r\nJan\t"));
  std::ostringstream broken;
  broken.setstate(std::ios::badbit);
  EXPECT_THROW(WriteReportFile(out, broken, [&](ReportOutput& o) { DisplayThermal(s, o); }),
               std::ios_base::failure);
  EXPECT_EQ(out.Mode, OutputMode::Canvas);
}

}  // namespace
}  // namespace solmon
