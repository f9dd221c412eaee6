#include "core/calc/pool_heating.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>

#include "core/calc/active_system.h"
#include "core/calc/collector.h"
#include "core/calc/model_steps.h"
#include "core/calc/monthly_values.h"
#include "core/calc/radiation.h"
#include "core/model/numbers.h"

namespace solmon {

using pool::SaturationPressure;

namespace {

// System-sheet rows of kind 6.
enum PoolRow {
  kArea = 2, kSetTemperature, kFirstMonth, kLastMonth, kCover, kHoursCovered, kDepth, kLocation,
  kShade, kWind, kRoomHumidity, kRoomTemperature, kFuel, kHeaterCapacity, kEfficiency, kPipeLoss,
  kInletUA, kOutletUA
};

constexpr int kIndoor = 1;
constexpr int kMaxIterations = 250;
// The same restart temperatures in every run of the same project.
constexpr std::uint64_t kRestartSeed = 20240601;

double ToRankine(bool english, double t) { return english ? t + 460 : 1.8 * t + 491.67; }
double FromRankine(bool english, double r) { return english ? r - 460 : (r - 491.67) / 1.8; }
double ToFahrenheit(bool english, double t) { return english ? t : 1.8 * t + 32; }
double Pow4(double x) {
  const double x2 = x * x;
  return x2 * x2;
}

double Param(const Calculation& c, PoolRow row) { return c.SystemParam(row); }

// Uniform numbers in [0, 1) for the restart of an iterate that fell too low;
// the engine's own generator, so every platform draws the same numbers.
class RestartSource {
 public:
  double Next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

 private:
  std::mt19937_64 engine_{kRestartSeed};
};

// Stops the run naming the row unless value >= 0.
bool RequireNotNegative(Calculation& c, double value, PoolRow row) {
  if (value >= 0) return true;
  StopForParameter(c, kSystemSheet, c.SystemKind, row, "must not be negative");
  return false;
}

// The pool rows and the month's surroundings, converted to English units.
bool ReadPoolMonth(Calculation& c, int m, PoolMonth& p) {
  const bool english = c.English();
  const LocationRecord& loc = c.s.Location;
  p.si = !english;
  p.days = DaysInMonth(m);
  double area = Param(c, kArea);
  if (!(area > 0)) area = 1e-6;  // keeps the per-area terms finite
  p.area = english ? area : area / 0.0929;
  const long cover = RoundToInt(Param(c, kCover)) - 1;
  if (cover < 0 || cover > 2) {
    StopForParameter(c, kSystemSheet, c.SystemKind, kCover, "must be None, Film or Bubble");
    return false;
  }
  p.cover = static_cast<int>(cover);
  p.hoursCovered = Param(c, kHoursCovered);
  const double depth = Param(c, kDepth);
  if (!RequireNotNegative(c, depth, kDepth)) return false;  // the wetted area would shrink to nothing
  p.depth = english ? depth : depth / 0.3043;
  p.shade = Param(c, kShade);
  // The location's sky, also when the pool is indoors: it is the location's.
  const SkyConditions sky = PoolSkyConditions(c, m);
  if (RoundToInt(Param(c, kLocation)) == kIndoor) {
    const double room = Param(c, kRoomTemperature);
    p.airTemperature = ToRankine(english, room);
    p.groundTemperature = ToFahrenheit(english, room);
    p.wind = 0;
    p.skyTemperature = p.airTemperature;
    p.vaporPressure = Param(c, kRoomHumidity) / 100 * SaturationPressure(p.airTemperature);
    p.surfaceSolar = 0;
    return true;
  }
  const double wind = Param(c, kWind);
  if (!RequireNotNegative(c, wind, kWind)) return false;  // the film coefficient could vanish
  p.wind = english ? wind : wind / 0.447;
  p.airTemperature = ToRankine(english, Real6ToDouble(loc.TAmb[m]));
  p.groundTemperature = ToFahrenheit(english, Real6ToDouble(c.s.TMean));
  p.vaporPressure = sky.vaporPressure;
  p.skyTemperature = sky.skyTemperature;
  const double hbar = Real6ToDouble(loc.HBar[m]);
  p.surfaceSolar = 0.9 * (english ? hbar : hbar * 0.088) * (0.96 - 0.01 * (p.cover * p.cover));
  return true;
}

// One month of the pool: the collectors' gain at a pool temperature, and the
// search for the temperature at which the month balances.
class PoolMonthBalance {
 public:
  PoolMonthBalance(Calculation& c, const PoolMonth& p, int m, RestartSource& random)
      : c_(c), p_(p), m_(m), random_(random) {}

  // Useful collector energy at a pool temperature in the sheet's units.
  double CollectorGain(double pool) const {
    const CollectorRun& k = c_.Collector;
    const double ambient = Real6ToDouble(c_.s.Location.TAmb[m_]);
    const double k3 = c_.ByUnits(3.6, 1);
    const double critical = (pool - ambient) * k.FRUL / k.FRTA / c_.Radiation.TauAlphaRatio * k3;
    return c_.s.Results.CollectorArea * k.FRTA * c_.Radiation.SBar * p_.days *
           DailyUtilizability(c_.Radiation, critical);
  }

  // The secant search from t (where the losses and gain are given) for
  // losses = collector gain + heater energy; t, losses and gain become those
  // of the last temperature evaluated.
  void Balance(double heater, bool cooling, double& t, PoolLoss& loss, double& gain) {
    double t0 = t;
    double r0 = loss.loss - gain - heater;
    double t1 = cooling ? t - 5 : t + 5;
    for (int n = 1; n <= kMaxIterations; ++n) {
      loss = PoolLosses(p_, t1);
      gain = CollectorGain(FromRankine(c_.English(), t1));
      const double r1 = loss.loss - gain - heater;
      t = t1;
      if (std::fabs(r1) < 1e-6 * loss.loss) return;
      const double next = r1 == r0 ? t1 : t1 - (t1 - t0) * r1 / (r1 - r0);
      t0 = t1;
      r0 = r1;
      // An iterate too cold for the loss model (or none at all) starts again
      // somewhere between 400 and 500 R.
      t1 = next >= 400 ? next : 400 + 100 * random_.Next();
    }
    c_.Report("Pool calculations did not converge in month " + std::to_string(m_) + " in " +
              c_.s.Location.Name());
  }

  // Collectors that would overheat the pool: the pool is held at the set
  // temperature and the collectors deliver only the losses.
  void HoldAtSetTemperature(double tset, double& t, PoolLoss& loss, double& gain) const {
    while (std::isfinite(t) && loss.loss >= 0 && t >= tset) {
      const double lower = t - 0.1;
      if (lower == t) break;  // too far out for steps of 0.1 R
      t = lower;
      loss = PoolLosses(p_, t);
      gain = std::max(loss.loss, 0.0);
    }
    if (loss.loss < 0) loss.loss = 0;
    if (t < tset) t = tset;
  }

 private:
  Calculation& c_;
  const PoolMonth& p_;
  int m_;
  RestartSource& random_;
};

void PoolHeatingMonth(Calculation& c, int m, RestartSource& random) {
  ApplyMonthlyValues(c.s, m);
  SetupCollector(c);
  if (c.Stopped()) return;
  const auto fuel = ReadFuel(c, kFuel);
  if (!fuel) return;
  const auto eta = ReadEfficiency(c, kEfficiency);
  if (!eta) return;
  PoolMonth p;
  if (!ReadPoolMonth(c, m, p)) return;
  const bool english = c.English();
  const double area = c.s.Results.CollectorArea;
  if (RoundToInt(Param(c, kPipeLoss)) == 1 && area > 0 &&
      !PipeLossCorrection(c, Param(c, kInletUA), Param(c, kOutletUA)))
    return;

  const double set = Param(c, kSetTemperature);
  const double tset = ToRankine(english, set);
  double t = tset;
  PoolLoss loss = PoolLosses(p, t);
  if (loss.loss < 0) loss.loss = 0;
  double gain = 0;
  if (area > 0) {
    if (!RequireCollectorIntercept(c)) return;
    MonthlyRadiation(c, m);
    if (c.Stopped()) return;
    PoolMonthBalance month(c, p, m, random);
    gain = month.CollectorGain(set);
    const double capacity = english ? Param(c, kHeaterCapacity) : Param(c, kHeaterCapacity) / 0.0002931;
    double heater = capacity * 24 * p.days * (english ? 1 : 1.055);
    if (loss.loss < gain) heater = 0;
    const bool cooling = heater < loss.loss - gain;
    if (cooling || loss.loss < gain) {
      month.Balance(heater, cooling, t, loss, gain);
      if (t > tset && gain > 0) month.HoldAtSetTemperature(tset, t, loss, gain);
    }
  } else {
    c.Radiation.TauAlphaRatio = 1;
  }

  const double qcoll = gain / 1e6;
  const double qpool = loss.surfaceGain / 1e6;
  const double load = loss.loss / 1e6;
  const double aux = std::max((loss.loss - gain) / 1e6, 0.0);
  const double f = load > 0 ? 1 - aux / load : 1;
  const double pool = t == tset ? set : FromRankine(english, t);
  if (!StoreMonth(c, m, {qcoll, qpool, load, aux, f, pool}, 4)) return;
  AddFuelCosts(c, *fuel, *eta, aux, load);
}

}  // namespace

double pool::SaturationPressure(double t) { return 0.0247 * std::exp(-9548 * (1 / t - 1.0 / 530)); }

SkyConditions PoolSkyConditions(Calculation& c, int m) {
  const bool english = c.English();
  double w = Real6ToDouble(c.s.Location.HumRatio[m]);
  if (!(w > 0)) w = 0.001;  // as the location's own sky temperatures take it
  SkyConditions sky;
  sky.vaporPressure = w / (0.622 + w);
  const double dewPoint = 1 / (1.0 / 530 - std::log(sky.vaporPressure / 0.0247) / 9548) / 1.8 - 273.15;
  const double emissivity = 0.711 + 0.56 * (dewPoint / 100) + 0.73 * ((dewPoint / 100) * (dewPoint / 100));
  const double ambient = ToRankine(english, Real6ToDouble(c.s.Location.TAmb[m]));
  sky.skyTemperature = PowerOf(0.25, emissivity) * ambient;
  c.s.TSky[m] = DoubleToReal6(FromRankine(english, sky.skyTemperature));
  return sky;
}

PoolLoss PoolLosses(const PoolMonth& p, double t) {
  const double radiation = 3.7e-8 * (Pow4(t) - Pow4(p.skyTemperature));
  const double pw = SaturationPressure(t);
  double virtualDifference = t / (1 - 0.378 * pw) - p.airTemperature / (1 - 0.378 * p.vaporPressure);
  if (virtualDifference < 1e-6) virtualDifference = 1e-6;
  double pressureDifference = pw - p.vaporPressure;
  if (pressureDifference < 0) pressureDifference = 0;
  const double h = 569 * PowerOf(1.0 / 3, virtualDifference) + 254 * p.wind;
  const double hoursUncovered = p.cover > 0 ? 24 - p.hoursCovered : 24;
  const double evaporation = h * pressureDifference * 29.92 * hoursUncovered / 24;
  const double coverResistance = p.cover == 2 ? 0.078 : 0;
  const double convection = (t - p.airTemperature) / (coverResistance + 100 / h);
  const double wetted = p.area + 6 * p.depth * std::sqrt(p.area / 2);
  const double radius = std::sqrt(wetted / 2 / std::numbers::pi);
  const double conduction = (99 / radius) * ((t - 460) - p.groundTemperature) * wetted / p.area;
  const double solar = p.surfaceSolar * (100 - p.shade) / 100;
  const double unit = p.si ? 1.055 : 1;  // Btu to kJ
  PoolLoss loss;
  loss.loss = (evaporation + convection + radiation + conduction - solar) * p.days * p.area * unit;
  loss.surfaceGain = solar * p.days * p.area * unit;
  return loss;
}

void RunPoolHeating(Calculation& c) {
  if (!RequireCollectorSheet(c)) return;
  RestartSource random;
  const int first = static_cast<int>(RoundToInt(Param(c, kFirstMonth)));
  const int last = static_cast<int>(RoundToInt(Param(c, kLastMonth)));
  ForEachMonth(c, [&](int m) {
    if (MonthInSeason(m, first, last)) PoolHeatingMonth(c, m, random);
  });
  if (c.Stopped()) return;
  const double load = Year(c, 3), aux = Year(c, 4);
  FinishYear(c, 5, load > 0 ? (load - aux) / load : 1);
  if (!c.Stopped()) c.s.Results.MonthlyResults[kYearRecord][6] = kNoValue;
}

}  // namespace solmon
