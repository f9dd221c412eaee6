#include "core/report/thermal_report.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/calc/results.h"
#include "core/model/numbers.h"

namespace solmon {

namespace {

constexpr std::array<int, 7> kColumnPositions = {10, 120, 200, 280, 360, 440, 520};
constexpr const char* kMonthNames[] = {"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// How a column's decimals are chosen.
enum class Decimals { ByMagnitude, Fraction, PoolTemperature, Two };

struct Column {
  std::string name;
  std::string unit;
  Decimals decimals;
};

struct ColumnSet {
  std::vector<Column> columns;  // columns 1..n, showing fields 1..n
  int firstMonth = 1, lastMonth = 12;
};

ColumnSet ColumnsOf(const ProjectState& s) {
  const int kind = s.SheetKind[1];
  const std::string energy = s.UnitSystem == 1 ? "[10^6 Btu]" : "[GJ]";
  const auto e = [&](const char* name) { return Column{name, energy, Decimals::ByMagnitude}; };
  const auto f = [](const char* unit) { return Column{"f  ", unit, Decimals::Fraction}; };
  const auto season = [&](int firstRow, int lastRow, ColumnSet set) {
    set.firstMonth = static_cast<int>(RoundToInt(s.ParamValue(1, kind, firstRow)));
    set.lastMonth = static_cast<int>(RoundToInt(s.ParamValue(1, kind, lastRow)));
    return set;
  };
  switch (kind) {
    case 4:
    case 5:
      return {{e("Solar"), e("Load"), e("Aux"), f("[  ] ")}};
    case 6:
      return season(
          4, 5,
          {{e("Q Coll"), e("Q Pool"), e("Load"), e("Aux"), f("[  ] "),
            Column{"Pool T", s.UnitSystem == 1 ? "[F]" : "[C]", Decimals::PoolTemperature}}});
    case 7:
      return {{e("Solar"), e("Load"), e("QTank"), e("Aux"), f("[  ] ")}};
    case 8: {
      ColumnSet set{{e("Solar"), e("Load"), e("Loss"), e("Aux"), f("[  ] ")}};
      for (Column& c : set.columns) c.decimals = Decimals::Two;
      return season(19, 20, set);
    }
    case 9:
      return {{e("Solar"), e("Dhw"), e("Aux"), f("[  ]  ")}};
    default:
      return {{e("Solar"), e("Heat"), e("Dhw"), e("Aux"), f("[  ]  ")}};
  }
}

// A season that runs over the year end lists January to its last month and
// its first month to December.
bool Listed(const ColumnSet& set, int month) {
  if (set.firstMonth <= set.lastMonth) return month >= set.firstMonth && month <= set.lastMonth;
  return month >= set.firstMonth || month <= set.lastMonth;
}

int DecimalsOf(const ProjectState& s, const ColumnSet& set, int field) {
  switch (set.columns[field - 1].decimals) {
    case Decimals::Fraction:
      return 3;
    case Decimals::PoolTemperature:
      return 1;
    case Decimals::Two:
      return 2;
    case Decimals::ByMagnitude:
      break;
  }
  double largest = 0;
  for (int m = 1; m <= 12; ++m) {
    const double v = s.Results.MonthlyResults[m][field];
    if (Listed(set, m) && v != kNoValue) largest = std::max(largest, std::fabs(v));
  }
  return largest < 10 ? 3 : largest < 100 ? 2 : largest < 1000 ? 1 : 0;
}

std::string Fixed(double v, int decimals) {
  return FormatValue(v, {DecStyle::FixedDecimal, static_cast<std::int16_t>(decimals)});
}

void DrawRecord(const ProjectState& s, ReportOutput& out, const std::vector<int>& x,
                const std::vector<int>& decimals, int record, const std::string& label) {
  out.CheckBottom(1);
  out.TextFace(TextFaceStyle::Bold);
  out.DrawLeftAligned(x[0], label);
  out.TextFace(TextFaceStyle::Plain);
  for (std::size_t c = 1; c < x.size(); ++c) {
    const double v = s.Results.MonthlyResults[record][c];
    if (v != kNoValue) out.DrawRightAligned(x[c], Fixed(v, decimals[c]));
  }
}

}  // namespace

void DisplayThermal(const ProjectState& s, ReportOutput& out) {
  const ColumnSet set = ColumnsOf(s);
  const std::size_t n = set.columns.size();
  std::vector<int> x(n + 1), decimals(n + 1);
  for (std::size_t c = 0; c <= n; ++c) x[c] = out.ColumnX(kColumnPositions[c]);
  for (std::size_t c = 1; c <= n; ++c) decimals[c] = DecimalsOf(s, set, static_cast<int>(c));

  out.TextFace(TextFaceStyle::Bold);
  out.CheckBottom(1);
  out.DrawRightAligned(x[0], "");
  for (std::size_t c = 1; c <= n; ++c) out.DrawRightAligned(x[c], set.columns[c - 1].name);
  out.TextFace(TextFaceStyle::Plain);
  out.CheckBottom(1);
  out.DrawRightAligned(x[0], "");
  for (std::size_t c = 1; c <= n; ++c) {
    std::string unit = set.columns[c - 1].unit, bare = unit;
    std::erase(bare, '^');
    out.DrawUnitString(x[c] - out.StringWidth(bare), out.Y, unit);
  }
  out.Y += 3;

  for (int m = 1; m <= 12; ++m)
    if (Listed(set, m)) DrawRecord(s, out, x, decimals, m, kMonthNames[m]);
  DrawRecord(s, out, x, decimals, kYearRecord, "Year");

  if (s.SheetKind[1] == 8) {
    const int left = out.ColumnX(0);
    out.CheckBottom(1);
    out.CheckBottom(1);
    out.DrawLeftAligned(left, "Optical Efficiency = " + Fixed(s.Results.ICSOpticalEfficiency, 2));
    out.CheckBottom(1);
    out.DrawLeftAligned(left,
                        "Energy Loss Coefficient = " + Fixed(s.Results.ICSLossCoefficient, 2));
  }
}

}  // namespace solmon
