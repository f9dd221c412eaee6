#pragma once
// Pool heating (kind 6): a pool heated by collectors and a heater over a
// season of months. The loss model works in English units with absolute
// temperatures in degrees Rankine; SI inputs are converted on entry and the
// energies converted back on exit. When heater and collectors cannot hold the
// set temperature, or the collectors would overheat the pool, the month's
// pool temperature is found where the energies balance.

#include "core/calc/calculation.h"

namespace solmon {

namespace pool {
// Saturation pressure of water vapour (atm) at t (R): the loss model's own
// fit, not the weather import's formulation.
double SaturationPressure(double t);
}  // namespace pool

// The air's vapour pressure (atm) and the clear-sky temperature (R) of a month.
struct SkyConditions {
  double vaporPressure = 0;
  double skyTemperature = 0;
};

// The sky of month m from the location's humidity ratio and ambient
// temperature. The sky temperature is also written into the location's
// sky-temperature table, in the table's own units (C or F).
SkyConditions PoolSkyConditions(Calculation& c, int month);

// The pool and its surroundings in one month: English units, temperatures in
// R except the ground (F).
struct PoolMonth {
  double area = 1e-6;  // ft^2
  double depth = 0;    // ft
  int cover = 0;       // 0 none, 1 film, 2 bubble
  double hoursCovered = 0;
  double shade = 0;           // % of time
  double airTemperature = 0;  // R
  double groundTemperature = 0;  // F
  double wind = 0;               // miles/hr
  double vaporPressure = 0;      // atm
  double skyTemperature = 0;     // R
  double surfaceSolar = 0;       // Btu/ft^2-day on the pool surface
  int days = 31;
  bool si = false;  // energies leave in kJ instead of Btu
};

struct PoolLoss {
  double loss = 0;         // the month's net losses, kJ or Btu
  double surfaceGain = 0;  // solar absorbed by the pool surface
};

// The month's losses at pool temperature t (R).
PoolLoss PoolLosses(const PoolMonth& p, double t);

// The model of kind 6.
void RunPoolHeating(Calculation& c);

}  // namespace solmon
