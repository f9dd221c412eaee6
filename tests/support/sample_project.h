#pragma once
// A project filled with values every rule accepts, for tests that need whole
// sheets without a project file.

#include "core/model/catalogue.h"
#include "core/model/project_state.h"

namespace solmon::testing {

// A value the row's validation kind accepts in SI units.
inline double SampleValue(int code) {
  switch (ValidationKind(code)) {
    case 1: return 0.5;
    case 2: return 20;
    case 4: return 0.25;
    case 5: return 75;
    case 8: return 50;
    case 13: return 45;
    case 15: return 2;
    case 19: return 12;
    case 23: return 0.1;
    default: return 10;
  }
}

inline void FillSet(ProjectState& s, int sheet, int kind) {
  s.SetParamValue(sheet, kind, 0, 0);  // SI
  for (int row = 1; row <= SheetRowCount(sheet, kind); ++row) {
    const CatalogueRow e = CatalogueEntry(sheet, kind, row);
    s.SetParamValue(sheet, kind, row, IsChoiceCode(e.code) ? 1 : SampleValue(e.code));
  }
}

inline void FillSampleProject(ProjectState& s) {
  for (int sheet = 1; sheet <= kSheets; ++sheet)
    for (int kind = 1; kind <= SheetKindCount(sheet); ++kind) FillSet(s, sheet, kind);
  s.SheetKind = {0, 2, 1, 1};
  s.UnitSystem = 0;
  s.LocationIndex = 1;
  s.Location.SetName("MADISON WI");
  s.LocationName = "MADISON WI";
}

}  // namespace solmon::testing
