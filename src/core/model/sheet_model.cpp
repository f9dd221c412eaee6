#include "core/model/sheet_model.h"

#include <cmath>
#include <stdexcept>
#include <utility>

#include "core/model/validation.h"

namespace solmon {

std::string SheetRow::ValueText() const {
  if (Kind != RowKind::Choice) return Text;
  const auto& items = ChoiceItems(Code);
  return Selection >= 0 && Selection < static_cast<int>(items.size()) ? items[Selection]
                                                                        : std::string();
}

SheetModel::SheetModel(ProjectState& s, int window) : s_(s), w_(window) {
  kind_ = s.SheetKind.at(window);
  if (!SheetKindExists(w_, kind_))
    throw std::out_of_range("no input sheet for sheet " + std::to_string(w_) + ", kind " +
                            std::to_string(kind_));
  title_ = SheetTitle(w_, kind_);
  const int n = SheetRowCount(w_, kind_);
  s.RowCount[w_][kind_] = static_cast<std::int16_t>(n);
  info_.resize(n + 1);
  for (int i = 1; i <= n; ++i) BuildRow(i);
  const double marker = s.ParamValue(w_, kind_, 0);
  units_ = marker != 0 ? kEnglish : kSI;
  if (marker != s.UnitSystem) ConvertUnits(units_, s.UnitSystem);
}

void SheetModel::BuildRow(int i) {
  const CatalogueRow e = CatalogueEntry(w_, kind_, i);
  SheetRow& r = info_[i];
  r.ItemNo = i;
  r.Caption = e.caption;
  r.Code = e.code;
  r.ParamNo = e.param;
  r.HelpNo = e.param + 1000;
  r.UnitNo = e.unit;
  r.UnitText = UnitEntry(e.unit);
  r.UnitMult = r.UnitText.factor;
  r.UnitAdd = r.UnitText.offset;
  r.FWidth = e.digits;
  r.form = {DecStyle::FixedDecimal, static_cast<std::int16_t>(e.digits)};
  r.Parametric = ParametricDefaults(e.code);
  const double v = StoredValue(i);
  switch (RowNatureOf(w_, i, e.code)) {
    case RowNature::Location:
      r.Kind = RowKind::Location;
      r.Text = s_.LocationName;
      break;
    case RowNature::Choice: {
      r.Kind = RowKind::Choice;
      const int sel = ChoiceSelection(e.code, v);
      r.Selection = sel >= 0 && sel < static_cast<int>(ChoiceItems(e.code).size()) ? sel : -1;
      break;
    }
    case RowNature::Numeric:
      r.Kind = RowKind::Numeric;
      r.CanBeMonthly = CodeCanBeMonthly(e.code);
      if (!IsTableReference(v))
        r.Text = FormatValue(v, r.form);
      else
        ResolveTableValue(r, v);
      break;
  }
}

void SheetModel::ResolveTableValue(SheetRow& r, double v) {
  r.IsMonthly = true;
  const int tt = r.TestType();
  if (tt >= 16 && tt <= 18) {
    r.Text = tt == 18 ? kScheduleText : kAngleTableText;
    r.EXNo = tt;
    s_.SetParamValue(w_, kind_, r.ItemNo, -990.0 - tt);
    return;
  }
  const double n = -990.0 - std::nearbyint(v);
  if (r.CanBeMonthly && n >= 1 && n <= kMonthlySlots && s_.MonthlyTables[static_cast<int>(n)]) {
    r.EXNo = static_cast<int>(n);
    r.Text = kMonthlyText;
    (*s_.MonthlyTables[r.EXNo])[0] = DoubleToReal6(OwnerCodeOf(r.ItemNo));
  } else {
    r.EXNo = 0;
    r.Text.clear();
  }
}

void SheetModel::Changed() {
  s_.InvalidateResults();
  s_.MarkModified();
}

CommitOutcome SheetModel::GetValue(int row, std::uint32_t tick) {
  SheetRow& r = Row(row);
  if (r.Kind == RowKind::Choice) return CommitOutcome::NotCommitted;
  // The guard stops the same message coming back while the focus moves; a
  // text the user has changed since is a new entry and is checked at once.
  if (r.HasError && r.Text == r.RejectedText && WithinRepeatGuard(tick, r.LastErrorTime))
    return CommitOutcome::Swallowed;
  r.HasError = false;
  s_.ErrorMessage.clear();
  if (r.Kind == RowKind::Location || r.EXNo > 0) return CommitOutcome::NotCommitted;

  double value = 0;
  if (r.Text.empty()) {
    s_.ErrorMessage = kEmptyFieldMessage;
  } else if (const ParsedNumber p = ParseNumber(r.Text); !p.ok()) {
    s_.ErrorMessage = kIllegalCharactersMessage;
  } else {
    value = p.value;
    ErrorCheck(s_, r.Code, r.form, value);
  }
  Real6 stored;
  if (s_.ErrorMessage.empty()) {
    try {
      stored = DoubleToReal6(value);
    } catch (const Real6Overflow&) {
      s_.ErrorMessage = kTooLargeMessage;
    }
  }
  if (!s_.ErrorMessage.empty()) {
    r.HasError = true;
    r.RejectedText = r.Text;
    return CommitOutcome::Rejected;
  }
  // A field that stood for a missing table holds a plain number from now on.
  const bool wasReference = r.IsMonthly;
  r.IsMonthly = false;
  if (!wasReference && stored == s_.ParamReal6(w_, kind_, row)) return CommitOutcome::Unchanged;
  s_.SetParamValue(w_, kind_, row, Real6ToDouble(stored));
  Changed();
  return CommitOutcome::Stored;
}

bool SheetModel::ChoiceChanged(int row, int selection) {
  SheetRow& r = Row(row);
  if (r.Kind != RowKind::Choice) return false;
  const bool invalidate = selection != r.LastItemIndex;
  if (invalidate) s_.InvalidateResults();
  r.Selection = selection;
  ApplyChoiceSwitches(r);
  if (selection >= 0 && selection < static_cast<int>(ChoiceItems(r.Code).size())) {
    const double value = ChoiceStoredValue(r.Code, selection);
    if (value != StoredValue(row)) {
      s_.SetParamValue(w_, kind_, row, value);
      s_.MarkModified();
    }
  }
  r.LastItemIndex = selection;
  return invalidate;
}

void SheetModel::ApplyAllChoices() {
  for (int i = 1; i <= NInfo(); ++i)
    if (info_[i].Kind == RowKind::Choice) ChoiceChanged(i, info_[i].Selection);
}

void SheetModel::ApplyChoiceSwitches(const SheetRow& r) {
  for (const RowSwitch& sw : ChoiceEnabling(r.Code, r.Selection)) {
    const int t = r.ItemNo + sw.offset;
    if (t < 1 || t > NInfo()) continue;
    (sw.target == SwitchTarget::Edit ? info_[t].EditEnabled : info_[t].ChoiceEnabled) = sw.enable;
  }
}

void SheetModel::ConvertUnits(int oldUnits, int newUnits) {
  if (oldUnits == newUnits) return;
  s_.SetParamValue(w_, kind_, 0, newUnits);
  units_ = newUnits;
  for (int i = 1; i <= NInfo(); ++i) {
    SheetRow& r = info_[i];
    if (r.Kind != RowKind::Numeric || r.IsMonthly || r.Code == 16 || r.Code == 17) continue;
    // A text that was rejected or is no number converts the stored value,
    // which is what the project holds.
    const ParsedNumber p = ParseNumber(r.Text);
    const double from = p.ok() && !r.HasError ? p.value : StoredValue(i);
    const double to = oldUnits == kSI ? ToEnglish(from, r.UnitMult, r.UnitAdd)
                                      : ToSI(from, r.UnitMult, r.UnitAdd);
    try {
      s_.SetParamValue(w_, kind_, i, to);
    } catch (const Real6Overflow&) {
      continue;
    }
    r.Text = FormatValue(to, r.form);
    r.HasError = false;
  }
}

void SheetModel::RefreshLocation() {
  for (int i = 1; i <= NInfo(); ++i)
    if (info_[i].Kind == RowKind::Location) info_[i].Text = s_.LocationName;
}

ValueTable* SheetModel::TableOf(const SheetRow& r) {
  return const_cast<ValueTable*>(std::as_const(*this).TableOf(r));
}

const ValueTable* SheetModel::TableOf(const SheetRow& r) const {
  const int tt = r.TestType();
  if (tt >= 16 && tt <= 18) return &s_.ExtraTables[tt - 15];
  if (r.EXNo >= 1 && r.EXNo <= kMonthlySlots && s_.MonthlyTables[r.EXNo])
    return &*s_.MonthlyTables[r.EXNo];
  return nullptr;
}

std::vector<double> SheetModel::TableEntries(int row) const {
  const SheetRow& r = Row(row);
  std::vector<double> out;
  if (r.Kind != RowKind::Numeric || !r.IsMonthly) return out;
  if (const ValueTable* t = TableOf(r)) {
    const int entries = r.TestType() >= 16 && r.TestType() <= 18 ? 10 : 12;
    for (int k = 1; k <= entries; ++k) out.push_back(Real6ToDouble((*t)[k]));
  }
  return out;
}

void PrepareCurrentSheets(ProjectState& s) {
  for (int w = 1; w <= kSheets; ++w)
    if (SheetKindExists(w, s.SheetKind[w])) SheetModel(s, w).ApplyAllChoices();
}

}  // namespace solmon
