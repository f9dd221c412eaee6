#pragma once
// Solar radiation on the receiving surface (collector, window or wall) over
// the average day of a month, in eight hour-angle steps, and the daily
// utilizability above a critical intensity.

#include "core/calc/calculation.h"

namespace solmon {

// Fills c.Radiation for month 1..12 of the current location and the surface
// of c.Collector (geometry by c.CollectorKind). Does nothing once the run has
// stopped. In a month without sunrise every output and step is cleared.
void MonthlyRadiation(Calculation& c, int month);

// cos of the incidence angle on a surface of azimuth gamma (radians) and
// slope (sin, cos), for the sun at azimuth gammaS (radians) and zenith (sin, cos).
double SurfaceCosIncidence(double gamma, double sinSlope, double cosSlope, double gammaS,
                           double sinZenith, double cosZenith);

// The fraction of the month's surface radiation above the critical intensity
// (per hour, the units of StepI0), from the steps of the last MonthlyRadiation.
double DailyUtilizability(const RadiationRun& r, double criticalIntensity);

}  // namespace solmon
