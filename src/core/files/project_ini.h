#pragma once
// The readable source of a project: the defaults project is written as an
// INI-style text (values by sheet, kind and row, each with a comment naming
// its parameter) and turned into a project file by the build.
//
//   [project]            units, system, collector, economics, active_sheet,
//                        weather_file, location
//   [windows]            SHEET = VISIBLE LEFT TOP RIGHT BOTTOM
//   [sheet S kind K]     units = MARKER, then ROW = VALUE ; CAPTION ...
//   [extra N]            values = ten or twelve numbers (entries 1..)
//   [monthly N]          owner = SHEET.KIND.ROW, values = twelve numbers
//
// Every parameter set of the catalogue must be complete; every value must
// pass the row's validation rule (choices may be given by their item text);
// the comment of a row must begin with the row's caption, so a value cannot
// silently end up in the wrong row.

#include <istream>
#include <stdexcept>
#include <string>

#include "core/model/project_state.h"

namespace solmon {

class ProjectIniError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Replaces everything a project file holds; the location record and its
// derived tables stay empty until LoadLocation reads them from the weather
// file. Throws ProjectIniError naming the source, the line and the problem;
// `s` is then unchanged.
void ReadProjectIni(ProjectState& s, std::istream& in, const std::string& name);

}  // namespace solmon
