#pragma once
// What building an input sheet does to the project's values, without a
// window: table-valued rows are resolved (angle and depreciation rows get
// their fixed references, a monthly table is claimed by the row that refers
// to it) and a set whose units marker differs from the project's unit system
// is converted through the values as the sheet shows them.

#include "core/model/project_state.h"

namespace solmon {

// Resolves the table references of the set (sheet, kind) as its sheet shows
// them.
void ResolveSheetTables(ProjectState& s, int sheet, int kind);

// Converts the numeric rows of the set (sheet, kind) from `from` to `to`
// (0 SI, 1 English) as the sheet converts its fields: each value is read as
// shown (the row's digits), converted with the row's unit and stored; the
// location row, angle-modifier rows and table-valued rows keep their values.
// The units marker becomes `to`. Nothing happens when both are equal.
void ConvertSheetUnits(ProjectState& s, int sheet, int kind, int from, int to);

// Both steps for one sheet of the current kind, as a sheet window's creation
// does them. Nothing happens for a sheet whose kind is not set.
void BuildSheetValues(ProjectState& s, int sheet);

// BuildSheetValues for the system, collector and economics sheets in turn:
// the state the project is in right after it is opened with its sheets.
void PrepareCurrentSheets(ProjectState& s);

}  // namespace solmon
