#pragma once
// The monthly weather grid of the weather data editor, without its window:
// headings, cell texts, typed edits, degree-days, copy and paste. Rows 1..12
// are January..December; columns 1..5 radiation, temperature, humidity,
// mains temperature and reflectance (editable), column 6 the degree-days
// (derived, never edited). Values are those of the current location, in the
// project's units.

#include <string>

#include "core/model/project_state.h"

namespace solmon {

constexpr int kGridMonths = 12;
constexpr int kGridColumns = 6;
constexpr double kNoWeatherValue = -999;  // a cell without a value, shown blank

// Heading line 1 or 2 of column c (1..6) in the unit system; "^" marks the
// next character as a superscript. Line 2 is empty where there is none.
std::string GridHeading(int c, int line, int unitSystem);
int GridDecimals(int c);
bool GridColumnEditable(int c);

double GridValue(const ProjectState& s, int r, int c);
// The value in fixed notation with the column's decimals; blank for -999.
std::string GridCellText(const ProjectState& s, int r, int c);

enum class CellEdit {
  Changed,     // a new value is stored
  Unchanged,   // the text is what the cell shows, or the same value
  Ignored,     // the text is not a number (or not storable): the value stays
  NotEditable  // the degree-day column, the heading row and column
};
// A typed cell text: blanks trimmed, empty = -999. A temperature brings the
// degree-days along. A change marks the project modified.
CellEdit SetGridCell(ProjectState& s, int r, int c, const std::string& typed);

// The base temperature text: a number becomes DegDayBase and the degree-days
// follow; false (nothing changes) for any other text.
bool SetBaseTemperature(ProjectState& s, const std::string& text);

// DegDays[1..12] from the temperatures and DegDayBase; a month without a
// temperature has no degree-days (-999).
void RecomputeDegreeDays(ProjectState& s);

// TSky[1..12] again from the (edited) record, in the current units, so that
// the pool and ICS models see the data as edited.
void RefreshSkyTemperatures(ProjectState& s);

struct GridRange {
  int top = 1, left = 1, bottom = 1, right = 1;
};
// The cells as shown: TAB between columns, CR LF between rows (none after
// the last); the range is cut to the grid.
std::string GridCopyText(const ProjectState& s, GridRange range);

struct PasteResult {
  bool ok = true;
  int errorRow = 0, errorColumn = 0;  // where the bad token was meant to go
  bool changed = false;               // some value is now different
  std::string message;                // "Unexpected character in row R column C"
};
// Tab-separated lines (LF or CR LF) from the cell (row, column) on: columns
// 1..5 are stored, column 6 skipped, tokens past it dropped; stops after
// December, at the end of the text or at a token that is not a number (the
// values before it stay). An empty token clears its cell. The degree-days
// follow pasted temperatures; a change marks the project modified.
PasteResult PasteIntoGrid(ProjectState& s, const std::string& text, int row, int column);

}  // namespace solmon
