#pragma once
// Monthly tables during a run: each month the entries of the owned tables are
// written into their rows (the driver restores the block after the run).

#include <optional>

#include "core/model/project_state.h"

namespace solmon {

// Writes entry `month` of every applicable monthly table into its row. Of two
// tables with the same owner the earlier is freed when the later is met, and
// the later applies from the next month on. Tables of kinds not shown, of
// angle or depreciation rows, or naming no catalogue row are skipped.
void ApplyMonthlyValues(ProjectState& s, int month);

struct RowAddress {
  int sheet = 0, kind = 0, row = 0;
};

// A row of a current sheet whose value is a monthly table reference that no
// table owns (a damaged project): the model would read -99x as a number.
std::optional<RowAddress> FindDanglingReference(const ProjectState& s);

}  // namespace solmon
