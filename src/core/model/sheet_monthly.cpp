// The monthly values dialog's effect on an input sheet: twelve monthly
// values, ten incidence angle modifiers or ten yearly depreciation
// percentages for one numeric row.

#include <array>

#include "core/model/sheet_model.h"
#include "core/model/validation.h"

namespace solmon {

namespace {

bool IsExtraKind(int tt) { return tt >= 16 && tt <= 18; }

const std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string EntryCaption(int tt, int k) {
  if (tt == 16 || tt == 17) return std::to_string(10 * (k - 1)) + "\u00B0";
  if (tt == 18) return "Year " + std::to_string(k);
  return kMonthNames[k - 1];
}

}  // namespace

bool SheetModel::HasConstantRow(int row) const {
  const int tt = Row(row).TestType();
  if (tt != 16 && tt != 17) return false;
  return (w_ == kCollectorSheet && kind_ == 1 && row == 10) ||
         (w_ == kSystemSheet && kind_ == 8 && row == 11);
}

MonthlyDialogData SheetModel::OpenMonthly(int row) {
  SheetRow& r = Row(row);
  MonthlyDialogData d;
  const int tt = r.TestType();
  d.N = IsExtraKind(tt) ? 10 : 12;
  d.Captions.assign(d.N + 1, "");
  d.Entries.assign(d.N + 1, "");
  for (int k = 1; k <= d.N; ++k) d.Captions[k] = EntryCaption(tt, k);

  if (d.N == 12 && r.EXNo < 1) {
    r.EXNo = s_.AllocateMonthlyTable();
    d.Allocated = true;
    ValueTable& t = *s_.MonthlyTables[r.EXNo];
    d.Beep = true;
    if (const ParsedNumber p = ParseNumber(r.Text); p.ok()) {
      try {
        const Real6 seed = DoubleToReal6(p.value);
        for (int k = 1; k <= 12; ++k) t[k] = seed;
        d.Beep = false;
      } catch (const Real6Overflow&) {
      }
    }
  }
  const DecForm fixed{DecStyle::FixedDecimal, static_cast<std::int16_t>(r.FWidth)};
  if (const ValueTable* t = TableOf(r))
    for (int k = 1; k <= d.N; ++k) d.Entries[k] = FormatValue(Real6ToDouble((*t)[k]), fixed);
  return d;
}

EntryProblem SheetModel::AcceptMonthly(int row, const std::vector<std::string>& entries) {
  SheetRow& r = Row(row);
  ValueTable* t = TableOf(r);
  const int n = static_cast<int>(entries.size()) - 1;
  if (!t || n < 1 || n > 12) return {1, ""};
  std::array<Real6, 13> values{};
  for (int k = 1; k <= n; ++k) {
    const ParsedNumber p = ParseNumber(entries[k]);
    if (!p.ok()) return {k, ""};
    if (std::string m = ValidationMessage(r.Code, r.form, p.value, s_.UnitSystem); !m.empty())
      return {k, m};
    try {
      values[k] = DoubleToReal6(p.value);
    } catch (const Real6Overflow&) {
      return {k, kTooLargeMessage};
    }
  }
  for (int k = 1; k <= n; ++k) (*t)[k] = values[k];

  const int tt = r.TestType();
  const int owner = OwnerCodeOf(row);
  r.IsMonthly = true;
  r.HasError = false;
  if (IsExtraKind(tt)) {
    r.EXNo = tt;
    r.Text = tt == 18 ? kScheduleText : kAngleTableText;
    s_.SetParamValue(w_, kind_, row, -990.0 - tt);
    s_.ReleaseOtherOwners(0, owner);
  } else {
    (*t)[0] = DoubleToReal6(owner);
    r.Text = kMonthlyText;
    s_.SetParamValue(w_, kind_, row, -990.0 - r.EXNo);
    s_.ReleaseOtherOwners(r.EXNo, owner);
  }
  Changed();
  return {};
}

void SheetModel::CancelMonthly(int row, const MonthlyDialogData& opened) {
  SheetRow& r = Row(row);
  if (opened.Allocated && !r.IsMonthly) r.EXNo = 0;
}

EntryProblem SheetModel::ConstantMonthly(int row, const std::string& first, int& focusRow) {
  SheetRow& r = Row(row);
  const ParsedNumber p = ParseNumber(first);
  if (!p.ok()) return {1, ""};
  const bool toConstantRow = HasConstantRow(row);
  const int target = toConstantRow ? row - 1 : row;
  SheetRow& t = Row(target);
  if (std::string m = ValidationMessage(t.Code, t.form, p.value, s_.UnitSystem); !m.empty())
    return {1, m};
  try {
    s_.SetParamValue(w_, kind_, target, p.value);
  } catch (const Real6Overflow&) {
    return {1, kTooLargeMessage};
  }

  const int tt = r.TestType();
  const int owner = OwnerCodeOf(row);
  if (!IsExtraKind(tt)) {
    if (r.EXNo > 0 && r.EXNo <= kMonthlySlots) s_.FreeMonthlyTable(r.EXNo);
    s_.ReleaseOtherOwners(0, owner);
  }
  r.Text = first;
  r.IsMonthly = false;
  r.EXNo = 0;
  r.HasError = false;
  focusRow = row;
  if (toConstantRow) {
    ChoiceChanged(row - 3, 1);  // "Constant"
    t.Text = FormatValue(p.value, t.form);
    t.HasError = false;
    r.Text = kAngleTableText;
    r.IsMonthly = true;
    r.EXNo = tt;
    focusRow = target;
  }
  Changed();
  return {};
}

}  // namespace solmon
