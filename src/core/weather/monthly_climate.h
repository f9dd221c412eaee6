#pragma once
// Long-term monthly climate statistics of a station, as climate tables and
// hourly weather files give them, and their conversion into a location record.

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/weather/location_record.h"
#include "core/weather/mains_temperature.h"

namespace solmon {

// Climate data that cannot be read or converted. The message names the
// file, line and field.
class ClimateDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct MonthlyClimate {
  std::string name;                  // the record's name: upper case, at most 32 characters
  std::string country;               // three-letter code
  double latitude = 0;               // degrees, north positive
  double elevation = 0;              // m above sea level
  MonthlyValues globalHorizontal{};  // mean daily irradiation, Wh/m^2 per day
  MonthlyValues dryBulb{};           // mean air temperature, C
  MonthlyValues dewPoint{};          // mean dew point, C
  // Mean humidity ratio (kg/kg) where hourly data give it; otherwise it
  // follows from the mean dew point at the standard-atmosphere pressure.
  std::optional<MonthlyValues> humidityRatio;
  // Mean ground reflectance of the months that have one measured.
  std::array<std::optional<double>, 13> albedo{};
};

// Ground reflectance without a measurement: 0.7 under snow (a month whose
// mean air temperature is below -5 C), else 0.2.
double SnowRuleReflectance(double dryBulb);

// The record in file (English) units: HBar in Btu/ft^2 (1 Wh/m^2 =
// 0.316998 Btu/ft^2), TAmb in F, HumRatio, TMains by the mains correlation,
// Reflect, DegDayBase 65 F. Throws ClimateDataError for a name that is empty
// or longer than 32 characters, or a value a record cannot hold.
LocationRecord ClimateToRecord(const MonthlyClimate& climate);

}  // namespace solmon
