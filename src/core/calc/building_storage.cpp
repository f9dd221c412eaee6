#include "core/calc/building_storage.h"

#include <algorithm>
#include <cmath>

#include "core/calc/active_system.h"
#include "core/calc/building_steps.h"
#include "core/calc/collector.h"
#include "core/calc/model_steps.h"
#include "core/calc/monthly_values.h"
#include "core/calc/radiation.h"
#include "core/model/numbers.h"

namespace solmon {

namespace {

// System-sheet rows of kind 3.
constexpr int kBuildingUA = 2, kStorageCapacity = 3, kLowThermostat = 4, kInternalGains = 5,
              kSwing = 6;
constexpr int kFuel = 7, kEfficiency = 8, kDuctLosses = 9, kInletUA = 10, kOutletUA = 11;
constexpr int kLeakRate = 12, kLeakLocation = 13, kHotWater = 14, kUsage = 15, kSetTemp = 16;
constexpr int kEnvTemp = 17, kTankUA = 18, kExchangerFlow = 19, kExchangerEffectiveness = 20;

double Loc(const MonthlyReal6& values, int m) {
  return Real6ToDouble(values[m]);
}

bool IsYes(const Calculation& c, int row) {
  return RoundToInt(c.SystemParam(row)) == 1;
}

// Duct losses and leaks; a leak of the whole flow or more leaves no collector.
bool DuctCorrections(Calculation& c) {
  if (!IsYes(c, kDuctLosses)) return true;
  const double leak = c.SystemParam(kLeakRate) / 100;
  if (!(leak >= 0 && leak < 1)) {
    StopForParameter(c, kSystemSheet, c.SystemKind, kLeakRate, "must be at least 0 and below 100");
    return false;
  }
  return PipeLossCorrection(c, c.SystemParam(kInletUA), c.SystemParam(kOutletUA)) &&
         DuctLeakCorrection(c, static_cast<int>(RoundToInt(c.SystemParam(kLeakLocation))), leak);
}

// The critical levels divide by FR(tau alpha): it must be above 0.
bool RequireCollectorGain(Calculation& c) {
  if (c.Collector.FRTA > 0) return true;
  StopForParameter(c, kCollectorSheet, c.CollectorSheetKind(),
                   CollectorRowsOf(c.CollectorKind).frta, "must be above 0");
  return false;
}

void BuildingStorageMonthOf(Calculation& c, ActiveLoads& w, int m) {
  ApplyMonthlyValues(c.s, m);
  SetupCollector(c);
  MonthlyRadiation(c, m);
  if (c.Stopped() || !RequireCollectorArea(c) || !RequireCollectorGain(c)) return;
  const double ua = c.SystemParam(kBuildingUA);
  if (!RequirePositive(c, ua, kBuildingUA)) return;
  const double cb = c.SystemParam(kStorageCapacity);
  const double tLow = c.SystemParam(kLowThermostat);
  const auto dd = BalanceDegreeDays(c, m, tLow, c.SystemParam(kInternalGains), ua, kLowThermostat);
  if (!dd) return;
  const double swing = static_cast<double>(RoundToInt(c.SystemParam(kSwing)));
  const auto fuel = ReadFuel(c, kFuel);
  if (!fuel) return;
  const auto eta = ReadEfficiency(c, kEfficiency);
  if (!eta) return;
  w.fuel = *fuel;
  w.eta = *eta;
  if (!DuctCorrections(c) || !RequireCollectorGain(c)) return;

  const CollectorRun& k = c.Collector;
  RadiationRun& r = c.Radiation;
  const double area = c.s.Results.CollectorArea;
  const double ta = Loc(c.s.Location.TAmb, m);
  const double k3 = PowerFactor(c);
  const int days = DaysInMonth(m);
  const double ic1 = (k.FRUL / k.FRTA) * (tLow - ta) / r.TauAlphaRatio * k3;
  const double phi1 = DailyUtilizability(r, ic1);
  const double qu = area * r.SBar * k.FRTA * days * phi1;
  const double ic2 = ic1 + (tLow - ta) * ua / area / k.FRTA / r.TauAlphaRatio * k3;
  const double phi2 = DailyUtilizability(r, ic2);

  const double fTau = k.FRTA;
  r.SBar = r.SBar * fTau;
  BuildingStorageInputs in;
  in.ua = ua;
  in.cb = cb;
  in.swing = swing;
  in.tLow = tLow;
  in.area = area;
  in.fTau = fTau;
  in.sBarFTau = r.SBar;
  in.utilizability = phi1 * phi2;
  in.qu = qu;
  in.degreeDays = *dd;
  const BuildingStorageMonth b = BuildingStorageFraction(c, m, in);
  w.fs = b.fs;
  w.Ls = c.English() ? b.ls : b.ls * 1000;  // kJ to J

  w.dhwOn = static_cast<int>(RoundToInt(c.SystemParam(kHotWater)));
  w.setTemp = c.SystemParam(kSetTemp);
  const double exchangerRate = c.SystemParam(kExchangerFlow) * c.ByUnits(4.19 / 3600, 1) / area;
  w.Sw = 1;
  r.SBar = r.SBar / fTau;
  if (w.dhwOn == 1) {
    // The air-water exchanger lowers the collector for the hot-water part only.
    if (!ExchangerCorrection(c, exchangerRate, kExchangerFlow,
                             c.SystemParam(kExchangerEffectiveness), kExchangerEffectiveness))
      return;
    w.Lw = HotWaterLoad(c, m, w.dhwOn, c.SystemParam(kUsage), w.setTemp, c.SystemParam(kEnvTemp),
                        c.SystemParam(kTankUA));
  } else {
    w.Lw = 0;
  }
  double x = 0, y = 0;
  StoreActiveMonth(c, w, m, x, y);
}

}  // namespace

BuildingStorageMonth BuildingStorageFraction(const Calculation& c, int m,
                                             const BuildingStorageInputs& in) {
  const RadiationRun& r = c.Radiation;
  const double k3 = PowerFactor(c);
  const int days = DaysInMonth(m);
  BuildingStorageMonth b;
  b.ls = in.degreeDays * in.ua * k3 * 24;
  if (b.ls >= 10) {
    const double ta = Loc(c.s.Location.TAmb, m);
    const double ic = (in.tLow - ta) * in.ua / in.area / (r.TauAlphaRatio * in.fTau) * k3;
    const double phiC = DailyUtilizability(r, ic);
    const double phi = in.utilizability ? *in.utilizability : phiC;
    const double qd = in.area * in.sBarFTau * phi * days;
    double p = 1;
    if (qd >= 0.001) {
      const double y = in.cb * c.ByUnits(1000, 1) * in.swing * days / qd;  // MJ to kJ
      p = PowerOf(0.652, 1 - std::exp(-0.294 * y));
    }
    const double x = in.qu / b.ls;
    b.fs =
        std::clamp(p * x + (1 - p) * (3.082 - 3.142 * phiC) * (1 - std::exp(-0.329 * x)), 0.0, 1.0);
    b.qaux = (1 - b.fs) * b.ls;
  }
  b.solar = Loc(c.s.Location.HBar, m) * r.RBar * days * in.area / 1e6;
  b.load = b.ls / 1e6;
  return b;
}

void RunBuildingStorage(Calculation& c) {
  if (!RequireCollectorSheet(c)) return;
  KeepLocationDegreeDays keep(c.s);
  ActiveLoads w;
  ForEachMonth(c, [&](int m) { BuildingStorageMonthOf(c, w, m); });
  if (!c.Stopped()) FinishYear(c, 5, AnnualFraction(Year(c, 4), Year(c, 2) + Year(c, 3)));
}

}  // namespace solmon
