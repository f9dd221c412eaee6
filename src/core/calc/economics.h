#pragma once
// Life-cycle economics of a run: reads the economics sheet and the run's
// thermal results, writes ProjectState::Economics.

#include "core/model/project_state.h"

namespace solmon {

// The present worth of n payments, the first of 1 at the end of the first
// period, growing by i percent, discounted at d percent.
double PresentWorthFactor(double n, double i, double d);

void RunEconomics(ProjectState& s);

}  // namespace solmon
