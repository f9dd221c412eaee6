#pragma once
// The table of monthly station statistics the shipped weather files are
// built from (data/climate/stations.csv; its README describes the columns).

#include <string>
#include <vector>

#include "core/weather/monthly_climate.h"

namespace solmon {

// One entry per station row, in file order. Throws ClimateDataError naming
// the line and column of the first bad field.
std::vector<MonthlyClimate> ReadStationTable(const std::string& path);

}  // namespace solmon
