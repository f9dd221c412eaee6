#include "calc_fixture.h"

#include <filesystem>

#include "core/model/sheet_model.h"
#include "core/weather/weather_file.h"

namespace solmon::testing {

namespace {

// A cold mid-latitude climate, English units: Btu/ft^2-day, F.
constexpr double kHBar[13] = {0, 564, 840, 1127, 1434, 1741, 1900, 1872, 1650, 1272, 888, 527, 434};
constexpr double kTAmb[13] = {0, 17, 21, 31, 46, 57, 67, 72, 70, 61, 50, 35, 22};
constexpr double kTMains[13] = {0, 40, 39, 40, 44, 50, 56, 60, 61, 58, 53, 47, 42};
constexpr double kReflect[13] = {0, 0.6, 0.6, 0.4, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2, 0.2, 0.3, 0.5};

void SetMonthly(MonthlyReal6& dest, const double (&values)[13]) {
  for (int m = 1; m <= 12; ++m) dest[m] = DoubleToReal6(values[m]);
}

}  // namespace

LocationRecord SampleLocationEnglish(const std::string& name, double latitude) {
  LocationRecord r;
  r.SetName(name);
  r.Latitude = DoubleToReal6(latitude);
  r.DegDayBase = DoubleToReal6(65);
  SetMonthly(r.HBar, kHBar);
  SetMonthly(r.TAmb, kTAmb);
  SetMonthly(r.TMains, kTMains);
  SetMonthly(r.Reflect, kReflect);
  for (int m = 1; m <= 12; ++m) r.HumRatio[m] = DoubleToReal6(0.005);
  return r;
}

ProjectState SampleProject(int unitSystem) {
  ProjectState s;
  s.UnitSystem = 0;
  s.SheetKind = {0, 2, 1, 0};
  s.LocationIndex = 1;
  // Water storage, SI.
  const double water[] = {0, 0, 75, 250, 2, 50, 1, 300, 60, 20, 1.5, 2, 5, 5, 2.0, 2, 0.015, 0.7};
  for (int row = 1; row <= 17; ++row) Set(s, 1, 2, row, water[row]);
  // Pebble bed, SI.
  const double pebble[] = {0, 0, 0.25, 250, 2, 50, 1, 300, 60, 20, 1.5, 400, 0.7, 2, 5, 5, 5, 1};
  for (int row = 1; row <= 17; ++row) Set(s, 1, 1, row, pebble[row]);
  // Domestic hot water only, SI.
  const double dhw[] = {0, 0, 75, 2, 50, 300, 60, 20, 1.5, 2, 5, 5, 2, 0.015, 0.7};
  for (int row = 1; row <= 14; ++row) Set(s, 1, 9, row, dhw[row]);
  // Active collection with building storage, SI: no duct losses, no hot water.
  const double building[] = {0, 0, 250, 15, 20, 15, 5, 2, 80, 2, 5, 5, 2, 1, 2, 250, 50, 20, 2, 200, 0.5};
  for (int row = 1; row <= 20; ++row) Set(s, 1, 3, row, building[row]);
  // Passive direct gain, SI: 15 m^2 of double-glazed south window.
  const double direct[] = {0, 0, 15, 2, 90, 0, 0.7, 3, 1.5, 250, 20, 20, 15, 5, 2, 80};
  for (int row = 1; row <= 15; ++row) Set(s, 1, 4, row, direct[row]);
  // Passive storage wall, SI: 15 m^2 of 0.3 m concrete behind two glazings.
  const double wall[] = {0, 0, 15, 2, 90, 0, 0.7, 0.3, 1.7, 2300, 0.9, 1, 250, 20, 20, 15, 5, 2, 80};
  for (int row = 1; row <= 18; ++row) Set(s, 1, 5, row, wall[row]);
  // Flat plate, SI.
  const double flat[] = {0, 10, 2, 4.5, 0.75, 55, 0, 1, 1, 0.1, 0.9, 0.015, 4.19, 2, 0.015, 4.19};
  for (int row = 1; row <= 15; ++row) Set(s, 2, 1, row, flat[row]);
  // Air collector for the pebble bed is a second flat plate set: evacuated tube sheet unused.
  const double tube[] = {0, 10, 2, 1.5, 0.6, 55, 0, 1, 0.95, 0.9, 0.015, 4.19, 2, 0.015, 4.19};
  for (int row = 1; row <= 14; ++row) Set(s, 2, 2, row, tube[row]);
  const double cpc[] = {0, 10, 2, 2.0, 0.65, 1.5, 35, 40, 0, 1, 0.95, 0.9, 0.015, 4.19, 2, 0.015, 4.19};
  for (int row = 1; row <= 16; ++row) Set(s, 2, 3, row, cpc[row]);
  const double oneAxis[] = {0, 10, 2, 3.0, 0.7, 10, 40, 0, 0.95, 0.015, 4.19, 2, 0.015, 4.19};
  for (int row = 1; row <= 13; ++row) Set(s, 2, 4, row, oneAxis[row]);
  const double twoAxis[] = {0, 10, 2, 3.0, 0.7, 10, 0.015, 4.19, 2, 0.015, 4.19};
  for (int row = 1; row <= 10; ++row) Set(s, 2, 5, row, twoAxis[row]);
  // Pool heating, SI: 50 m^2 outdoor pool at 26 C from May to September,
  // bubble cover 12 hours a day, 30 kW gas heater.
  const double pool[] = {0, 0, 50, 26, 5, 9, 3, 12, 1.5, 2, 10, 2, 60, 28, 2, 30, 80, 2, 3, 3};
  for (int row = 1; row <= 19; ++row) Set(s, 1, 6, row, pool[row]);
  // General heating, SI: 50 MJ a day above 40 C from a 1000-liter tank.
  const double general[] = {0, 0, 0.05, 500, 0.8, 40, 1000, 4.19, 1000, 3, 20, 2, 80, 2, 3, 3, 1, 0.015, 0.7};
  for (int row = 1; row <= 18; ++row) Set(s, 1, 7, row, general[row]);
  // Integral collector-storage, SI: one 3 m^2 unit of 150 liters, all year.
  const double ics[] = {0,  0,  1,   3,  5,  25000, 35, 0,  1,  1,    0.1,   0.95,  1,
                        98, 250, 50, 150, 2, 20,    1,  12, 14.4, 14.4, 243.4, 43305, 16920};
  for (int row = 1; row <= 25; ++row) Set(s, 1, 8, row, ics[row]);
  // Economics: prices of electricity, gas, oil and other fuel.
  Set(s, 3, 1, 1, 1);
  Set(s, 3, 1, 4, 0.10);
  Set(s, 3, 1, 6, 0.30);
  Set(s, 3, 1, 8, 0.50);
  Set(s, 3, 1, 10, 10);
  Set(s, 3, 1, 12, 20);
  if (unitSystem == 1) {
    // Every set in English units, as its sheet converts it.
    s.UnitSystem = 1;
    const auto kinds = s.SheetKind;
    for (int sheet = 1; sheet <= kSheets; ++sheet) {
      for (int kind = 1; kind <= SheetKindCount(sheet); ++kind) {
        s.SheetKind[sheet] = static_cast<std::int16_t>(kind);
        SheetModel convert(s, sheet);
      }
    }
    s.SheetKind = kinds;
  }
  SetCurrentLocation(s, SampleLocationEnglish());
  return s;
}

std::string WriteTestWeatherFile(const std::string& fileName, const std::vector<LocationRecord>& records) {
  const auto dir = std::filesystem::temp_directory_path() / "solmon_engine_tests";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / fileName).string();
  solmon::WriteWeatherFile(path, records);
  return path;
}

}  // namespace solmon::testing
