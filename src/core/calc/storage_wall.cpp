#include "core/calc/storage_wall.h"

#include <algorithm>
#include <cmath>

#include "core/calc/building_steps.h"
#include "core/calc/model_steps.h"
#include "core/calc/monthly_values.h"
#include "core/calc/radiation.h"
#include "core/model/numbers.h"

namespace solmon {

namespace {

// System-sheet rows of kind 5.
constexpr GlazingRows kWall{.area = 2, .covers = 3, .slope = 4, .azimuth = 5};
constexpr int kTauAlpha = 6, kThickness = 7, kConductivity = 8, kDensity = 9, kSpecificHeat = 10;
constexpr int kNightR = 11, kBuildingUA = 12, kStorageCapacity = 13, kLowThermostat = 14;
constexpr int kInternalGains = 15, kSwing = 16, kFuel = 17, kEfficiency = 18;

double Loc(const MonthlyReal6& values, int m) {
  return Real6ToDouble(values[m]);
}

bool RequireNotNegative(Calculation& c, double value, int row) {
  if (value >= 0) return true;
  StopForParameter(c, kSystemSheet, c.SystemKind, row, "must not be negative");
  return false;
}

void StorageWallMonth(Calculation& c, int m) {
  ApplyMonthlyValues(c.s, m);
  if (!SetupGlazing(c, kWall)) return;
  const double fTau = c.SystemParam(kTauAlpha);
  const double thickness = c.SystemParam(kThickness);
  const double conductivity = c.SystemParam(kConductivity);
  const double rhoC = c.SystemParam(kDensity) * c.SystemParam(kSpecificHeat);
  const double area = c.s.Results.CollectorArea;
  const double buildingUA = c.SystemParam(kBuildingUA);
  const double cb = c.SystemParam(kStorageCapacity) * c.ByUnits(1000, 1);  // MJ to kJ
  const double nightR = c.SystemParam(kNightR);
  const double tLow = c.SystemParam(kLowThermostat);
  const double swing = c.SystemParam(kSwing);
  if (!RequirePositive(c, fTau, kTauAlpha) || !RequireNotNegative(c, thickness, kThickness) ||
      !RequirePositive(c, conductivity, kConductivity) || !RequireNotNegative(c, nightR, kNightR))
    return;
  const auto fuel = ReadFuel(c, kFuel);
  if (!fuel) return;
  const auto eta = ReadEfficiency(c, kEfficiency);
  if (!eta) return;
  const int covers = static_cast<int>(RoundToInt(c.SystemParam(kWall.covers)));
  const WallConductances u =
      StorageWallConductances(c.English(), covers, thickness, conductivity, nightR);

  MonthlyRadiation(c, m);
  if (c.Stopped()) return;
  RadiationRun& r = c.Radiation;
  r.SBar = r.SBar * fTau;
  const double uw = WindowConductance(DayFraction(c), u.day, u.night);
  const double ua = uw * area + buildingUA;
  if (!RequirePositive(c, ua, kBuildingUA)) return;  // the balance temperature divides by it
  const auto dd = BalanceDegreeDays(c, m, tLow, c.SystemParam(kInternalGains), ua, kLowThermostat);
  if (!dd) return;

  const double dayFactor = 24 * PowerFactor(c);
  const int days = DaysInMonth(m);
  const double ta = Loc(c.s.Location.TAmb, m);
  const double buildingLoad = *dd * buildingUA * dayFactor;
  const double wallLoad = *dd * area * uw * dayFactor;
  const double outerWall =
      ((u.glazing * ta + u.wall * tLow) * dayFactor + r.SBar) / ((u.wall + u.glazing) * dayFactor);
  const double netGain = u.wall * area * (outerWall - tLow) * dayFactor * days;
  const double ic = (tLow - ta) * ((u.glazing / u.wall + 1) * buildingUA + u.glazing * area) /
                    (r.TauAlphaRatio * fTau) / area * c.ByUnits(3.6, 1);
  const double phi = DailyUtilizability(r, ic);
  const double dumped = u.wall * area / (u.glazing + u.wall) * r.SBar * days * phi;

  const double load = buildingLoad + wallLoad;
  double fs = 1;
  if (!(load < 10)) {
    const double x = (wallLoad + netGain) / load;
    const double wallStorage =
        netGain * rhoC * (thickness * thickness) / (2 * conductivity * dayFactor);
    fs = StorageWallFraction(x, wallStorage, cb * swing * days, dumped);
  }
  const double aux = (1 - fs) * load / 1e6;
  const double solar = Loc(c.s.Location.HBar, m) * area * r.RBar * days / 1e6;
  if (!StoreMonth(c, m, {solar, load / 1e6, aux, fs}, 3)) return;
  AddFuelCosts(c, *fuel, *eta, aux, load / 1e6);
}

}  // namespace

WallConductances StorageWallConductances(bool english, int covers, double thickness,
                                         double conductivity, double nightR) {
  const double scale = english ? 5.67 : 1;  // W/m^2-C to Btu/hr-ft^2-F
  WallConductances u;
  u.inside = 8.335 / scale;
  u.glazing = (covers == 1 ? 3.7 : covers == 2 ? 2.55 : 1.9) / scale;
  const double series = 1 / u.glazing + 1 / u.inside + thickness / conductivity;
  u.day = 1 / series;
  u.night = 1 / (series + nightR);
  u.wall = u.inside * conductivity / (u.inside * thickness + conductivity);
  return u;
}

double StorageWallFraction(double x, double wallStorage, double buildingStorage, double dumped) {
  double y = 1000;
  if (dumped > 100) y = (0.047 * wallStorage + buildingStorage) / dumped;
  double p = 1;
  if (y < 100) p = PowerOf(0.53, 1 - std::exp(-0.144 * y));
  return std::clamp(p * x + (1 - p) * 0.88 * (1 - std::exp(-1.26 * x)), 0.0, 1.0);
}

void RunStorageWall(Calculation& c) {
  KeepLocationDegreeDays keep(c.s);
  ForEachMonth(c, [&](int m) { StorageWallMonth(c, m); });
  if (!c.Stopped()) FinishYear(c, 4, AnnualFraction(Year(c, 3), Year(c, 2)));
}

}  // namespace solmon
