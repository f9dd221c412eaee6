#pragma once
// The built-in description of every parameter: fifteen row tables, one per
// (sheet, kind), each row a text of seven "|"-separated fields.

#include <string>
#include <string_view>
#include <vector>

namespace solmon {

constexpr int kSystemSheet = 1;
constexpr int kCollectorSheet = 2;
constexpr int kEconomicsSheet = 3;

struct CatalogueRow {
  std::string caption;
  int unit = 1;
  int code = 0;
  int digits = 0;
  int param = 0;
};

// True for the fifteen existing tables: sheet 1 kinds 1..9, sheet 2 kinds
// 1..5, sheet 3 kind 1.
bool SheetKindExists(int sheet, int kind);
int SheetKindCount(int sheet);

// Row 0 is the header. Throws std::out_of_range outside the table.
const std::string& SheetRowText(int sheet, int kind, int row);
std::string SheetTitle(int sheet, int kind);
int SheetRowCount(int sheet, int kind);
CatalogueRow ParseRow(std::string_view text);
// ParseRow of SheetRowText, for rows 1..n.
CatalogueRow CatalogueEntry(int sheet, int kind, int row);

enum class RowNature { Location, Choice, Numeric };
RowNature RowNatureOf(int sheet, int row, int code);
inline int ValidationKind(int code) { return code < 0 ? -code : code; }
// A numeric row with a code of 0 or more may hold twelve monthly values.
inline bool CodeCanBeMonthly(int code) { return code >= 0; }
bool IsChoiceCode(int code);

// Choice lists 101..117 (the sign of a code is not interpreted).
const std::vector<std::string>& ChoiceItems(int code);
// The stored number of the item at 0-based `selection`: selection + 1, but
// the item's own number for list 117.
int ChoiceStoredValue(int code, int selection);
// The 0-based selection for a stored (rounded) value.
int ChoiceSelection(int code, double stored);

// What a choice does to the rows below it. Actions are applied in order.
enum class SwitchTarget { Edit, Choice };
struct RowSwitch {
  int offset;  // relative to the choice row
  SwitchTarget target;
  bool enable;
};
std::vector<RowSwitch> ChoiceEnabling(int code, int selection);

struct ParametricRange {
  double first;
  double last;
};
ParametricRange ParametricDefaults(int signedCode);

}  // namespace solmon
