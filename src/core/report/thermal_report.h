#pragma once
// The monthly results table of the last run ("Thermal Output").

#include "core/model/project_state.h"
#include "core/report/report_output.h"

namespace solmon {

// Draws the table to the output's destination: the column set of the
// project's current system kind, one line per listed month and the year.
void DisplayThermal(const ProjectState& s, ReportOutput& out);

}  // namespace solmon
