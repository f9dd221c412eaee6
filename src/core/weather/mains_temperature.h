#pragma once
// Mains (cold) water temperature from the monthly ambient temperatures.

#include <array>

namespace solmon {

using MonthlyValues = std::array<double, 13>;  // entry 0 unused, 1..12 January..December

// The correlation of Burch and Christensen (2007), all in degrees F: for day n
// of the year T = (Tavg + 6) + ratio (dTmax / 2) sin(0.986 (n - 15 - lag) - 90)
// with the angle in degrees, ratio = 0.4 + 0.01 (Tavg - 44), lag = 35 - (Tavg - 44);
// Tavg is the mean of the monthly means and dTmax the warmest minus the
// coldest month. A month's value is the mean over its days; south of the
// equator the days are shifted by half a year. Water that flows in a main is
// not frozen: in polar climates, where the correlation falls below 32 F, the
// value is 32 F.
MonthlyValues MainsTemperatures(const MonthlyValues& ambientF, double latitude);

}  // namespace solmon
