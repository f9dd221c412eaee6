#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>

#include "../support/weather_fixtures.h"
#include "core/weather/epw_file.h"
#include "core/weather/monthly_climate.h"
#include "core/weather/psychrometrics.h"
#include "core/weather/station_table.h"

namespace solmon {
namespace {

const std::string kStations = std::string(SOLMON_SOURCE_DIR) + "/data/climate/stations.csv";
const std::string kLongBeachEpw =
    std::string(SOLMON_TEST_DATA) + "/USA_CA_Long.Beach.AP.722970_TMYx.2007-2021.epw";

double V(const Real6& r) {
  return Real6ToDouble(r);
}

MonthlyClimate Station(const std::vector<MonthlyClimate>& all, const std::string& name) {
  for (const auto& c : all)
    if (c.name == name) return c;
  throw std::runtime_error("no station " + name);
}

TEST(Psychrometrics, SaturationPressureOverWaterAndIce) {
  EXPECT_NEAR(SaturationPressure(20), 2338.8, 0.1);
  EXPECT_NEAR(SaturationPressure(0), 611.21, 0.01);
  EXPECT_NEAR(SaturationPressure(-10), 259.90, 0.01);  // over ice
  EXPECT_NEAR(StandardAtmospherePressure(0), 101325, 1e-9);
  EXPECT_NEAR(StandardAtmospherePressure(1500), 84556, 1);
  EXPECT_NEAR(HumidityRatio(2338.8, 101325), 0.014695, 1e-6);
}

TEST(MainsTemperature, CorrelationNorthAndSouth) {
  const std::vector<MonthlyClimate> all = ReadStationTable(kStations);
  const auto mainsOf = [](const MonthlyClimate& c) {
    MonthlyValues f{};
    for (int m = 1; m <= 12; ++m) f[m] = c.dryBulb[m] * 1.8 + 32;
    return MainsTemperatures(f, c.latitude);
  };
  // Worked out independently from the station rows.
  const MonthlyValues chicago = mainsOf(Station(all, "CHICAGO IL"));
  EXPECT_NEAR(chicago[1], 45.431513613814545, 1e-9);
  EXPECT_NEAR(chicago[7], 65.31143339209801, 1e-9);
  const MonthlyValues sydney = mainsOf(Station(all, "SYDNEY AUS"));
  EXPECT_NEAR(sydney[1], 75.73701026881294, 1e-9);
  EXPECT_NEAR(sydney[7], 64.74081204478789, 1e-9);
  // No seasons: the annual mean plus 6 F all year.
  MonthlyValues flat{};
  flat.fill(50);
  for (int m = 1; m <= 12; ++m) EXPECT_NEAR(MainsTemperatures(flat, 10)[m], 56, 1e-12);
  // Polar: the correlation would give frozen mains water.
  const MonthlyValues halley = mainsOf(Station(all, "HALLEY STATION ATA"));
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(halley[m], 32) << m;
}

TEST(ClimateToRecord, UnitsRulesAndName) {
  MonthlyClimate c;
  c.name = "SOMEWHERE XY";
  c.latitude = -33.95;
  c.elevation = 1500;
  for (int m = 1; m <= 12; ++m) {
    c.globalHorizontal[m] = 1000 * m;
    c.dryBulb[m] = m == 1 ? -5.1 : -5;
    c.dewPoint[m] = 20;
  }
  c.albedo[3] = 0.13;
  const LocationRecord r = ClimateToRecord(c);
  EXPECT_EQ(r.Name(), "SOMEWHERE XY");
  EXPECT_NEAR(V(r.Latitude), -33.95, 1e-10);
  EXPECT_EQ(V(r.DegDayBase), 65);
  EXPECT_NEAR(V(r.HBar[2]), 2000 * 0.316998, 1e-9);
  EXPECT_NEAR(V(r.TAmb[2]), 23, 1e-10);
  EXPECT_NEAR(V(r.HumRatio[5]), HumidityRatio(SaturationPressure(20), 84556), 2e-7);
  EXPECT_NEAR(V(r.Reflect[1]), 0.7, 1e-12);  // snow below -5 C
  EXPECT_NEAR(V(r.Reflect[2]), 0.2, 1e-12);  // exactly -5 C is not snow
  EXPECT_NEAR(V(r.Reflect[3]), 0.13, 1e-12);
  c.name = std::string(33, 'X');
  EXPECT_THROW(ClimateToRecord(c), ClimateDataError);
}

TEST(StationTable, ShippedTableHoldsEveryStation) {
  const std::vector<MonthlyClimate> all = ReadStationTable(kStations);
  ASSERT_EQ(all.size(), 40u);
  EXPECT_EQ(all.front().name, "PHOENIX AZ");
  EXPECT_EQ(all.front().country, "USA");
  EXPECT_NEAR(all.front().globalHorizontal[1], 3287, 0);
  EXPECT_NEAR(all.front().dewPoint[12], 0.5, 0);
  for (const auto& c : all) EXPECT_NO_THROW(ClimateToRecord(c)) << c.name;
}

struct BadTable {
  const char* label;
  const char* replace;  // text in the first data row
  const char* with;
  const char* messagePart;
};

void PrintTo(const BadTable& c, std::ostream* os) {
  *os << c.label;
}

class BadStationTables : public ::testing::TestWithParam<BadTable> {};

TEST_P(BadStationTables, NameTheLineAndColumn) {
  const BadTable c = GetParam();
  std::ifstream in(kStations);
  std::stringstream text;
  text << in.rdbuf();
  std::string table = text.str();
  const std::size_t at = table.find(c.replace);
  ASSERT_NE(at, std::string::npos);
  table.replace(at, std::strlen(c.replace), c.with);
  testing::TempDir dir;
  testing::WriteText(dir.File("bad.csv"), table);
  try {
    ReadStationTable(dir.File("bad.csv"));
    FAIL() << c.label;
  } catch (const ClimateDataError& e) {
    EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BadStationTables,
                         ::testing::Values(BadTable{"not a number", ",13.0,15.7,", ",13.0,x15.7,",
                                                    "line 2, column tdb_c_02: \"x15.7\""},
                                           BadTable{"extra field", ",37,52,42,", ",37,52,,42,",
                                                    "line 2: 57 fields, the header has 56"},
                                           BadTable{"missing column", "tdp_c_07,", "tdp_c_7,",
                                                    "line 1: the column tdp_c_07 is missing"},
                                           BadTable{"long name", "PHOENIX AZ,",
                                                    "PHOENIX ARIZONA UNITED STATES OF AM,",
                                                    "line 2, column wea_name"},
                                           BadTable{"latitude", ",33.450,", ",133.450,",
                                                    "column latitude: 133.450 is outside"}));

// The Long Beach hourly file reproduces its row of the station table at the
// table's rounding (whole Wh/m^2, 0.1 C).
TEST(EpwFile, LongBeachReproducesTheStationRow) {
  const MonthlyClimate epw = ReadEpwFile(kLongBeachEpw);
  const MonthlyClimate row = Station(ReadStationTable(kStations), "LONG BEACH CA");
  EXPECT_EQ(epw.name, "LONG BEACH AP CA");
  EXPECT_EQ(epw.country, "USA");
  EXPECT_NEAR(epw.latitude, row.latitude, 1e-9);
  EXPECT_NEAR(epw.elevation, row.elevation, 1e-9);
  for (int m = 1; m <= 12; ++m) {
    EXPECT_NEAR(epw.globalHorizontal[m], row.globalHorizontal[m], 0.5) << m;
    EXPECT_NEAR(epw.dryBulb[m], row.dryBulb[m], 0.05 + 1e-9) << m;
    EXPECT_NEAR(epw.dewPoint[m], row.dewPoint[m], 0.05 + 1e-9) << m;
    ASSERT_TRUE(epw.albedo[m]) << m;
    EXPECT_NEAR(*epw.albedo[m], 0.115, 0.006) << m;  // the file's 0.11 and 0.12
  }
  const LocationRecord fromEpw = ClimateToRecord(epw);
  const LocationRecord fromRow = ClimateToRecord(row);
  for (int m = 1; m <= 12; ++m) {
    EXPECT_NEAR(V(fromEpw.HBar[m]), V(fromRow.HBar[m]), 0.5 * 0.316998) << m;
    EXPECT_NEAR(V(fromEpw.TAmb[m]), V(fromRow.TAmb[m]), 0.09 + 1e-9) << m;
    EXPECT_NEAR(V(fromEpw.TMains[m]), V(fromRow.TMains[m]), 0.1) << m;
    // Mean of the hourly ratios at the station pressure against the ratio of
    // the mean dew point at the standard pressure: close, not equal.
    EXPECT_NEAR(V(fromEpw.HumRatio[m]) / V(fromRow.HumRatio[m]), 1, 0.05) << m;
  }
}

// A small EPW: the LOCATION line, the other header lines, and hours.
std::string HourLine(int month, const std::string& dryBulb = "10.0",
                     const std::string& dewPoint = "5.0", const std::string& global = "100",
                     const std::string& albedo = "999") {
  std::string line = "1999," + std::to_string(month) + ",1,1,60,?9," + dryBulb + "," + dewPoint +
                     ",70,101325,0,0,300," + global;
  for (int field = 15; field <= 32; ++field) line += ",0";
  return line + "," + albedo + ",0,0\n";
}

std::string SmallEpw(
    const std::string& location = "LOCATION,Small.Town_Airport,-,XYZ,SRC,123,45.5,-100,-6,300\n") {
  std::string text = location;
  for (const char* h : {"DESIGN CONDITIONS,0", "TYPICAL/EXTREME PERIODS,0", "GROUND TEMPERATURES,0",
                        "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0", "COMMENTS 1,", "COMMENTS 2,",
                        "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"})
    text += std::string(h) + "\n";
  for (int m = 1; m <= 12; ++m) text += HourLine(m) + HourLine(m, "20.0", "5.0", "300", "0.3");
  return text;
}

TEST(EpwFile, MonthlyMeansOfASmallFile) {
  std::istringstream in(SmallEpw());
  const MonthlyClimate c = ReadEpw(in, "small.epw");
  EXPECT_EQ(c.name, "SMALL TOWN AIRPORT XYZ");
  EXPECT_NEAR(c.latitude, 45.5, 0);
  EXPECT_NEAR(c.globalHorizontal[4], 200 * 24, 1e-9);
  EXPECT_NEAR(c.dryBulb[4], 15, 1e-12);
  EXPECT_NEAR(c.dewPoint[4], 5, 1e-12);
  EXPECT_NEAR((*c.humidityRatio)[4], HumidityRatio(SaturationPressure(5), 101325), 1e-15);
  EXPECT_NEAR(*c.albedo[4], 0.3, 1e-15);  // only the hour that gives one
}

struct BadEpw {
  const char* label;
  int line;  // 1-based line to replace, 0 to drop the March hours
  std::string text;
  const char* messagePart;
};

void PrintTo(const BadEpw& c, std::ostream* os) {
  *os << c.label;
}

class BadEpwFiles : public ::testing::TestWithParam<BadEpw> {};

TEST_P(BadEpwFiles, AreRefusedNamingTheLineAndField) {
  const BadEpw c = GetParam();
  std::istringstream all(SmallEpw());
  std::string text, line;
  for (int n = 1; std::getline(all, line); ++n) {
    if (c.line == 0 && n > 8 && line.rfind("1999,3,", 0) == 0) continue;
    text += (n == c.line ? c.text : line + "\n");
  }
  std::istringstream in(text);
  try {
    ReadEpw(in, "bad.epw");
    FAIL() << c.label;
  } catch (const ClimateDataError& e) {
    EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadEpwFiles,
    ::testing::Values(
        BadEpw{"short line", 12, "1999,2,1,1,60,?9,10.0\n",
               "bad.epw line 12: has 7 fields, expected 35"},
        BadEpw{"not a number", 13, HourLine(3, "1O.0"),
               "line 13: field 7 (dry bulb temperature) \"1O.0\" is not a number"},
        BadEpw{"missing dew point", 14, HourLine(3, "10.0", "99.9"),
               "line 14: field 8 (dew point temperature) is missing"},
        BadEpw{"missing radiation", 15, HourLine(4, "10.0", "5.0", "9999"),
               "line 15: field 14 (global horizontal radiation) is missing"},
        BadEpw{"month 13", 16, HourLine(13), "line 16: field 2 (month) 13 is outside 1 to 12"},
        BadEpw{"month without hours", 0, "", "bad.epw: month 3 has no hours"},
        BadEpw{"no data periods", 8, "COMMENTS 3,\n", "there is no DATA PERIODS line"},
        BadEpw{"location fields", 1, "LOCATION,Town,CA\n", "line 1: has 3 fields, expected 10"},
        BadEpw{"no location", 1, "DESIGN CONDITIONS,0\n", "line 1: is not the LOCATION line"},
        BadEpw{"latitude", 1, "LOCATION,Town,CA,USA,SRC,1,95,0,0,10\n",
               "line 1: field 7 (latitude) 95 is outside"}));

TEST(EpwFile, NoFileNoText) {
  EXPECT_THROW(ReadEpwFile("/nonexistent/x.epw"), ClimateDataError);
  EXPECT_THROW(ReadEpwFile(SOLMON_TEST_DATA), ClimateDataError);
  std::istringstream empty("");
  EXPECT_THROW(ReadEpw(empty, "empty.epw"), ClimateDataError);
}

struct NameCase {
  const char *city, *region, *country, *name;
};

void PrintTo(const NameCase& c, std::ostream* os) {
  *os << c.city;
}

class EpwNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(EpwNames, CityThenRegionOrCountry) {
  const NameCase c = GetParam();
  EXPECT_EQ(EpwLocationName(c.city, c.region, c.country), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EpwNames,
    ::testing::Values(NameCase{"Long.Beach.AP", "CA", "USA", "LONG BEACH AP CA"},
                      NameCase{"SINGAPORE", "-", "SGP", "SINGAPORE SGP"},
                      NameCase{"FORTALEZA/PINTO_MAR", "", "BRA", "FORTALEZA/PINTO MAR BRA"},
                      NameCase{"Chicago Ohare Intl Ap", "IL", "USA", "CHICAGO OHARE INTL AP IL"},
                      NameCase{"Washington.Dc.Dulles.International.Airport", "VA", "USA",
                               "WASHINGTON DC DULLES INTERNAT VA"},
                      NameCase{"Town", "", "", "TOWN"}));

}  // namespace
}  // namespace solmon
