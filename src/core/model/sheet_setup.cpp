#include "core/model/sheet_setup.h"

#include "core/model/catalogue.h"
#include "core/model/numbers.h"
#include "core/model/units.h"

namespace solmon {

namespace {

bool IsNumericRow(int sheet, int row, int code) { return RowNatureOf(sheet, row, code) == RowNature::Numeric; }

void ConvertRows(ProjectState& s, int sheet, int kind, int from, int to) {
  s.SetParamValue(sheet, kind, 0, to);
  for (int row = 1; row <= SheetRowCount(sheet, kind); ++row) {
    const CatalogueRow entry = CatalogueEntry(sheet, kind, row);
    if (!IsNumericRow(sheet, row, entry.code) || entry.code == 16 || entry.code == 17) continue;
    const double v = s.ParamValue(sheet, kind, row);
    if (IsTableReference(v)) continue;
    // The value as the field shows it; a text that is no number reads as 0.
    const DecForm shownForm{DecStyle::FixedDecimal, static_cast<std::int16_t>(entry.digits)};
    const ParsedNumber shown = ParseNumber(FormatValue(v, shownForm));
    const double value = shown.ok() ? shown.value : 0;
    const Unit unit = UnitEntry(entry.unit);
    s.SetParamValue(sheet, kind, row,
                    from == 0 ? ToEnglish(value, unit.factor, unit.offset) : ToSI(value, unit.factor, unit.offset));
  }
}

}  // namespace

void ResolveSheetTables(ProjectState& s, int sheet, int kind) {
  if (!SheetKindExists(sheet, kind)) return;
  for (int row = 1; row <= SheetRowCount(sheet, kind); ++row) {
    const int code = CatalogueEntry(sheet, kind, row).code;
    if (!IsNumericRow(sheet, row, code)) continue;
    const double v = s.ParamValue(sheet, kind, row);
    if (!IsTableReference(v)) continue;
    const int vk = ValidationKind(code);
    if (vk == 16 || vk == 17) {
      s.SetParamValue(sheet, kind, row, -990 - vk);
    } else if (vk == 18) {
      s.SetParamValue(sheet, kind, row, -1008);
    } else {
      const long n = -990 - RoundToInt(v);
      if (n >= 1 && n <= kMonthlySlots && s.MonthlyTables[n] && CodeCanBeMonthly(code))
        (*s.MonthlyTables[n])[0] = DoubleToReal6(OwnerCode(sheet, kind, row));
    }
  }
}

void ConvertSheetUnits(ProjectState& s, int sheet, int kind, int from, int to) {
  if (from == to || !SheetKindExists(sheet, kind)) return;
  const auto before = s.ParamBlock;  // a value beyond the six-byte range leaves the set as it was
  try {
    ConvertRows(s, sheet, kind, from, to);
  } catch (...) {
    s.ParamBlock = before;
    throw;
  }
}

void BuildSheetValues(ProjectState& s, int sheet) {
  const int kind = s.SheetKind[sheet];
  if (!SheetKindExists(sheet, kind)) return;
  ResolveSheetTables(s, sheet, kind);
  const double marker = s.ParamValue(sheet, kind, 0);
  if (marker != s.UnitSystem) ConvertSheetUnits(s, sheet, kind, marker != 0 ? 1 : 0, s.UnitSystem);
}

void PrepareCurrentSheets(ProjectState& s) {
  for (int sheet = 1; sheet <= kSheets; ++sheet) BuildSheetValues(s, sheet);
}

}  // namespace solmon
