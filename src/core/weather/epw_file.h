#pragma once
// Hourly weather files in the EPW format: a LOCATION line, more header lines
// up to DATA PERIODS, then one line of 35 comma-separated fields per hour.

#include <istream>
#include <string>

#include "core/weather/monthly_climate.h"

namespace solmon {

// The monthly statistics of an EPW file: daily global horizontal irradiation
// (mean hour x 24), mean dry bulb and dew point, the mean of the hourly
// humidity ratios (dew point and station pressure) and the mean albedo of
// the hours that give one. Throws ClimateDataError naming the line and
// field of the first bad value; `label` names the file in messages.
MonthlyClimate ReadEpw(std::istream& in, const std::string& label);
MonthlyClimate ReadEpwFile(const std::string& path);

// The record name of an EPW location: the city (dots and underscores as
// spaces), then the region, or the country when the region is empty or "-";
// upper case, at most 32 characters (the city is shortened, the region kept).
std::string EpwLocationName(const std::string& city, const std::string& region,
                            const std::string& country);

}  // namespace solmon
