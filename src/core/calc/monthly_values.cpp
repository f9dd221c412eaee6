#include "core/calc/monthly_values.h"

#include <array>

#include "core/model/catalogue.h"

namespace solmon {

namespace {

// The catalogue's row counts and codes, parsed once: runs look them up every time.
struct CatalogueCodes {
  std::array<std::array<int, kKindsPerSheet + 1>, kSheets + 1> rows{};
  std::array<std::array<std::array<int, kValuesPerSet>, kKindsPerSheet + 1>, kSheets + 1> codes{};
};

const CatalogueCodes& Codes() {
  static const CatalogueCodes table = [] {
    CatalogueCodes t;
    for (int sh = 1; sh <= kSheets; ++sh)
      for (int k = 1; k <= SheetKindCount(sh); ++k) {
        t.rows[sh][k] = SheetRowCount(sh, k);
        for (int r = 1; r <= t.rows[sh][k]; ++r) t.codes[sh][k][r] = CatalogueEntry(sh, k, r).code;
      }
    return t;
  }();
  return table;
}

int RowCode(int sheet, int kind, int row) { return Codes().codes[sheet][kind][row]; }

bool IsExtraTableRow(int sheet, int kind, int row) {
  const int vk = ValidationKind(RowCode(sheet, kind, row));
  return vk >= 16 && vk <= 18;
}

bool IsCatalogueRow(int sheet, int kind, int row) {
  return SheetKindExists(sheet, kind) && row >= 1 && row <= Codes().rows[sheet][kind];
}

bool FreeEarlierDuplicates(ProjectState& s, int table, int owner) {
  bool found = false;
  for (int e = 1; e < table; ++e) {
    if (s.TableOwner(e) == owner) {
      s.FreeMonthlyTable(e);
      found = true;
    }
  }
  return found;
}

bool IsOwned(const ProjectState& s, int ownerCode) {
  for (int t = 1; t <= kMonthlySlots; ++t)
    if (s.TableOwner(t) == ownerCode) return true;
  return false;
}

}  // namespace

void ApplyMonthlyValues(ProjectState& s, int month) {
  for (int t = 1; t <= kMonthlySlots; ++t) {
    const int owner = s.TableOwner(t);
    if (owner <= 0) continue;
    if (FreeEarlierDuplicates(s, t, owner)) continue;  // applies from the next month on
    const OwnerAddress a = DecodeOwnerCode(owner);
    if (a.sheet < 1 || a.sheet > kSheets || a.kind != s.SheetKind[a.sheet]) continue;
    if (!IsCatalogueRow(a.sheet, a.kind, a.row) || IsExtraTableRow(a.sheet, a.kind, a.row)) continue;
    s.SetParamValue(a.sheet, a.kind, a.row, Real6ToDouble((*s.MonthlyTables[t])[month]));
  }
}

std::optional<RowAddress> FindDanglingReference(const ProjectState& s) {
  for (int sheet = 1; sheet <= kSheets; ++sheet) {
    const int kind = s.SheetKind[sheet];
    if (!SheetKindExists(sheet, kind)) continue;
    for (int row = 1; row <= Codes().rows[sheet][kind]; ++row) {
      const int code = RowCode(sheet, kind, row);
      if (RowNatureOf(sheet, row, code) != RowNature::Numeric) continue;
      if (!IsTableReference(s.ParamValue(sheet, kind, row)) || IsExtraTableRow(sheet, kind, row)) continue;
      if (!IsOwned(s, OwnerCode(sheet, kind, row))) return RowAddress{sheet, kind, row};
    }
  }
  return std::nullopt;
}

}  // namespace solmon
