#pragma once
// Checks on the results store shared by the system-model tests.

#include <cmath>

#include "core/calc/results.h"
#include "core/model/project_state.h"

namespace solmon::testing {

// Every field of every record blank (-999), as after a stopped run.
inline bool ResultsAllBlank(const ProjectState& s) {
  for (int r = 1; r <= kYearRecord; ++r)
    for (int f = 1; f <= kResultFields; ++f)
      if (s.Results.MonthlyResults[r][f] != kNoValue) return false;
  return true;
}

// No NaN or infinity in any record or fuel-cost sum.
inline bool ResultsAllFinite(const ProjectState& s) {
  for (int r = 1; r <= kYearRecord; ++r)
    for (int f = 1; f <= kResultFields; ++f)
      if (!std::isfinite(s.Results.MonthlyResults[r][f])) return false;
  return std::isfinite(s.Results.FuelCostSolar) && std::isfinite(s.Results.FuelCostNoSolar);
}

}  // namespace solmon::testing
