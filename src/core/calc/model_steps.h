#pragma once
// The steps every system model shares: the month loop, the sheet rows every
// kind has (fuel and its efficiency), the fuel-cost sums, writing a month's
// record and closing the year. A model file holds only what is particular to
// its kind and calls these in its month loop:
//
//   ForEachMonth(c, [&](int m) {
//     ApplyMonthlyValues(c.s, m);          // before any parameter is read
//     ... the model's month, returning early once c.Stopped() ...
//     StoreMonth(c, m, {solar, load, aux, f}, 3);   // fields 1..4, add 1..3 to the year
//     AddFuelCosts(c, fuel, eta, aux, load);
//   });
//   if (!c.Stopped()) FinishYear(c, 4, AnnualFraction(Year(c, 3), Year(c, 2)));
//
// A month the model does not compute keeps the blank record (-999) the driver
// wrote before the model started.

#include <initializer_list>
#include <optional>

#include "core/calc/calculation.h"

namespace solmon {

// Days of month 1..12; February always has 28.
int DaysInMonth(int month);

// Calls month(m) for m = 1..12 while the run has not stopped.
template <class MonthFn>
void ForEachMonth(Calculation& c, MonthFn&& month) {
  for (int m = 1; m <= kMonths && !c.Stopped(); ++m) month(m);
}

// What the driver does before a model runs: records 1..12 blank (-999 in
// every field), the year record 0, the fuel-cost sums 0, no month computed.
void ClearResults(Calculation& c);

// The "Fuel" choice of a system-sheet row, rounded; also kept in Results.Fuel.
// Stops the run unless it is 1..4.
std::optional<int> ReadFuel(Calculation& c, int row);
// "Efficiency of fuel usage" of a system-sheet row as a fraction; stops the
// run unless it is above 0.
std::optional<double> ReadEfficiency(Calculation& c, int row);

// The price of fuel 1..4 on the economics sheet (row 2 x fuel + 2), in the
// sheet's own units.
double FuelPrice(const Calculation& c, int fuel);
// FuelCostSolar += aux / eta x price; FuelCostNoSolar += loadWithoutSolar / eta x price.
void AddFuelCosts(Calculation& c, int fuel, double eta, double aux, double loadWithoutSolar);

// Writes fields 1.. of record m from `fields`, adds the first `summed` of them
// to the year record and counts the month as computed. A value that is not a
// finite number stops the run instead (the record stays blank); false then.
bool StoreMonth(Calculation& c, int month, std::initializer_list<double> fields, int summed);

// Field `field` of the year record.
double Year(const Calculation& c, int field);
// 1 - aux / load, and 1 when there is no load at all.
double AnnualFraction(double aux, double load);
// Ends the year: field fField of the year record := annualF. A year without a
// computed month has no annual result: every field of the year record is -999.
void FinishYear(Calculation& c, int fField, double annualF);

// A season of months first..last; one that runs over the year end
// (first > last) holds first..December and January..last.
bool MonthInSeason(int month, int first, int last);

// Stops the run naming the system-sheet row unless value > 0.
bool RequirePositive(Calculation& c, double value, int systemRow);

}  // namespace solmon
