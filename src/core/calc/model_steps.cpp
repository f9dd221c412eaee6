#include "core/calc/model_steps.h"

#include <cmath>

#include "core/model/numbers.h"
#include "core/model/solar_constants.h"

namespace solmon {

namespace {

const char* const kMonthNames[kMonths + 1] = {"",     "January", "February",  "March",   "April",
                                              "May",  "June",    "July",      "August",  "September",
                                              "October", "November", "December"};

auto& Records(Calculation& c) { return c.s.Results.MonthlyResults; }

}  // namespace

int DaysInMonth(int month) { return kMonthDays[month]; }

void ClearResults(Calculation& c) {
  ThermalResults& r = c.s.Results;
  r.FuelCostSolar = 0;
  r.FuelCostNoSolar = 0;
  for (int m = 1; m <= kMonths; ++m)
    for (int f = 1; f <= kResultFields; ++f) r.MonthlyResults[m][f] = kNoValue;
  for (int f = 1; f <= kResultFields; ++f) r.MonthlyResults[kYearRecord][f] = 0;
  c.ComputedMonths = 0;
}

std::optional<int> ReadFuel(Calculation& c, int row) {
  const long fuel = RoundToInt(c.SystemParam(row));
  if (fuel < 1 || fuel > 4) {
    StopForParameter(c, kSystemSheet, c.SystemKind, row, "must be one of the four fuels");
    return std::nullopt;
  }
  c.s.Results.Fuel = static_cast<std::int16_t>(fuel);
  return static_cast<int>(fuel);
}

std::optional<double> ReadEfficiency(Calculation& c, int row) {
  const double eta = c.SystemParam(row) / 100;
  if (!RequirePositive(c, eta, row)) return std::nullopt;
  return eta;
}

double FuelPrice(const Calculation& c, int fuel) {
  return c.s.ParamValue(kEconomicsSheet, 1, 2 * fuel + 2);
}

void AddFuelCosts(Calculation& c, int fuel, double eta, double aux, double loadWithoutSolar) {
  const double price = FuelPrice(c, fuel);
  c.s.Results.FuelCostSolar += aux / eta * price;
  c.s.Results.FuelCostNoSolar += loadWithoutSolar / eta * price;
}

bool StoreMonth(Calculation& c, int month, std::initializer_list<double> fields, int summed) {
  for (double v : fields) {
    if (!std::isfinite(v)) {
      StopRun(c, std::string("Calculation stopped: the parameters give no finite result for ") +
                     kMonthNames[month] + "; check the system and collector values.");
      return false;
    }
  }
  auto& records = Records(c);
  int f = 1;
  for (double v : fields) {
    records[month][f] = v;
    if (f <= summed) records[kYearRecord][f] += v;
    ++f;
  }
  ++c.ComputedMonths;
  return true;
}

double Year(const Calculation& c, int field) { return c.s.Results.MonthlyResults[kYearRecord][field]; }

double AnnualFraction(double aux, double load) { return load != 0 ? 1 - aux / load : 1; }

void FinishYear(Calculation& c, int fField, double annualF) {
  auto& year = Records(c)[kYearRecord];
  if (c.ComputedMonths == 0) {
    for (int f = 1; f <= kResultFields; ++f) year[f] = kNoValue;
    return;
  }
  bool finite = std::isfinite(annualF) && std::isfinite(c.s.Results.FuelCostSolar) &&
                std::isfinite(c.s.Results.FuelCostNoSolar);
  for (int f = 1; f <= kResultFields; ++f) finite = finite && std::isfinite(year[f]);
  if (!finite) {
    StopRun(c, "Calculation stopped: the parameters give no finite annual result; check the system and "
               "collector values.");
    return;
  }
  year[fField] = annualF;
}

bool MonthInSeason(int month, int first, int last) {
  if (first <= last) return month >= first && month <= last;
  return month >= first || month <= last;
}

bool RequirePositive(Calculation& c, double value, int systemRow) {
  if (value > 0) return true;
  StopForParameter(c, kSystemSheet, c.SystemKind, systemRow, "must be above 0");
  return false;
}

}  // namespace solmon
