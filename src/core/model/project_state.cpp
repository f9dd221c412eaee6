#include "core/model/project_state.h"

#include <cmath>
#include <stdexcept>

#include "core/model/catalogue.h"

namespace solmon {

WindowHooks ProjectState::noWindows_;

void ProjectState::ThrowNoParameter(int sheet, int kind, int row) {
  throw std::out_of_range("no parameter at sheet " + std::to_string(sheet) + ", kind " +
                          std::to_string(kind) + ", row " + std::to_string(row));
}

void ProjectState::SetParamValue(int sheet, int kind, int row, double value) {
  const std::size_t at = Offset(sheet, kind, row);
  Real6ToBytes(DoubleToReal6(value), ParamBlock.data() + at);
}

double ProjectState::CurrentParamValue(int sheet, int row) const {
  return ParamValue(sheet, SheetKind.at(sheet), row);
}

int ProjectState::TableOwner(int table) const {
  const auto& slot = MonthlyTables.at(table);
  return slot ? static_cast<int>(std::lrint(Real6ToDouble((*slot)[0]))) : 0;
}

int ProjectState::AllocateMonthlyTable() {
  int n = 1;
  for (; n <= kMonthlySlots; ++n)
    if (!MonthlyTables[n] || TableOwner(n) <= 0) break;
  if (n > kMonthlySlots) n = kMonthlySlots;  // all owned: the last slot is handed out again
  if (!MonthlyTables[n]) MonthlyTables[n] = ValueTable{};
  return n;
}

void ProjectState::FreeMonthlyTable(int table) {
  if (auto& slot = MonthlyTables.at(table)) (*slot)[0] = DoubleToReal6(-1);
}

void ProjectState::ReleaseOtherOwners(int table, int ownerCode) {
  for (int n = 1; n <= kMonthlySlots; ++n)
    if (n != table && MonthlyTables[n] && TableOwner(n) == ownerCode) FreeMonthlyTable(n);
}

void ProjectState::ReleaseAllMonthlyTables() {
  for (auto& slot : MonthlyTables) slot.reset();
}

TableRef ProjectState::ResolveReference(int code, double value) {
  if (!IsTableReference(value)) return {};
  const int kind = ValidationKind(code);
  if (kind >= 16 && kind <= 18) return {TableFamily::Extra, kind - 15};
  if (code < 0) return {};  // a single-valued row holds no table
  const long n = -990 - std::lrint(value);
  if (n < 1 || n > kMonthlySlots) return {};
  return {TableFamily::Monthly, static_cast<int>(n)};
}

void ProjectState::InvalidateResults() {
  ResultsValid = false;
  Windows()->HideReportWindows();
}

OwnerAddress DecodeOwnerCode(int code) {
  return {code / 1000, (code % 1000) / 100, code % 100};
}

}  // namespace solmon
