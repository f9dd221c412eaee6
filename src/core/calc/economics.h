#pragma once
// Life-cycle economics of a run: reads the economics sheet and the run's
// thermal results, writes ProjectState::Economics.

#include <cstdint>

#include "core/model/project_state.h"

namespace solmon {

// ErrorCode of a run whose economics could not be calculated; ErrorMessage
// then says which value of the economics sheet is to blame.
constexpr std::int16_t kEconomicsErrorCode = 40;

// The present worth of n payments, the first of 1 at the end of the first
// period, growing by i percent, discounted at d percent.
double PresentWorthFactor(double n, double i, double d);

// Overwrites every economics result. A sheet value outside the range the
// sheet accepts (only a damaged project holds one) or an amount beyond the
// cash-flow table's range leaves the results zero and sets ErrorCode to
// kEconomicsErrorCode and ErrorMessage; the run's results are then not valid.
void RunEconomics(ProjectState& s);

}  // namespace solmon
