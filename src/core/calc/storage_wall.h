#pragma once
// Passive storage wall (kind 5): a glazed masonry wall conducts the absorbed
// sun into the room; wall and building store it, night insulation cuts the
// wall's night loss. No collector sheet: the wall is the radiation model's
// surface.

#include "core/calc/calculation.h"

namespace solmon {

// Conductances of the wall and its glazing, W/m^2-C (SI) or Btu/hr-ft^2-F.
struct WallConductances {
  double inside = 0;   // hi, inside surface film
  double glazing = 0;  // Ug
  double day = 0;      // glazing to room by day
  double night = 0;    // glazing to room at night, through the night insulation
  double wall = 0;     // Uk, outer wall face to room
};

// thickness, conductivity (above 0) and night R-value as on the sheet.
WallConductances StorageWallConductances(bool english, int covers, double thickness,
                                         double conductivity, double nightR);

// The storage-wall correlation: x the load ratio, the wall storage term, the
// building storage capacity (kJ/C or Btu/F) x swing x days, and the
// dumped energy Qd. Up to 100 dumped the storage ratio is taken as large.
double StorageWallFraction(double x, double wallStorage, double buildingStorage, double dumped);

// The model of kind 5.
void RunStorageWall(Calculation& c);

}  // namespace solmon
