#pragma once
// Active collection with building storage (kind 3): air collectors deliver
// straight into the building, whose mass stores the heat within the allowed
// temperature swing. The building-storage correlation also serves the passive
// direct-gain model.

#include <optional>

#include "core/calc/calculation.h"

namespace solmon {

// What the model of kind 3 or 4 prepares for BuildingStorageFraction.
struct BuildingStorageInputs {
  double ua = 0;        // building UA (kind 4 with the window), W/C or Btu/hr-F; above 0
  double cb = 0;        // building storage capacity as on the sheet, MJ/C or Btu/F
  double swing = 0;     // allowable temperature swing
  double tLow = 0;      // low thermostat set temperature
  double area = 0;      // collector or window area; above 0
  double fTau = 0;      // the tau-alpha factor; above 0
  double sBarFTau = 0;  // S-bar x the tau-alpha factor
  // The utilizability product of collector and building (kind 3); without
  // it the building's own utilizability (kind 4).
  std::optional<double> utilizability;
  double qu = 0;          // useful energy at the low thermostat temperature, kJ or Btu
  double degreeDays = 0;  // the month's degree-days at the balance temperature
};

struct BuildingStorageMonth {
  double ls = 0;     // space load, kJ (SI) or Btu
  double fs = 1;     // space-heating solar fraction
  double qaux = 0;   // auxiliary space heat, kJ or Btu
  double solar = 0;  // field 1 of the month's record: incident solar, GJ or 10^6 Btu
  double load = 0;   // field 2: the load, GJ or 10^6 Btu
};

// The month's space load, solar fraction and auxiliary energy from the last
// MonthlyRadiation and the caller's values; a load below 10 kJ (Btu) is
// covered by the sun.
BuildingStorageMonth BuildingStorageFraction(const Calculation& c, int month,
                                             const BuildingStorageInputs& in);

// The model of kind 3.
void RunBuildingStorage(Calculation& c);

}  // namespace solmon
