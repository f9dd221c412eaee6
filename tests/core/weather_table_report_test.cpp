#include "core/report/weather_table_report.h"

#include <gtest/gtest.h>

#include "../support/report_recorder.h"
#include "../support/weather_fixtures.h"
#include "core/model/units.h"
#include "core/weather/weather_file.h"
#include "core/weather/weather_grid.h"

namespace solmon {
namespace {

TEST(WeatherTableReport, TitleHeadingsUnitsAndOneLinePerMonth) {
  ProjectState s;
  s.SheetKind[1] = 6;  // degree-days are not kept up to date for pools: the table recomputes them
  s.UnitSystem = kSI;
  SetCurrentLocation(s, testing::MakeRecord("DENVER CO", 39.75, {.tAmb = 30}));
  ProjectState expected = s;
  RecomputeDegreeDays(expected);
  ReportOutput out;
  testing::RecordingCanvas canvas;
  PaintReport(out, canvas, [&](ReportOutput& o) { PrintWeatherTable(s, o); });

  const auto* title = canvas.Find("Weather data for DENVER CO");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->face, TextFaceStyle::Bold);
  for (const char* text : {"Month ", "Solar Rad.", "Amb. Temp.", "Humidity", "Mains Temp.",
                           "Reflect.", "Deg-days", "[\u00B0C-days]", "Jan", "Dec"})
    EXPECT_NE(canvas.Find(text), nullptr) << text;
  const auto* jan = canvas.Find("Jan");
  const auto* dec = canvas.Find("Dec");
  ASSERT_TRUE(jan && dec);
  EXPECT_GT(dec->y, jan->y);
  // The January line ends with its degree-days, right-aligned after the reflectance.
  const std::string dd = GridCellText(expected, 1, 6);
  const std::string reflect = GridCellText(expected, 1, 5);
  const testing::DrawnString *ddCell = nullptr, *reflectCell = nullptr;
  for (const auto& d : canvas.drawn) {
    if (d.y != jan->y) continue;
    if (d.text == dd) ddCell = &d;
    if (d.text == reflect) reflectCell = &d;
  }
  ASSERT_TRUE(ddCell && reflectCell) << dd;
  EXPECT_GT(ddCell->x, reflectCell->x);
}

}  // namespace
}  // namespace solmon
