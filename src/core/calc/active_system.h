#pragma once
// Active air and liquid systems (kinds 1 pebble bed, 2 water storage, 9
// domestic hot water only): the monthly solar fraction from the correlations
// in X and Y. The correlations, the hot-water load, the duct-leak correction
// and the month's result step also serve the building-storage model.

#include "core/calc/calculation.h"

namespace solmon {

// The month's loads and fractions, carried from month to month within a run.
struct ActiveLoads {
  double Ls = 1;  // space-heating load, J or Btu
  double Lw = 0;  // hot-water load
  double fs = 0;  // space solar fraction
  double fw = 0;  // hot-water solar fraction
  double Sw = 1;  // storage factor of the hot-water X
  int dhwOn = 0;  // 1 when the hot-water load is on
  double setTemp = 0;  // water set temperature
  int fuel = 1;
  double eta = 1;  // efficiency of fuel usage, fraction
};

// The storage check of a system with a building load: bounds inclusive.
inline bool StorageRatioInRange(double ratio) { return ratio >= 0.5 && ratio <= 4.0; }

double SolarFractionLiquid(double x, double y);
double SolarFractionAir(double x, double y);

// The month's hot-water load in J (SI) or Btu (English); 0 unless dhwOn is 1.
double HotWaterLoad(const Calculation& c, int month, int dhwOn, double usage, double setTemp,
                    double envTemp, double tankUA);

// Corrects FRUL and FRTA for an air-duct leak of fraction p at location 1 (In),
// 2 (Out) or 3 (Both). Returns false (the run stopped) when it cannot.
bool DuctLeakCorrection(Calculation& c, int location, double p);

// The hot-water fraction, then record m, the year sums and the fuel-cost sums.
// x and y receive the hot-water X and Y when they are computed.
void StoreActiveMonth(Calculation& c, ActiveLoads& w, int month, double& x, double& y);

// A collector-store or air-water exchanger with the system-sheet rows of its
// tank-side rate and effectiveness: stops the run naming the row that is not
// above 0, or the collector loop without area or flow.
bool ExchangerCorrection(Calculation& c, double tankSideRate, int flowRow, double effectiveness,
                         int effectivenessRow);

// Stops the run unless the project has a collector sheet.
bool RequireCollectorSheet(Calculation& c);

// The model of kinds 1, 2 and 9.
void RunActiveSystem(Calculation& c);

}  // namespace solmon
