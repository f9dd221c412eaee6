#pragma once
// Moist-air relations used to turn climate statistics into humidity ratios.

namespace solmon {

// Saturation vapour pressure in Pa at t degrees C: the Hyland-Wexler
// formulation, over ice below 0 C and over liquid water from 0 C.
double SaturationPressure(double t);

// Pressure of the standard atmosphere in Pa at an elevation in m.
double StandardAtmospherePressure(double elevation);

// Humidity ratio (kg water per kg dry air) from the water vapour partial
// pressure pw and the total pressure p, both in Pa.
double HumidityRatio(double pw, double p);

}  // namespace solmon
