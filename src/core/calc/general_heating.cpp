#include "core/calc/general_heating.h"

#include <algorithm>
#include <cmath>

#include "core/calc/active_system.h"
#include "core/calc/collector.h"
#include "core/calc/model_steps.h"
#include "core/calc/monthly_values.h"
#include "core/calc/radiation.h"
#include "core/model/numbers.h"

namespace solmon {

namespace {

// System-sheet rows of kind 7.
enum GeneralRow {
  kDailyEnergy = 2, kLoadFlow, kLoadEffectiveness, kMinimumTemperature, kTankVolume, kSpecificHeat,
  kDensity, kTankUA, kTankEnvironment, kFuel, kEfficiency, kPipeLoss, kInletUA, kOutletUA,
  kStoreExchanger, kTankSideFlow, kExchangerEffectiveness
};

constexpr int kNewtonSteps = 16;
constexpr int kMaxPasses = 100;

double Param(const Calculation& c, GeneralRow row) { return c.SystemParam(row); }
bool IsYes(const Calculation& c, GeneralRow row) { return RoundToInt(Param(c, row)) == 1; }

// The month's load and tank, as the sheet gives them.
struct GeneralMonth {
  int days = 31;
  double load = 0;          // L, kJ or Btu
  double capacitance = 0;   // C of the load exchanger, per day
  double storageRatio = 1;  // Rs
  double tankUA = 0, minimum = 0, environment = 0;
  double ambient = 0, hbar = 0;  // of the location
};

// The collector corrections the sheet asks for.
bool CorrectCollector(Calculation& c, double specificHeat) {
  if (IsYes(c, kPipeLoss) && !PipeLossCorrection(c, Param(c, kInletUA), Param(c, kOutletUA))) return false;
  if (!IsYes(c, kStoreExchanger)) return true;
  return ExchangerCorrection(c, Param(c, kTankSideFlow) * specificHeat, kTankSideFlow,
                             Param(c, kExchangerEffectiveness), kExchangerEffectiveness);
}

// The storage ratio: a tank without volume, density or heat capacity stores
// nothing, which the correlation's powers cannot express.
bool ReadStorageRatio(Calculation& c, GeneralMonth& g) {
  const double area = c.s.Results.CollectorArea;
  g.storageRatio = 1;
  if (!(area > 0)) return true;
  const double volume = Param(c, kTankVolume), density = Param(c, kDensity), cp = Param(c, kSpecificHeat);
  if (!RequirePositive(c, volume, kTankVolume) || !RequirePositive(c, density, kDensity) ||
      !RequirePositive(c, cp, kSpecificHeat))
    return false;
  g.storageRatio = volume * density * cp / area / c.ByUnits(350000, 115.4);
  return true;
}

// The load exchanger's capacitance divides the tank temperature and enters
// the load group: a load needs it.
bool RequireLoadCapacitance(Calculation& c) {
  return RequirePositive(c, Param(c, kLoadFlow), kLoadFlow) &&
         RequirePositive(c, Param(c, kLoadEffectiveness), kLoadEffectiveness) &&
         RequirePositive(c, Param(c, kSpecificHeat), kSpecificHeat);
}

// The fraction and tank loss of one month.
struct TankBalance {
  double f = 1;
  double tankLoss = 0;
};

// The iteration on the tank temperature; false when the run stopped.
bool BalanceTank(Calculation& c, const GeneralMonth& g, TankBalance& b) {
  const CollectorRun& k = c.Collector;
  const RadiationRun& r = c.Radiation;
  const double k3 = c.ByUnits(3.6, 1);
  const double referenceDifference = c.ByUnits(100, 180);
  const double english = c.English() ? 1 : 0;
  const double area = c.s.Results.CollectorArea;
  double tank = g.minimum, average = g.minimum, previousAverage = g.minimum, previousCritical = -999;
  for (int pass = 1;; ++pass) {
    b.tankLoss = (tank - g.environment) * g.tankUA * g.days * 24 * k3;
    const double critical = (average - g.ambient) * k.FRUL / k.FRTA / r.TauAlphaRatio * k3;
    const double phiMax = DailyUtilizability(r, critical);
    if (g.load <= 0) {
      b.f = 1;
      b.tankLoss = 0;
      return true;
    }
    const double served = g.load + b.tankLoss;
    if (!(served > 0)) {  // the tank would gain more than the load takes
      StopForParameter(c, kSystemSheet, c.SystemKind, kTankUA,
                       "gives a tank heat gain as large as the load; check it and the tank environment temperature");
      return false;
    }
    const double y = area * k.FRTA * r.TauAlphaRatio * r.RBar * g.hbar * g.days / served;
    const double x = area * k.FRUL * referenceDifference * 24 * k3 * g.days / served;
    const double z = (1 + 0.8 * english) * 100 * g.capacitance * g.days / g.load;
    const double fPrime = GeneralSolarFraction(c, y, phiMax, x, g.storageRatio, z);
    b.f = std::clamp((1 + b.tankLoss / g.load) * fPrime - b.tankLoss / g.load, 0.0, 1.0);
    if (std::fabs(critical - previousCritical) < 0.1 || pass > kMaxPasses) return true;
    average = ((b.f * g.load / g.capacitance / g.days + g.minimum) + previousAverage) / 2;
    tank = average + 0.0115 * (1 + 0.8 * english) * PowerOf(-0.985, g.storageRatio) *
                         (std::exp(8.094 * b.f) - 1) * std::exp(-3.454 * z);
    previousCritical = critical;
    previousAverage = average;
  }
}

void GeneralMonthRun(Calculation& c, int m) {
  ApplyMonthlyValues(c.s, m);
  SetupCollector(c);
  if (c.Stopped()) return;
  GeneralMonth g;
  if (!ReadStorageRatio(c, g)) return;
  g.days = DaysInMonth(m);
  g.tankUA = Param(c, kTankUA);
  g.minimum = Param(c, kMinimumTemperature);
  g.environment = Param(c, kTankEnvironment);
  g.ambient = Real6ToDouble(c.s.Location.TAmb[m]);
  g.hbar = Real6ToDouble(c.s.Location.HBar[m]);
  const auto fuel = ReadFuel(c, kFuel);
  if (!fuel) return;
  const auto eta = ReadEfficiency(c, kEfficiency);
  if (!eta) return;
  const double cp = Param(c, kSpecificHeat);
  g.capacitance = Param(c, kLoadFlow) * Param(c, kLoadEffectiveness) * cp;
  g.load = Param(c, kDailyEnergy) * g.days * 1e6;
  if (g.load > 0 && !RequireLoadCapacitance(c)) return;
  if (!CorrectCollector(c, cp) || !RequireCollectorIntercept(c)) return;
  MonthlyRadiation(c, m);
  if (c.Stopped()) return;
  TankBalance b;
  if (!BalanceTank(c, g, b)) return;

  const double solar = g.hbar * c.Radiation.RBar * c.s.Results.CollectorArea * g.days / 1e6;
  const double load = g.load / 1e6;
  const double aux = (1 - b.f) * g.load / 1e6;
  if (!StoreMonth(c, m, {solar, load, b.tankLoss / 1e6, aux, b.f}, 4)) return;
  AddFuelCosts(c, *fuel, *eta, aux, load);
}

}  // namespace

double GeneralSolarFraction(Calculation& c, double y, double phiMax, double x, double rs, double z) {
  const double p = y * phiMax;
  const double k = 0.015 * (1 - std::exp(-0.15 * x)) * PowerOf(-0.76, rs) * std::exp(-1.959 * z);
  if (p > 10) return 2;
  double f = p;
  int steps = 0;
  bool close = false;
  do {
    const double e = std::exp(3.85 * f);
    const double g = p - k * (e - 1) - f;
    double next = f - g / (-3.85 * k * e - 1);
    if (next > 1.1) next = 1.1;
    close = std::fabs(next - f) < 0.001;
    f = next;
    ++steps;
  } while (!close && steps < kNewtonSteps);
  if (steps == kNewtonSteps) {
    c.CalcMessageCode = 5;
    CalcMessage(c);
  }
  return f;
}

void RunGeneralSystem(Calculation& c) {
  if (!RequireCollectorSheet(c)) return;
  ForEachMonth(c, [&](int m) { GeneralMonthRun(c, m); });
  if (!c.Stopped()) FinishYear(c, 5, AnnualFraction(Year(c, 4), Year(c, 2)));
}

}  // namespace solmon
