#include "core/weather/station_table.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "core/weather/text_fields.h"

namespace solmon {

namespace {

std::string MonthColumn(const std::string& prefix, int m) {
  char suffix[4];
  std::snprintf(suffix, sizeof suffix, "%02d", m);
  return prefix + suffix;
}

// Looks fields up by their column name and reports bad ones by line and column.
class StationRow {
 public:
  StationRow(const std::string& path, int line, const std::map<std::string, std::size_t>& columns,
             std::vector<std::string> fields)
      : path_(path), line_(line), columns_(columns), fields_(std::move(fields)) {}

  const std::string& Text(const std::string& column) const { return fields_[columns_.at(column)]; }

  double Number(const std::string& column, double lo, double hi) const {
    const auto value = FieldNumber(Text(column));
    if (!value) Fail(column, "\"" + Text(column) + "\" is not a number");
    if (*value < lo || *value > hi)
      Fail(column,
           Text(column) + " is outside " + FieldNumberText(lo) + " to " + FieldNumberText(hi));
    return *value;
  }

  MonthlyValues Months(const std::string& prefix, double lo, double hi) const {
    MonthlyValues values{};
    for (int m = 1; m <= 12; ++m) values[m] = Number(MonthColumn(prefix, m), lo, hi);
    return values;
  }

  [[noreturn]] void Fail(const std::string& column, const std::string& why) const {
    throw ClimateDataError(path_ + " line " + std::to_string(line_) + ", column " + column + ": " +
                           why);
  }

 private:
  static std::string FieldNumberText(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
  }
  const std::string& path_;
  int line_;
  const std::map<std::string, std::size_t>& columns_;
  std::vector<std::string> fields_;
};

std::vector<std::string> RequiredColumns() {
  std::vector<std::string> names = {"wea_name", "country", "latitude", "elevation_m"};
  for (const char* prefix : {"ghi_wh_m2_day_", "tdb_c_", "tdp_c_"})
    for (int m = 1; m <= 12; ++m) names.push_back(MonthColumn(prefix, m));
  return names;
}

MonthlyClimate ClimateOf(const StationRow& row) {
  MonthlyClimate c;
  c.name = row.Text("wea_name");
  if (c.name.empty() || c.name.size() > kLocationNameMax)
    row.Fail("wea_name", "the name must have 1 to 32 characters");
  c.country = row.Text("country");
  c.latitude = row.Number("latitude", -90, 90);
  c.elevation = row.Number("elevation_m", -500, 9000);
  c.globalHorizontal = row.Months("ghi_wh_m2_day_", 0, 15000);
  c.dryBulb = row.Months("tdb_c_", -90, 60);
  c.dewPoint = row.Months("tdp_c_", -100, 60);
  return c;
}

}  // namespace

std::vector<MonthlyClimate> ReadStationTable(const std::string& path) {
  std::ifstream in = OpenClimateFile(path);
  std::string line;
  if (!std::getline(in, line)) throw ClimateDataError(path + ": the file is empty");
  const std::vector<std::string> header = SplitFields(line);
  std::map<std::string, std::size_t> columns;
  for (std::size_t i = 0; i < header.size(); ++i) columns.emplace(header[i], i);
  for (const std::string& name : RequiredColumns())
    if (!columns.contains(name))
      throw ClimateDataError(path + " line 1: the column " + name + " is missing");
  std::vector<MonthlyClimate> stations;
  for (int number = 2; std::getline(in, line); ++number) {
    if (line.empty() || line == "\r") continue;
    std::vector<std::string> fields = SplitFields(line);
    if (fields.size() != header.size())
      throw ClimateDataError(path + " line " + std::to_string(number) + ": " +
                             std::to_string(fields.size()) + " fields, the header has " +
                             std::to_string(header.size()));
    stations.push_back(ClimateOf(StationRow(path, number, columns, std::move(fields))));
  }
  return stations;
}

}  // namespace solmon
