#include "core/calc/active_system.h"

#include <algorithm>
#include <cmath>

#include "core/calc/collector.h"
#include "core/calc/model_steps.h"
#include "core/calc/monthly_values.h"
#include "core/calc/radiation.h"
#include "core/model/numbers.h"

namespace solmon {

namespace {

// Constants that depend on the unit system.
struct Units {
  double dt;    // seconds (hours) per day
  double eu;    // energy unit of the results: J per GJ, Btu per 10^6 Btu
  double ks;    // radiation scale, kJ to J
  double tref;  // reference temperature of X
  double cv;    // heat capacity of water per volume
  double cw;    // specific heat of water for exchanger flows
  double cdhw;  // constant of the hot-water X correction
};
constexpr Units kSIUnits{86400, 1e9, 1000, 100, 4190, 4.19, 11.6};
constexpr Units kEnglishUnits{24, 1e6, 1, 212, 8.33, 1, -66.0};
const Units& UnitsOf(const Calculation& c) { return c.English() ? kEnglishUnits : kSIUnits; }

// System-sheet rows of the three kinds (0: the kind has none).
struct ActiveRows {
  int storage = 2, buildingUA = 0, fuel = 0, efficiency = 0, dhw = 0;
  int usage = 0, setTemp = 0, envTemp = 0, tankUA = 0;
  int lossSwitch = 0, inletUA = 0, outletUA = 0;
  int airExchangerFlow = 0, airExchangerEffectiveness = 0, leakRate = 0, leakLocation = 0;  // kind 1
  int loadExchanger = 0, storeExchanger = 0, tankSideFlow = 0, exchangerEffectiveness = 0;  // kinds 2, 9
};

constexpr ActiveRows kPebbleBedRows{.buildingUA = 3, .fuel = 4, .efficiency = 5, .dhw = 6, .usage = 7,
                                    .setTemp = 8, .envTemp = 9, .tankUA = 10, .lossSwitch = 13,
                                    .inletUA = 14, .outletUA = 15, .airExchangerFlow = 11,
                                    .airExchangerEffectiveness = 12, .leakRate = 16, .leakLocation = 17};
constexpr ActiveRows kWaterStorageRows{.buildingUA = 3, .fuel = 4, .efficiency = 5, .dhw = 6, .usage = 7,
                                       .setTemp = 8, .envTemp = 9, .tankUA = 10, .lossSwitch = 11,
                                       .inletUA = 12, .outletUA = 13, .loadExchanger = 14,
                                       .storeExchanger = 15, .tankSideFlow = 16, .exchangerEffectiveness = 17};
constexpr ActiveRows kHotWaterRows{.fuel = 3, .efficiency = 4, .usage = 5, .setTemp = 6, .envTemp = 7,
                                   .tankUA = 8, .lossSwitch = 9, .inletUA = 10, .outletUA = 11,
                                   .storeExchanger = 12, .tankSideFlow = 13, .exchangerEffectiveness = 14};

const ActiveRows& RowsOf(int kind) {
  return kind == 1 ? kPebbleBedRows : kind == 2 ? kWaterStorageRows : kHotWaterRows;
}

double Loc(const MonthlyReal6& values, int m) { return Real6ToDouble(values[m]); }

bool IsYes(const Calculation& c, int row) { return RoundToInt(c.SystemParam(row)) == 1; }

// X and Y factors of one month before they are scaled by the collector.
struct Factors {
  double fx = 0, fy = 0, storageRatio = 0;
  double exchangerRate = 0, exchangerEffectiveness = 0;  // kind 1: the air-water exchanger
};

// Kind 1: pebble bed, air flow, duct losses and leaks.
bool AirFactors(Calculation& c, const ActiveRows& r, Factors& f) {
  const double area = c.s.Results.CollectorArea;
  f.exchangerRate = c.SystemParam(r.airExchangerFlow) * c.ByUnits(4.19 / 3600, 1) / area;
  f.exchangerEffectiveness = c.SystemParam(r.airExchangerEffectiveness);
  const double volume = c.SystemParam(r.storage);
  f.storageRatio = c.English() ? volume / 0.82 : 3.28 * volume / 0.82;
  const double cc = c.Collector.CcPrime;
  const double airFlow = c.English() ? cc / 2.16 : 175.6 * cc / 2.16;
  c.CalcMessageCode = 1;
  f.fx = PowerOf(0.28, airFlow) / PowerOf(0.3, f.storageRatio);
  f.fy = 1;
  if (!IsYes(c, r.lossSwitch)) return true;
  if (!PipeLossCorrection(c, c.SystemParam(r.inletUA), c.SystemParam(r.outletUA))) return false;
  const double leak = c.SystemParam(r.leakRate) / 100;
  if (leak > 0)
    return DuctLeakCorrection(c, static_cast<int>(RoundToInt(c.SystemParam(r.leakLocation))), leak);
  return true;
}

// Kinds 2 and 9: water storage, pipe losses, collector-store exchanger.
bool LiquidFactors(Calculation& c, const ActiveRows& r, double buildingUA, ActiveLoads& w, Factors& f) {
  if (IsYes(c, r.lossSwitch) &&
      !PipeLossCorrection(c, c.SystemParam(r.inletUA), c.SystemParam(r.outletUA)))
    return false;
  if (IsYes(c, r.storeExchanger) &&
      !ExchangerCorrection(c, c.SystemParam(r.tankSideFlow) * UnitsOf(c).cw, r.tankSideFlow,
                           c.SystemParam(r.exchangerEffectiveness), r.exchangerEffectiveness))
    return false;
  const double volume = c.SystemParam(r.storage);
  f.storageRatio = c.English() ? volume / 1.85 : volume / 1.85 / 40.5;
  const double loadRatio = r.loadExchanger ? c.SystemParam(r.loadExchanger) : 1;
  if (loadRatio < 0) {
    StopForParameter(c, kSystemSheet, c.SystemKind, r.loadExchanger, "must not be negative");
    return false;
  }
  w.Sw = buildingUA >= 0.001 ? 1 : f.storageRatio;
  f.fy = 0.39 + 0.65 * std::exp(-0.139 / (2 * loadRatio));
  f.fx = 1 / PowerOf(0.25, f.storageRatio);
  c.CalcMessageCode = 2;
  return true;
}

void ActiveMonth(Calculation& c, const ActiveRows& r, ActiveLoads& w, int m) {
  ApplyMonthlyValues(c.s, m);
  SetupCollector(c);
  MonthlyRadiation(c, m);
  if (c.Stopped()) return;
  const bool air = c.SystemKind == 1;
  const double buildingUA = r.buildingUA ? c.SystemParam(r.buildingUA) : 0;
  const auto fuel = ReadFuel(c, r.fuel);
  if (!fuel) return;
  const auto eta = ReadEfficiency(c, r.efficiency);
  if (!eta) return;
  w.fuel = *fuel;
  w.eta = *eta;
  w.dhwOn = r.dhw ? static_cast<int>(RoundToInt(c.SystemParam(r.dhw))) : 1;
  const double usage = c.SystemParam(r.usage);
  w.setTemp = c.SystemParam(r.setTemp);
  const double envTemp = c.SystemParam(r.envTemp);
  const double tankUA = c.SystemParam(r.tankUA);

  Factors f;
  if (air) {
    w.Sw = 1;
    if (!AirFactors(c, r, f)) return;
  } else if (!LiquidFactors(c, r, buildingUA, w, f)) {
    return;
  }
  if (buildingUA > 0 && !StorageRatioInRange(f.storageRatio)) {
    CalcMessage(c);  // the month is abandoned; its record stays blank
    return;
  }
  if (!RequirePositive(c, f.storageRatio, r.storage)) return;

  const Units& u = UnitsOf(c);
  const CollectorRun& k = c.Collector;
  const double area = c.s.Results.CollectorArea;
  w.Lw = HotWaterLoad(c, m, w.dhwOn, usage, w.setTemp, envTemp, tankUA);
  const double fx = area * k.FRUL * u.dt * f.fx;
  const double fy = f.fy * area * k.FRTA * u.ks;
  w.Ls = buildingUA > 0 ? Real6ToDouble(c.s.DegDays[m]) * u.dt * buildingUA : 0;
  double load = w.Ls + w.Lw;
  if (!(load > 0)) {
    load = 1;  // one joule (Btu) of space load keeps the ratios finite
    w.Ls = 1;
  }
  const int days = DaysInMonth(m);
  double y = days * c.Radiation.SBar * fy / load;
  double x = days * (u.tref - Loc(c.s.Location.TAmb, m)) * fx / load;
  if (w.Ls > 0) {
    if (air) {
      w.fs = SolarFractionAir(x, y);
      // The air-water exchanger lowers the collector for the hot-water part,
      // which is only computed with hot water on.
      if (w.dhwOn == 1 && !ExchangerCorrection(c, f.exchangerRate, r.airExchangerFlow,
                                               f.exchangerEffectiveness, r.airExchangerEffectiveness))
        return;
    } else if (c.SystemKind == 2) {
      w.fs = SolarFractionLiquid(x, y);
    }
  }
  StoreActiveMonth(c, w, m, x, y);
}

double Correlation(double x, double y, const double (&k)[5]) {
  if (x > 15) x = 15;
  if (y > 3) return 1;
  const double y2 = y * y;
  const double f = k[0] * y - k[1] * x - k[2] * y2 + k[3] * (x * x) + k[4] * (y2 * y);
  return std::clamp(f, 0.0, 1.0);
}

}  // namespace

bool ExchangerCorrection(Calculation& c, double tankSideRate, int flowRow, double effectiveness,
                         int effectivenessRow) {
  return RequireCollectorLoop(c) && RequirePositive(c, tankSideRate, flowRow) &&
         RequirePositive(c, effectiveness, effectivenessRow) &&
         HeatExchangerCorrection(c, tankSideRate, effectiveness);
}

bool RequireCollectorSheet(Calculation& c) {
  if (c.CollectorKind >= 1 && c.CollectorKind <= 5) return true;
  StopRun(c, "Calculation stopped: this system needs a collector; choose a collector kind.");
  return false;
}

double SolarFractionLiquid(double x, double y) {
  static const double k[5] = {1.029, 0.065, 0.245, 0.0018, 0.0215};
  return Correlation(x, y, k);
}

double SolarFractionAir(double x, double y) {
  static const double k[5] = {1.040, 0.065, 0.159, 0.00187, -0.0095};
  return Correlation(x, y, k);
}

double HotWaterLoad(const Calculation& c, int m, int dhwOn, double usage, double setTemp, double envTemp,
                    double tankUA) {
  if (dhwOn != 1) return 0;
  const Units& u = UnitsOf(c);
  const double mains = Loc(c.s.Location.TMains, m);
  return DaysInMonth(m) * (u.cv * usage * (setTemp - mains) + u.dt * tankUA * (setTemp - envTemp));
}

bool DuctLeakCorrection(Calculation& c, int location, double p) {
  CollectorRun& k = c.Collector;
  const double cc = c.CapacitanceScale() * k.CcPrime;
  if (location == 1) {
    k.FRUL = (1 - p) * k.FRUL + p * cc;
    return true;
  }
  if (location != 2 && location != 3) return true;
  if (k.FRUL == 0) {
    StopForParameter(c, kCollectorSheet, c.CollectorSheetKind(), CollectorRowsOf(c.CollectorKind).frul,
                     "must be above 0");
    return false;
  }
  const double r = cc / k.FRUL;
  const double h = location == 2 ? p : p / 2;
  const double q = PowerOf(1 / (1 - h), 1 - 1 / r);
  const double d = (1 - q) * (1 - h) * r;
  if (location == 2) {
    k.FRUL = k.FRUL * d + p * cc;
    k.FRTA = k.FRTA * d;
  } else {
    k.FRTA = k.FRTA * d;
    k.FRUL = k.FRUL * d * (1 - 2 * h) / (1 - h) + 2 * h * cc;
  }
  return true;
}

void StoreActiveMonth(Calculation& c, ActiveLoads& w, int m, double& x, double& y) {
  const Units& u = UnitsOf(c);
  const CollectorRun& k = c.Collector;
  const LocationRecord& loc = c.s.Location;
  const double area = c.s.Results.CollectorArea;
  const int days = DaysInMonth(m);
  const double load = w.Ls + w.Lw;
  if (w.dhwOn == 1) {
    const double tc = u.cdhw + 1.18 * w.setTemp + 3.86 * Loc(loc.TMains, m);
    if (load > 0) {
      x = days * area * k.FRUL * u.dt * (tc - 2.32 * Loc(loc.TAmb, m)) / (PowerOf(0.25, w.Sw) * load);
      y = days * area * k.FRTA * c.Radiation.SBar * u.ks / load;
      w.fw = SolarFractionLiquid(x, y);
    } else {
      w.fw = 1;
    }
  }
  const double solar = Loc(loc.HBar, m) * c.Radiation.RBar * days * area / 1e6;
  const double heat = w.Ls / u.eu;
  const double dhw = w.Lw / u.eu;
  const double f = w.Ls + w.Lw > 0 ? (w.fw * w.Lw + w.fs * w.Ls) / (w.Ls + w.Lw) : 1;
  const double aux = (1 - f) * load / u.eu;
  if (!StoreMonth(c, m, {solar, heat, dhw, aux, f}, 4)) return;
  AddFuelCosts(c, w.fuel, w.eta, aux, heat + dhw);
}

void RunActiveSystem(Calculation& c) {
  if (!RequireCollectorSheet(c)) return;
  const ActiveRows& rows = RowsOf(c.SystemKind);
  ActiveLoads w;
  ForEachMonth(c, [&](int m) { ActiveMonth(c, rows, w, m); });
  if (!c.Stopped()) FinishYear(c, 5, AnnualFraction(Year(c, 4), Year(c, 2) + Year(c, 3)));
}

}  // namespace solmon
