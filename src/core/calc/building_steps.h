#pragma once
// Steps shared by the models whose building stores the solar heat (kinds 3
// active collection with building storage, 4 direct gain, 5 storage wall):
// the degree-days at the building's balance temperature, the passive glazing
// as a fixed flat surface, and the day fraction of the window conductances.

#include <array>
#include <optional>

#include "core/calc/calculation.h"

namespace solmon {

// k3 of these models: W-h to kJ (SI), 1 (English).
inline double PowerFactor(const Calculation& c) {
  return c.ByUnits(3.6, 1);
}

// The month's degree-days for the balance temperature Tb = tLow - qInt / ua / 24
// (qInt in kW-hr/day in SI, Btu/day in English): the location's degree-day
// entry of the month is overwritten with them. The caller makes sure ua > 0.
// Stops the run naming the thermostat row when the degree-days are too large
// to hold.
std::optional<double> BalanceDegreeDays(Calculation& c, int month, double tLow, double qInt,
                                        double ua, int tLowRow);

// The location's degree-days as they were before the model, put back when the
// model ends: a later run of another kind, the weather window and a saved
// project see the degree-days of the location's own base, not those of this
// building.
class KeepLocationDegreeDays {
 public:
  explicit KeepLocationDegreeDays(ProjectState& s) : s_(s), kept_(s.DegDays) {}
  ~KeepLocationDegreeDays() { s_.DegDays = kept_; }
  KeepLocationDegreeDays(const KeepLocationDegreeDays&) = delete;
  KeepLocationDegreeDays& operator=(const KeepLocationDegreeDays&) = delete;

 private:
  ProjectState& s_;
  std::array<Real6, 13> kept_;
};

// System-sheet rows of a window or wall.
struct GlazingRows {
  int area, covers, slope, azimuth;
};

// The window or wall of a passive system as the radiation model's surface: a
// fixed flat surface (CollectorKind 1 for the rest of the run) glazed with the
// rounded number of covers, the azimuth as entered. Sets CollectorArea.
// Stops the run for an area that is not above 0 or a number of covers the
// modifier table does not know.
bool SetupGlazing(Calculation& c, const GlazingRows& rows);

// The part of the average day with the sun up: sunset hour angle / pi.
double DayFraction(const Calculation& c);

// The day and night conductances weighted by the day fraction.
inline double WindowConductance(double dayFraction, double day, double night) {
  return dayFraction * day + (1 - dayFraction) * night;
}

}  // namespace solmon
