#pragma once
// The life-cycle economics of the last run ("Economics Output"), in the
// detail of its level: 1 summary with the life cycle cost, 2 brief,
// 3 detailed, 4 with the cash-flow table.

#include "core/model/project_state.h"
#include "core/report/report_output.h"

namespace solmon {

void DisplayEcon(const ProjectState& s, ReportOutput& out);

}  // namespace solmon
