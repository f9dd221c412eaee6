#include "core/calc/ics_heater.h"

#include <cmath>

#include "core/calc/collector.h"
#include "core/calc/model_steps.h"
#include "core/calc/monthly_values.h"
#include "core/calc/radiation.h"
#include "core/model/numbers.h"
#include "core/model/solar_constants.h"
#include "core/weather/weather_grid.h"

namespace solmon {

namespace {

// System-sheet rows of kind 8.
enum ICSRow {
  kUnits = 2, kAreaPerUnit, kRatedUA, kNetDelivery, kSlope, kAzimuth, kModifierCalculation, kCovers,
  kModifierConstant, kModifierValues, kFuel, kEfficiency, kUsage, kSetTemperature, kVolumePerUnit,
  kAuxTankUA, kAuxEnvironment, kFirstMonth, kLastMonth, kTestAmbient, kTestMains, kTestDraw,
  kTestEnergy, kTestRadiation
};

double Param(const Calculation& c, ICSRow row) { return c.SystemParam(row); }

bool Stop(Calculation& c, ICSRow row, const std::string& requirement) {
  StopForParameter(c, kSystemSheet, c.SystemKind, row, requirement);
  return false;
}

bool RequireAbove0(Calculation& c, double value, ICSRow row) {
  return value > 0 || Stop(c, row, "must be above 0");
}

// Heat capacity of the water per unit of usage: kJ/liter-C, Btu/gallon-F.
double WaterCapacity(const Calculation& c) { return c.ByUnits(4.19, 8.33); }

// The unit of the month: the tested units together.
bool ReadUnit(Calculation& c, ICSUnit& u) {
  const double units = static_cast<double>(RoundToInt(Param(c, kUnits)));
  if (!RequireAbove0(c, units, kUnits)) return false;
  u.area = units * Param(c, kAreaPerUnit);
  u.lossCoefficient = Param(c, kRatedUA);
  u.netDelivery = Param(c, kNetDelivery);
  u.volume = units * Param(c, kVolumePerUnit);
  c.s.Results.CollectorArea = u.area;
  return RequireAbove0(c, u.area, kAreaPerUnit) && RequireAbove0(c, u.volume, kVolumePerUnit);
}

// The glazing's surface and its incidence angle modifiers.
bool SetupGlazing(Calculation& c) {
  CollectorRun& k = c.Collector;
  k.SurfaceSlope = Param(c, kSlope);
  k.SurfaceAzimuth = Param(c, kAzimuth);  // as entered: the unit may face either way
  switch (RoundToInt(Param(c, kModifierCalculation))) {
    case 1: {
      k.IAMGlazings = static_cast<std::int32_t>(RoundToInt(Param(c, kCovers)));
      if (k.IAMGlazings < 0 || !FillIAMByGlazings(k, k.IAMGlazings)) return Stop(c, kCovers, "must be 0 to 4");
      break;
    }
    case 2:
      k.IAMGlazings = -1;
      k.IAMRow = 1;
      k.IAMConstant = Param(c, kModifierConstant);
      FillIAMByGlazings(k, -1);
      break;
    case 3:
      FillModifierRow(c, 1, Param(c, kModifierValues));
      break;
    default:
      break;  // the table stays as it was
  }
  return true;
}

// The row that filled the modifier table, for a message about it.
ICSRow ModifierRow(const Calculation& c) {
  switch (RoundToInt(Param(c, kModifierCalculation))) {
    case 1: return kCovers;
    case 2: return kModifierConstant;
    default: return kModifierValues;
  }
}

// Everything of one month of use that the record needs.
struct ICSDay {
  double load = 0;     // the day's hot-water load Ld
  double standby = 0;  // the auxiliary tank's daily loss Lx
  double f = 0;
};

bool BalanceDay(Calculation& c, int m, const ICSUnit& u, ICSDay& day) {
  const CollectorRun& k = c.Collector;
  const LocationRecord& loc = c.s.Location;
  const double cv = WaterCapacity(c);
  const double usage = Param(c, kUsage);
  const double set = Param(c, kSetTemperature);
  const double auxUA = Param(c, kAuxTankUA) * c.ByUnits(3.6, 1);
  const double auxEnvironment = Param(c, kAuxEnvironment);
  const double ambient = Real6ToDouble(loc.TAmb[m]);
  const double mains = Real6ToDouble(loc.TMains[m]);
  if (!RequireAbove0(c, usage, kUsage)) return false;
  if (!(set > mains)) return Stop(c, kSetTemperature, "must be above the mains water temperature");

  const double cosSlope = std::cos(k.SurfaceSlope * kDegreeFactor);
  const double sink = Real6ToDouble(c.s.TSky[m]) * (1 + cosSlope) / 2 + ambient * (1 - cosSlope) / 2;
  const double effective = ambient - 0.25 * (ambient - sink);
  const double tank = (usage * cv * mains + c.Radiation.SBar * u.area * k.FRTA + k.FRUL * u.area * 24 * effective) /
                      (usage * cv + k.FRUL * u.area * 24);
  const double theta = (tank - mains) / (set - mains);
  day.load = (set - mains) * usage * cv;
  double r = theta * (1 + (1 - theta) * 0.17 / (usage / u.volume));
  if (theta > r) r = theta;
  day.standby = auxUA * 24 * (set - auxEnvironment);
  if (!(day.load + day.standby > 0))
    return Stop(c, kAuxEnvironment, "gives the auxiliary tank a standby gain as large as the load");
  day.f = r * day.load / (day.load + day.standby);
  if (day.f > 1) day.f = 1;
  return true;
}

void ICSMonth(Calculation& c, int m, bool& tested) {
  ApplyMonthlyValues(c.s, m);
  ICSUnit u;
  if (!ReadUnit(c, u) || !SetupGlazing(c)) return;
  const auto fuel = ReadFuel(c, kFuel);
  if (!fuel) return;
  const auto eta = ReadEfficiency(c, kEfficiency);
  if (!eta) return;
  if (!tested) {
    if (!EvaluateICSTest(c, u)) return;
    tested = true;  // the first month of use rates the unit for the whole run
  }
  MonthlyRadiation(c, m);
  if (c.Stopped()) return;
  ICSDay day;
  if (!BalanceDay(c, m, u, day)) return;

  const int days = DaysInMonth(m);
  const double solar = Real6ToDouble(c.s.Location.HBar[m]) * c.Radiation.RBar * days * u.area / 1e6;
  const double load = day.load / 1e6 * days;
  const double loss = day.standby / 1e6 * days;
  const double aux = (1 - day.f) * (load + loss);
  if (!StoreMonth(c, m, {solar, load, loss, aux, day.f}, 5)) return;
  // The standby loss is not a cost of the house without the solar unit.
  const double price = FuelPrice(c, *fuel);
  c.s.Results.FuelCostSolar += price * aux / *eta;
  c.s.Results.FuelCostNoSolar += price * load / *eta;
}

}  // namespace

bool EvaluateICSTest(Calculation& c, const ICSUnit& u) {
  CollectorRun& k = c.Collector;
  const bool english = c.English();
  const double cv = WaterCapacity(c);
  double delivery = english ? 120 : 48.9;
  const double ambient = Param(c, kTestAmbient);
  const double mains = Param(c, kTestMains);
  const double draw = english ? Param(c, kTestDraw) : 0.993 * Param(c, kTestDraw);
  const double energy = Param(c, kTestEnergy);
  const double radiation = Param(c, kTestRadiation);
  if (!RequireAbove0(c, u.area, kAreaPerUnit) || !RequireAbove0(c, u.volume, kVolumePerUnit) ||
      !RequireAbove0(c, draw, kTestDraw) || !RequireAbove0(c, energy, kTestEnergy) ||
      !RequireAbove0(c, radiation, kTestRadiation))
    return false;
  k.FRUL = english ? u.lossCoefficient / u.area : 3.6 * u.lossCoefficient / u.area;

  const double a = 0.17 / (draw / u.volume);
  double r = u.netDelivery / energy;
  if (r > 1) {
    r = 1;
    delivery = u.netDelivery / draw / cv + mains;
  }
  // The smaller root of a x^2 - (1 + a) x + r = 0; its discriminant is at
  // least (1 - a)^2, never below 0 but for rounding.
  const double discriminant = (1 + a) * (1 + a) - 4 * a * r;
  const double x = ((1 + a) - std::sqrt(discriminant > 0 ? discriminant : 0)) / (2 * a);
  const double tank = mains + x * (delivery - mains);
  const double loss = k.FRUL * u.area * 24;
  k.FRTA = ((loss + draw * cv) * tank - draw * cv * mains - loss * ambient) / (radiation * u.area);

  const auto modifier = [&](double angle) { return IAMLookup(k, k.IAMRow, angle); };
  const double normal = modifier(0);
  const double mean = normal != 0 ? (200 * modifier(60) + 300 * modifier(45) + 360 * modifier(30) +
                                     420 * modifier(15) + 220 * modifier(0)) /
                                        1500 / normal
                                  : 0;
  if (mean == 0 || !std::isfinite(mean))
    return Stop(c, ModifierRow(c), "gives no incidence angle modifier to rate the unit with");
  k.FRTA = k.FRTA / mean;
  return true;
}

namespace {

// The sky temperatures from the location record in the project's units. The
// table follows a unit switch only while the system kind uses it, so a
// location loaded (or converted) under another kind left it in F.
void SkyFromTheRecord(Calculation& c) {
  ProjectState work = c.s;
  work.SheetKind[1] = 8;
  RefreshSkyTemperatures(work);
  c.s.TSky = work.TSky;
}

}  // namespace

void RunICSWaterHeater(Calculation& c) {
  SkyFromTheRecord(c);
  c.CollectorKind = 0;  // the unit's glazing is a fixed flat surface
  c.Collector.IAMRow = 1;
  bool tested = false;
  ForEachMonth(c, [&](int m) {
    const int first = static_cast<int>(RoundToInt(Param(c, kFirstMonth)));
    const int last = static_cast<int>(RoundToInt(Param(c, kLastMonth)));
    if (MonthInSeason(m, first, last)) ICSMonth(c, m, tested);
  });
  if (c.Stopped()) return;
  FinishYear(c, 5, AnnualFraction(Year(c, 4), Year(c, 2) + Year(c, 3)));
  if (!tested) return;
  c.s.Results.ICSOpticalEfficiency = c.Collector.FRTA;
  c.s.Results.ICSLossCoefficient = c.English() ? c.Collector.FRUL : c.Collector.FRUL / 3.6;
}

}  // namespace solmon
