#pragma once
// General heating system (kind 7): a daily liquid load above a minimum useful
// temperature, served through a load heat exchanger from a storage tank. The
// month's solar fraction comes from a utilizability correlation solved by
// Newton's method, inside an iteration that brings the tank temperature (and
// with it the collectors' critical level and the tank losses) into balance.

#include "core/calc/calculation.h"

namespace solmon {

// The correlation's fraction for the dimensionless groups: y (absorbed
// radiation), phiMax (the utilizability at the critical level), x (losses),
// storage ratio rs and load-exchanger group z. Returns 2 when Y x phiMax is
// above 10; message 34 when Newton's method takes 16 steps.
double GeneralSolarFraction(Calculation& c, double y, double phiMax, double x, double rs, double z);

// The model of kind 7.
void RunGeneralSystem(Calculation& c);

}  // namespace solmon
