#pragma once
// The weather table of the current location as the print command prints it:
// a title, headings, units, a rule and one line per month.

#include "core/model/project_state.h"
#include "core/report/report_output.h"

namespace solmon {

// Columns are 15 average character widths; the degree-days are recomputed
// with DegDayBase for the table (the project is not changed).
void PrintWeatherTable(const ProjectState& s, ReportOutput& out);

}  // namespace solmon
