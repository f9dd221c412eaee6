#include "core/weather/monthly_climate.h"

#include "core/weather/psychrometrics.h"

namespace solmon {

namespace {

constexpr double kBtuPerFt2PerWhPerM2 = 0.316998;
constexpr double kDegreeDayBaseF = 65;

double CelsiusToFahrenheit(double t) {
  return t * 1.8 + 32;
}

void Store(MonthlyReal6& table, const MonthlyValues& values) {
  for (int m = 1; m <= 12; ++m) table[m] = DoubleToReal6(values[m]);
}

MonthlyValues HumidityFromDewPoint(const MonthlyClimate& c) {
  const double p = StandardAtmospherePressure(c.elevation);
  MonthlyValues w{};
  for (int m = 1; m <= 12; ++m) w[m] = HumidityRatio(SaturationPressure(c.dewPoint[m]), p);
  return w;
}

}  // namespace

double SnowRuleReflectance(double dryBulb) {
  return dryBulb < -5 ? 0.7 : 0.2;
}

LocationRecord ClimateToRecord(const MonthlyClimate& c) {
  if (c.name.empty() || c.name.size() > kLocationNameMax)
    throw ClimateDataError("the location name \"" + c.name + "\" is not 1 to 32 characters long");
  MonthlyValues hBar{}, tAmb{}, reflect{};
  for (int m = 1; m <= 12; ++m) {
    hBar[m] = c.globalHorizontal[m] * kBtuPerFt2PerWhPerM2;
    tAmb[m] = CelsiusToFahrenheit(c.dryBulb[m]);
    reflect[m] = c.albedo[m].value_or(SnowRuleReflectance(c.dryBulb[m]));
  }
  LocationRecord r;
  r.SetName(c.name);
  try {
    r.Latitude = DoubleToReal6(c.latitude);
    r.DegDayBase = DoubleToReal6(kDegreeDayBaseF);
    Store(r.HBar, hBar);
    Store(r.TAmb, tAmb);
    Store(r.HumRatio, c.humidityRatio.value_or(HumidityFromDewPoint(c)));
    Store(r.TMains, MainsTemperatures(tAmb, c.latitude));
    Store(r.Reflect, reflect);
  } catch (const Real6Overflow&) {
    throw ClimateDataError("the climate data of \"" + c.name + "\" hold a value out of range");
  }
  return r;
}

}  // namespace solmon
