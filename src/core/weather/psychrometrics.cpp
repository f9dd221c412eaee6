#include "core/weather/psychrometrics.h"

#include <cmath>

namespace solmon {

double SaturationPressure(double t) {
  const double k = t + 273.15;
  if (t < 0)
    return std::exp(-5.6745359e3 / k + 6.3925247 - 9.6778430e-3 * k + 6.2215701e-7 * k * k +
                    2.0747825e-9 * k * k * k - 9.4840240e-13 * k * k * k * k +
                    4.1635019 * std::log(k));
  return std::exp(-5.8002206e3 / k + 1.3914993 - 4.8640239e-2 * k + 4.1764768e-5 * k * k -
                  1.4452093e-8 * k * k * k + 6.5459673 * std::log(k));
}

double StandardAtmospherePressure(double elevation) {
  return 101325 * std::pow(1 - 2.25577e-5 * elevation, 5.2559);
}

double HumidityRatio(double pw, double p) {
  return 0.621945 * pw / (p - pw);
}

}  // namespace solmon
