#pragma once
// Integral collector-storage water heater (kind 8): collector and tank in one
// unit, described by its one-day rating test, ahead of an auxiliary tank.
// The test gives the unit's loss coefficient and optical efficiency once per
// run; each month of use then balances the unit's tank over the average day,
// corrects for the draw and adds the auxiliary tank's standby loss.

#include "core/calc/calculation.h"

namespace solmon {

// The tested unit as the month's sheet gives it: all units together.
struct ICSUnit {
  double area = 0;          // glazing area, m^2 or ft^2
  double lossCoefficient = 0;  // the rating's UA, W/C or Btu/hr-F
  double netDelivery = 0;   // the rating's net energy delivery, kJ/day or Btu/day
  double volume = 0;        // tank volume, liters or gallons
};

// FRUL (kJ/hr-m^2-C or Btu/hr-ft^2-F) and FRTA at normal incidence into
// c.Collector from the rating test rows and the unit; uses the modifier table
// as filled for the month. False when the run stopped for a value that
// leaves no finite result.
bool EvaluateICSTest(Calculation& c, const ICSUnit& unit);

// The model of kind 8.
void RunICSWaterHeater(Calculation& c);

}  // namespace solmon
