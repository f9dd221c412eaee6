#pragma once
// An input sheet written through the shared report output: printed with its
// values in boxes, copied to the clipboard or written to a text file as
// tab-separated cells. Disabled rows are left out; a table-valued row is
// followed by its table.

#include <string>

#include "core/model/sheet_model.h"
#include "core/report/report_output.h"

namespace solmon {

// `caption` is the sheet window's caption.
void DisplaySheet(const SheetModel& sheet, const std::string& caption, ReportOutput& out);

}  // namespace solmon
