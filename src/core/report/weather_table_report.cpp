#include "core/report/weather_table_report.h"

#include <algorithm>
#include <string>

#include "core/report/multi_location_file.h"
#include "core/weather/weather_grid.h"

namespace solmon {

namespace {

constexpr int kColumnChars = 15;
constexpr int kTableColumns = kGridColumns + 1;  // the month and six values

const char* const kHeadings[kTableColumns] = {"Month ",   "Solar Rad.", "Amb. Temp.", "Humidity",
                                              "Mains Temp.", "Reflect.", "Deg-days"};

int CharWidth(const ReportOutput& out) {
  if (out.Printing()) return std::max(1, out.PrintJob->PrintCharWidth());
  return std::max(1, out.ScreenGWidth);
}

std::string UnitOf(int c, int unitSystem) {
  if (c == kGridColumns) return unitSystem == 0 ? "[\u00B0C-days]" : "[\u00B0F-days]";
  return GridHeading(c, 2, unitSystem);
}

std::string WithoutCarets(std::string s) {
  std::erase(s, '^');
  return s;
}

}  // namespace

void PrintWeatherTable(const ProjectState& state, ReportOutput& out) {
  ProjectState s = state;
  RecomputeDegreeDays(s);
  const int width = kColumnChars * CharWidth(out);
  const int left = out.ColumnX(0);
  const auto columnLeft = [&](int c) { return left + c * width; };
  const auto centred = [&](int c, const std::string& text) {
    return columnLeft(c) + (width - out.StringWidth(WithoutCarets(text))) / 2;
  };

  out.TextFace(TextFaceStyle::Bold);
  out.CheckBottom(1);
  const std::string title = "Weather data for " + s.Location.Name();
  out.DrawLeftAligned(left + (kTableColumns * width - out.StringWidth(title)) / 2, title);
  out.CheckBottom(1);
  out.CheckBottom(1);
  for (int c = 0; c < kTableColumns; ++c) out.DrawLeftAligned(centred(c, kHeadings[c]), kHeadings[c]);
  out.TextFace(TextFaceStyle::Plain);
  out.CheckBottom(1);
  out.DrawLeftAligned(left, "");
  for (int c = 1; c < kTableColumns; ++c) {
    const std::string unit = UnitOf(c, s.UnitSystem);
    out.DrawUnitString(centred(c, unit), out.Y, unit);
  }
  if (out.Mode == OutputMode::Canvas && out.Canvas) {
    const int y = out.Y + out.ScreenFontHeight + 2;
    out.Canvas->FrameRect(left, y, left + kTableColumns * width, y + 1);
  }
  out.CheckBottom(1);
  for (int m = 1; m <= kGridMonths; ++m) {
    out.CheckBottom(1);
    out.DrawLeftAligned(left, RecordLabel(m));
    for (int c = 1; c <= kGridColumns; ++c)
      out.DrawRightAligned(columnLeft(c + 1) - width / 5, GridCellText(s, m, c));
  }
}

}  // namespace solmon
