#pragma once
// Passive direct gain (kind 4): the sun through the windows, stored in the
// building's mass within the allowable temperature swing. No collector sheet:
// the window is the radiation model's surface.

#include "core/calc/calculation.h"

namespace solmon {

// The model of kind 4.
void RunDirectGain(Calculation& c);

}  // namespace solmon
