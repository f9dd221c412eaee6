#include "core/calc/direct_gain.h"

#include "core/calc/building_steps.h"
#include "core/calc/building_storage.h"
#include "core/calc/model_steps.h"
#include "core/calc/monthly_values.h"
#include "core/calc/radiation.h"

namespace solmon {

namespace {

// System-sheet rows of kind 4.
constexpr GlazingRows kWindow{.area = 2, .covers = 3, .slope = 4, .azimuth = 5};
constexpr int kTauAlpha = 6, kDayConductance = 7, kNightConductance = 8, kBuildingUA = 9;
constexpr int kStorageCapacity = 10, kLowThermostat = 11, kInternalGains = 12, kSwing = 13;
constexpr int kFuel = 14, kEfficiency = 15;

void DirectGainMonth(Calculation& c, int m) {
  ApplyMonthlyValues(c.s, m);
  if (!SetupGlazing(c, kWindow)) return;
  MonthlyRadiation(c, m);
  if (c.Stopped()) return;
  const double area = c.s.Results.CollectorArea;
  const double fTau = c.SystemParam(kTauAlpha);
  if (!RequirePositive(c, fTau, kTauAlpha)) return;
  RadiationRun& r = c.Radiation;
  const double absorbed = r.SBar;
  r.SBar = r.SBar * fTau;
  const double qu = area * absorbed * fTau * DaysInMonth(m);

  const double ud = c.SystemParam(kDayConductance);
  const double un = c.SystemParam(kNightConductance);
  const double buildingUA = c.SystemParam(kBuildingUA);
  const auto fuel = ReadFuel(c, kFuel);
  if (!fuel) return;
  const auto eta = ReadEfficiency(c, kEfficiency);
  if (!eta) return;
  const double ua = buildingUA + WindowConductance(DayFraction(c), ud, un) * area;
  if (!RequirePositive(c, ua, kBuildingUA)) return;
  const double tLow = c.SystemParam(kLowThermostat);
  const auto dd = BalanceDegreeDays(c, m, tLow, c.SystemParam(kInternalGains), ua, kLowThermostat);
  if (!dd) return;

  BuildingStorageInputs in;
  in.ua = ua;
  in.cb = c.SystemParam(kStorageCapacity);
  in.swing = c.SystemParam(kSwing);
  in.tLow = tLow;
  in.area = area;
  in.fTau = fTau;
  in.sBarFTau = r.SBar;
  in.qu = qu;
  in.degreeDays = *dd;
  const BuildingStorageMonth b = BuildingStorageFraction(c, m, in);
  const double aux = b.qaux / 1e6;
  if (!StoreMonth(c, m, {b.solar, b.load, aux, b.fs}, 3)) return;
  AddFuelCosts(c, *fuel, *eta, aux, b.load);
}

}  // namespace

void RunDirectGain(Calculation& c) {
  KeepLocationDegreeDays keep(c.s);
  ForEachMonth(c, [&](int m) { DirectGainMonth(c, m); });
  if (!c.Stopped()) FinishYear(c, 4, AnnualFraction(Year(c, 3), Year(c, 2)));
}

}  // namespace solmon
