#include "core/calc/building_steps.h"

#include "core/calc/collector.h"
#include "core/files/real6.h"
#include "core/model/numbers.h"
#include "core/weather/weather_file.h"

namespace solmon {

namespace {

constexpr double kPi = 3.1415927;  // the half-day arithmetic of the radiation model

}  // namespace

std::optional<double> BalanceDegreeDays(Calculation& c, int month, double tLow, double qInt,
                                        double ua, int tLowRow) {
  const double tb = tLow - qInt * c.ByUnits(1000, 1) / ua / 24;
  try {
    ComputeDegreeDays(c.s, month, tb);
  } catch (const Real6Overflow&) {
    StopForParameter(c, kSystemSheet, c.SystemKind, tLowRow,
                     "gives more degree-days than a month can hold");
    return std::nullopt;
  }
  return Real6ToDouble(c.s.DegDays[month]);
}

bool SetupGlazing(Calculation& c, const GlazingRows& rows) {
  const double area = c.SystemParam(rows.area);
  if (!(area > 0)) {
    StopForParameter(c, kSystemSheet, c.SystemKind, rows.area, "must be above 0");
    return false;
  }
  CollectorRun& k = c.Collector;
  const long covers = RoundToInt(c.SystemParam(rows.covers));
  k.IAMConstant = 0;
  if (covers < 0 || !FillIAMByGlazings(k, static_cast<int>(covers))) {
    StopForParameter(c, kSystemSheet, c.SystemKind, rows.covers, "must be 1 to 4");
    return false;
  }
  k.SurfaceSlope = c.SystemParam(rows.slope);
  k.SurfaceAzimuth = c.SystemParam(rows.azimuth);
  k.IAMRow = 1;
  c.CollectorKind = 1;
  c.s.Results.CollectorArea = area;
  return true;
}

double DayFraction(const Calculation& c) {
  return c.Radiation.SunsetAngle / kPi;
}

}  // namespace solmon
