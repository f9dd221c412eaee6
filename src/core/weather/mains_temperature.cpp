#include "core/weather/mains_temperature.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

#include "core/model/solar_constants.h"

namespace solmon {

namespace {
constexpr double kFreezingF = 32;
}  // namespace

MonthlyValues MainsTemperatures(const MonthlyValues& ambientF, double latitude) {
  const auto months = std::span(ambientF).subspan(1);
  double sum = 0;
  for (const double t : months) sum += t;
  const double mean = sum / 12;
  const auto [coldest, warmest] = std::minmax_element(months.begin(), months.end());
  const double swing = *warmest - *coldest;
  const double ratio = 0.4 + 0.01 * (mean - 44);
  const double lag = 35 - 1.0 * (mean - 44);
  const double shift = latitude < 0 ? 182.5 : 0;
  MonthlyValues mains{};
  int day = 0;
  for (int m = 1; m <= 12; ++m) {
    double monthSum = 0;
    for (int d = 1; d <= kMonthDays[m]; ++d) {
      const double n = ++day + shift;
      const double angle = (0.986 * (n - 15 - lag) - 90) * std::numbers::pi / 180;
      monthSum += (mean + 6) + ratio * (swing / 2) * std::sin(angle);
    }
    mains[m] = std::max(kFreezingF, monthSum / kMonthDays[m]);
  }
  return mains;
}

}  // namespace solmon
