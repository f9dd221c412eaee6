// What solmon-cli weather list and show print.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/weather_commands.h"
#include "core/model/numbers.h"
#include "core/model/units.h"
#include "core/weather/weather_file.h"

namespace solmon::cli {

namespace {

const char* kMonthNames[13] = {"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string Fixed(const Real6& value, int digits) {
  return FormatValue(Real6ToDouble(value),
                     DecForm{DecStyle::FixedDecimal, static_cast<std::int16_t>(digits)});
}

// Characters, not bytes: a UTF-8 "°" is one column wide.
std::size_t DisplayWidth(const std::string& text) {
  std::size_t width = 0;
  for (const unsigned char c : text) width += (c & 0xC0) != 0x80;
  return width;
}

// The month left-aligned in 5 columns, the values right-aligned in 11.
void PrintRow(const std::vector<std::string>& cells) {
  std::string line = cells[0] + std::string(5 - std::min<std::size_t>(5, cells[0].size()), ' ');
  for (std::size_t i = 1; i < cells.size(); ++i)
    line += std::string(11 - std::min<std::size_t>(11, DisplayWidth(cells[i])), ' ') + cells[i];
  std::printf("%s\n", line.c_str());
}

}  // namespace

void PrintLocationList(const std::string& path, int count) {
  std::printf("%4s  %-32s %9s\n", "No.", "Name", "Latitude");
  for (int n = 1; n <= count; ++n) {
    const LocationRecord r = ReadLocation(path, n);
    std::printf("%4d  %-32s %9s\n", n, r.Name().c_str(), Fixed(r.Latitude, 3).c_str());
  }
}

void PrintLocation(const ProjectState& s, const std::string& path, int n) {
  const bool english = s.UnitSystem == kEnglish;
  const std::string deg = english ? "°F" : "°C";
  const std::string temp = "[" + deg + "]";
  const LocationRecord& r = s.Location;
  std::printf("Location %d of %s: %s\n", n, path.c_str(), r.Name().c_str());
  std::printf(
      "Latitude %s°   Degree-day base %s %s   Mean temperature %s %s   "
      "Standard deviation %s %s\n",
      Fixed(r.Latitude, 3).c_str(), Fixed(r.DegDayBase, 1).c_str(), deg.c_str(),
      Fixed(s.TMean, 1).c_str(), deg.c_str(), Fixed(s.TSigma, 1).c_str(), english ? "°F" : "K");
  PrintRow({"Month", "Solar Rad.", "Temp.", "Humidity", "Mains", "Reflect.", deg + "-days",
            "Sky temp."});
  PrintRow({"", english ? "[Btu/ft^2]" : "[kJ/m^2]", temp, english ? "[lb/lb]" : "[kg/kg]", temp,
            "", "", temp});
  for (int m = 1; m <= 12; ++m)
    PrintRow({kMonthNames[m], Fixed(r.HBar[m], 0), Fixed(r.TAmb[m], 1), Fixed(r.HumRatio[m], 4),
              Fixed(r.TMains[m], 1), Fixed(r.Reflect[m], 2), Fixed(s.DegDays[m], 0),
              Fixed(s.TSky[m], 1)});
}

}  // namespace solmon::cli
