#include "core/weather/weather_grid.h"

#include <gtest/gtest.h>

#include "../support/weather_fixtures.h"
#include "core/model/units.h"
#include "core/weather/weather_file.h"

namespace solmon {
namespace {

using testing::MakeRecord;

// A location with different values in every month, so that misplaced
// values show.
ProjectState Project(int units = kEnglish) {
  ProjectState s;
  s.SheetKind[1] = 2;
  s.UnitSystem = static_cast<std::uint8_t>(units);
  LocationRecord r = MakeRecord("DENVER CO", 39.75);
  for (int m = 1; m <= 12; ++m) {
    r.HBar[m] = DoubleToReal6(800 + 100 * m);
    r.TAmb[m] = DoubleToReal6(20 + 5 * m);
    r.HumRatio[m] = DoubleToReal6(0.001 * m);
    r.TMains[m] = DoubleToReal6(40 + m);
    r.Reflect[m] = DoubleToReal6(0.2);
  }
  SetCurrentLocation(s, r);
  return s;
}

double Cell(const ProjectState& s, int r, int c) { return GridValue(s, r, c); }

TEST(WeatherGrid, HeadingsAndCellTexts) {
  EXPECT_EQ(GridHeading(1, 2, kSI), "[kJ/m^2]");
  EXPECT_EQ(GridHeading(1, 2, kEnglish), "[Btu/ft^2]");
  EXPECT_EQ(GridHeading(2, 2, kSI), "[\u00B0C]");
  EXPECT_EQ(GridHeading(6, 1, kEnglish), "\u00B0F-days");
  EXPECT_EQ(GridHeading(6, 2, kEnglish), "");
  EXPECT_EQ(GridHeading(5, 2, kSI), "");
  const ProjectState s = Project();
  EXPECT_EQ(GridCellText(s, 1, 1), "900");
  EXPECT_EQ(GridCellText(s, 1, 2), "25.0");
  EXPECT_EQ(GridCellText(s, 3, 3), "0.0030");
  EXPECT_EQ(GridCellText(s, 1, 5), "0.20");
  EXPECT_FALSE(GridColumnEditable(6));
}

TEST(WeatherGrid, TypedTemperatureRecomputesItsDegreeDaysAtOnce) {
  ProjectState s = Project();
  ProjectState expected = s;
  StoreReal6(expected.Location.TAmb[1], 70);
  ComputeDegreeDays(expected, 1, 65);
  EXPECT_EQ(SetGridCell(s, 1, 2, " 70 "), CellEdit::Changed);
  EXPECT_EQ(Cell(s, 1, 2), 70);
  EXPECT_EQ(Cell(s, 1, 6), Real6ToDouble(expected.DegDays[1]));
  EXPECT_NE(Cell(s, 1, 6), Cell(Project(), 1, 6));
  EXPECT_TRUE(s.Modified);
}

TEST(WeatherGrid, ClearedCellHoldsMinus999AndShowsBlank) {
  ProjectState s = Project();
  EXPECT_EQ(SetGridCell(s, 4, 1, "  "), CellEdit::Changed);
  EXPECT_EQ(Cell(s, 4, 1), -999);
  EXPECT_EQ(GridCellText(s, 4, 1), "");
  // A month without a temperature has no degree-days either.
  EXPECT_EQ(SetGridCell(s, 4, 2, ""), CellEdit::Changed);
  EXPECT_EQ(Cell(s, 4, 6), -999);
  EXPECT_EQ(GridCellText(s, 4, 6), "");
}

TEST(WeatherGrid, EditsThatStoreNothing) {
  ProjectState s = Project();
  StoreReal6(s.Location.HumRatio[2], 0.00234567);
  const ProjectState before = s;
  EXPECT_EQ(SetGridCell(s, 2, 3, "1.2.3"), CellEdit::Ignored);
  EXPECT_EQ(SetGridCell(s, 2, 3, "1e999"), CellEdit::Ignored);
  EXPECT_EQ(SetGridCell(s, 2, 6, "100"), CellEdit::NotEditable);
  EXPECT_EQ(SetGridCell(s, 0, 2, "100"), CellEdit::NotEditable);
  // Leaving a cell as shown keeps the value behind its rounded text.
  EXPECT_EQ(SetGridCell(s, 2, 3, "0.0023"), CellEdit::Unchanged);
  EXPECT_EQ(s.Location, before.Location);
  EXPECT_FALSE(s.Modified);
}

TEST(WeatherGrid, BaseTemperatureMovesEveryMonth) {
  ProjectState s = Project();
  const double january = Cell(s, 1, 6);
  EXPECT_FALSE(SetBaseTemperature(s, "sixty"));
  EXPECT_EQ(Cell(s, 1, 6), january);
  EXPECT_TRUE(SetBaseTemperature(s, "55"));
  EXPECT_EQ(Real6ToDouble(s.Location.DegDayBase), 55);
  EXPECT_LT(Cell(s, 1, 6), january);
}

TEST(WeatherGrid, CopyGivesTabsAndCrLfAndStopsAtTheLastColumn) {
  const ProjectState s = Project();
  EXPECT_EQ(GridCopyText(s, {1, 1, 3, 2}), "900\t25.0\r\n1000\t30.0\r\n1100\t35.0");
  const std::string wide = GridCopyText(s, {12, 5, 12, 9});
  EXPECT_EQ(wide, "0.20\t" + GridCellText(s, 12, 6));
}

struct PasteCase {
  const char* name;
  std::string text;
  int row, column;
  // Expected: cells (row, column, value) and cells that must keep their value.
  std::vector<std::tuple<int, int, double>> stored;
  std::vector<std::pair<int, int>> untouched;
};

class GridPaste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(GridPaste, StoresTheTokensWhereTheyBelong) {
  const PasteCase& p = GetParam();
  ProjectState s = Project();
  const ProjectState before = s;
  const PasteResult r = PasteIntoGrid(s, p.text, p.row, p.column);
  EXPECT_TRUE(r.ok) << r.message;
  for (const auto& [row, col, v] : p.stored) EXPECT_EQ(Cell(s, row, col), v) << row << "," << col;
  for (const auto& [row, col] : p.untouched)
    EXPECT_EQ(Cell(s, row, col), Cell(before, row, col)) << row << "," << col;
  EXPECT_TRUE(s.Modified);
}

std::string Lines(int n, const std::string& end) {
  std::string t;
  for (int i = 1; i <= n; ++i) t += std::to_string(i) + end;
  return t;
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, GridPaste,
    ::testing::Values(
        PasteCase{"LfAlone", "1\t2\n3\t4\n", 1, 1, {{1, 1, 1}, {1, 2, 2}, {2, 1, 3}, {2, 2, 4}},
                  {{3, 1}, {1, 3}}},
        PasteCase{"CrLf", "1\t2\r\n3\t4\r\n", 1, 1, {{1, 1, 1}, {1, 2, 2}, {2, 1, 3}, {2, 2, 4}},
                  {{3, 1}, {1, 3}}},
        PasteCase{"NoLineEnd", "7\t8", 5, 3, {{5, 3, 7}, {5, 4, 8}}, {{5, 2}, {5, 5}, {6, 3}}},
        // Columns 1..5 stored, the sixth value skipped, the seventh dropped.
        PasteCase{"ThreeBySeven",
                  "1\t2\t3\t4\t5\t6\t7\r\n11\t12\t13\t14\t15\t16\t17\r\n21\t22\t23\t24\t25\t26\t27\r\n",
                  1,
                  1,
                  {{1, 1, 1}, {1, 5, 5}, {2, 1, 11}, {2, 5, 15}, {3, 1, 21}, {3, 4, 24}},
                  {{4, 1}}},
        PasteCase{"FourteenLines", Lines(14, "\r\n"), 1, 1, {{1, 1, 1}, {12, 1, 12}}, {{1, 2}}},
        PasteCase{"FromTheHeadings", "5\n6", 0, 0, {{1, 1, 5}, {2, 1, 6}}, {}},
        PasteCase{"StartColumnOnEveryLine", "1\t2\n3\t4", 7, 4,
                  {{7, 4, 1}, {7, 5, 2}, {8, 4, 3}, {8, 5, 4}}, {{8, 1}, {8, 3}}},
        PasteCase{"EmptyTokenClears", "1\t\t3\n", 2, 1, {{2, 1, 1}, {2, 2, -999}, {2, 3, 3}},
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WeatherGrid, PasteStopsAtTheFirstBadTokenKeepingWhatCameBefore) {
  ProjectState s = Project();
  const ProjectState before = s;
  const PasteResult r = PasteIntoGrid(s, "40\t0.005\r\n41\tx\t9\r\n42\r\n", 1, 2);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Unexpected character in row 2 column 3");
  EXPECT_EQ(Cell(s, 1, 2), 40);
  EXPECT_EQ(Cell(s, 2, 2), 41);
  EXPECT_EQ(Cell(s, 2, 3), Cell(before, 2, 3));
  EXPECT_EQ(Cell(s, 3, 2), Cell(before, 3, 2));
  // The degree-days follow the temperatures pasted before the stop.
  EXPECT_NE(Cell(s, 1, 6), Cell(before, 1, 6));
  EXPECT_TRUE(s.Modified);
}

TEST(WeatherGrid, CopiedBlockPastesBackUnchanged) {
  ProjectState s = Project();
  SetGridCell(s, 2, 3, "");
  s.Modified = false;
  const ProjectState before = s;
  const PasteResult r = PasteIntoGrid(s, GridCopyText(s, {1, 1, 12, 6}), 1, 1);
  EXPECT_TRUE(r.ok) << r.message;
  EXPECT_EQ(Cell(s, 2, 3), -999);
  EXPECT_EQ(GridCopyText(s, {1, 1, 12, 6}), GridCopyText(before, {1, 1, 12, 6}));
}

}  // namespace
}  // namespace solmon
