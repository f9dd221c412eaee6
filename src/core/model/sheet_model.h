#pragma once
// One input sheet (system, collector or economics) without its window: the
// rows of the catalogue table of the sheet's current kind with the state the
// window shows — field texts, choice selections, table-valued fields, which
// rows are enabled — and the operations that change the project through it.
// The desktop program draws it; the CLI builds it to prepare a run exactly as
// opening the windows would.

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/catalogue.h"
#include "core/model/numbers.h"
#include "core/model/project_state.h"
#include "core/model/units.h"

namespace solmon {

enum class RowKind : std::uint8_t { Numeric = 1, Choice = 2, Location = 3 };

inline constexpr const char* kMonthlyText = "Monthly";
inline constexpr const char* kAngleTableText = "Ang Dep";
inline constexpr const char* kScheduleText = "Schedule";

// One row of a sheet (the row record with the state of its value field or
// choice box).
struct SheetRow {
  int ItemNo = 0;  // 1..NInfo
  RowKind Kind = RowKind::Numeric;
  std::string Caption;
  int Code = 0;  // signed catalogue code
  int ParamNo = 0;
  int HelpNo = 0;  // parameter number + 1000
  int UnitNo = 1;
  Unit UnitText;
  double UnitMult = 1, UnitAdd = 0;
  int FWidth = 0;  // the catalogue's digits
  DecForm form{DecStyle::FixedDecimal, 0};
  ParametricRange Parametric{0.1, 0.9};

  // Value field (numeric and location rows).
  std::string Text;
  bool IsMonthly = false;     // stands for a table: "Monthly", "Ang Dep", "Schedule"
  bool CanBeMonthly = false;  // the code is 0 or more
  bool HasError = false;      // the last commit was rejected
  std::string RejectedText;   // the text that was rejected
  int EXNo = 0;               // 1..18 monthly table, 16..18 extra table (kinds 16..18), 0 none
  std::uint32_t LastErrorTime = 0;
  bool EditEnabled = true;

  // Choice box (choice rows).
  int Selection = -1;  // 0-based; -1 when the stored value names no item
  int LastItemIndex = 0;
  bool ChoiceEnabled = true;

  int TestType() const { return Kind == RowKind::Choice ? Code : ValidationKind(Code); }
  bool Enabled() const { return Kind == RowKind::Choice ? ChoiceEnabled : EditEnabled; }
  const std::string& UnitName(int unitSystem) const { return UnitText.Name(unitSystem); }
  // The text printed and copied: the field's text or the chosen item.
  std::string ValueText() const;
};

enum class CommitOutcome {
  Swallowed,     // a rejection less than a second old: nothing happens
  NotCommitted,  // the location row and fields that stand for a table
  Rejected,      // ProjectState::ErrorMessage says why; the project is unchanged
  Unchanged,     // accepted, equal to the stored value
  Stored,        // accepted and stored
};

// A problem with one entry of the monthly values dialog.
struct EntryProblem {
  int entry = 0;        // 1-based; 0 = none
  std::string message;  // empty: the entry is not a number (just beep)
  bool ok() const { return entry == 0; }
};

struct MonthlyDialogData {
  int N = 12;                         // 12 months, or 10 angles or years
  std::vector<std::string> Captions;  // 1..N (index 0 unused)
  std::vector<std::string> Entries;   // 1..N
  bool Beep = false;                  // the field's text could not seed a new table
  bool Allocated = false;             // opening allocated the field's table
};

class SheetModel {
 public:
  // Builds sheet `window` (1..3) for its current kind: resolves table-valued
  // rows (which may rewrite references and owner codes) and converts the set
  // to the current unit system when its units marker differs.
  SheetModel(ProjectState& s, int window);

  ProjectState& State() const { return s_; }
  int W() const { return w_; }
  int Kind() const { return kind_; }
  const std::string& Title() const { return title_; }
  int NInfo() const { return static_cast<int>(info_.size()) - 1; }
  SheetRow& Row(int i) { return info_.at(i); }
  const SheetRow& Row(int i) const { return info_.at(i); }
  int OwnerCodeOf(int row) const { return OwnerCode(w_, kind_, row); }
  double StoredValue(int row) const { return s_.ParamValue(w_, kind_, row); }
  // The unit system the sheet's values are shown in.
  int Units() const { return units_; }

  // The commit of a value field (on focus loss and before menu commands).
  // After Rejected the caller shows ErrorMessage and then records the time
  // with MarkRejected.
  CommitOutcome GetValue(int row, std::uint32_t tick);
  void MarkRejected(int row, std::uint32_t tick) { Row(row).LastErrorTime = tick; }

  // A choice row's selection changed (or the window was activated):
  // invalidates results when it differs from the last one seen, switches the
  // dependent rows, stores the choice. Returns true when results were invalidated.
  bool ChoiceChanged(int row, int selection);
  // The handler for every choice row, in row order (window activation).
  void ApplyAllChoices();

  // Converts every plain numeric row from one unit system to the other and
  // rewrites the set's units marker.
  void ConvertUnits(int oldUnits, int newUnits);

  // The location row shows the project's location name.
  void RefreshLocation();

  // The monthly values dialog for a numeric row.
  MonthlyDialogData OpenMonthly(int row);
  EntryProblem AcceptMonthly(int row, const std::vector<std::string>& entries);
  // Cancel: a table allocated when the dialog opened is left unowned and the
  // field keeps being an ordinary field.
  void CancelMonthly(int row, const MonthlyDialogData& opened);
  // Constant: the first entry becomes the row's single value. Returns the
  // problem, if any; on success `focusRow` is the row whose field takes the
  // focus (the incidence angle modifier constant row, or `row`).
  EntryProblem ConstantMonthly(int row, const std::string& first, int& focusRow);

  // The values of the table a table-valued row stands for: ten for the
  // angle and depreciation tables, twelve for a monthly table; none when the
  // row's table does not exist.
  std::vector<double> TableEntries(int row) const;

 private:
  void BuildRow(int i);
  void ResolveTableValue(SheetRow& r, double v);
  void ApplyChoiceSwitches(const SheetRow& r);
  bool HasConstantRow(int row) const;
  ValueTable* TableOf(const SheetRow& r);
  const ValueTable* TableOf(const SheetRow& r) const;
  void Changed();

  ProjectState& s_;
  int w_;
  int kind_;
  int units_ = kSI;
  std::string title_;
  std::vector<SheetRow> info_;  // index 0 unused
};

// Builds the sheets of the current kinds (system, collector when set,
// economics when on), as opening the project's windows does: references are
// resolved and sets are converted to the current unit system.
void PrepareCurrentSheets(ProjectState& s);

}  // namespace solmon
