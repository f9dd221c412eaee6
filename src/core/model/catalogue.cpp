#include "core/model/catalogue.h"

#include <cmath>
#include <stdexcept>

#include "core/model/catalogue_tables.h"

namespace solmon {

namespace {

const CatalogueTable& Table(int sheet, int kind) {
  for (const auto& t : CatalogueTables())
    if (t.sheet == sheet && t.kind == kind) return t;
  throw std::out_of_range("no parameter table for sheet " + std::to_string(sheet) + ", kind " +
                          std::to_string(kind));
}

// Cuts the text at the first "|"; the rest stays in `text`.
std::string_view CutField(std::string_view& text) {
  const auto bar = text.find('|');
  std::string_view field = text.substr(0, bar);
  text = bar == std::string_view::npos ? std::string_view{} : text.substr(bar + 1);
  return field;
}

int ToInt(std::string_view field) {
  int sign = 1;
  std::size_t i = 0;
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) sign = field[i++] == '-' ? -1 : 1;
  int value = 0;
  for (; i < field.size(); ++i) {
    if (field[i] < '0' || field[i] > '9') throw std::invalid_argument("bad catalogue number");
    value = value * 10 + (field[i] - '0');
  }
  return sign * value;
}

const std::vector<std::string> kYesNo = {"Yes", "No"};
const std::vector<std::string> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

void Range(std::vector<RowSwitch>& out, int from, int to, SwitchTarget target, bool enable) {
  for (int off = from; off <= to; ++off) out.push_back({off, target, enable});
}

}  // namespace

bool SheetKindExists(int sheet, int kind) {
  return kind >= 1 && kind <= SheetKindCount(sheet);
}

int SheetKindCount(int sheet) {
  switch (sheet) {
    case kSystemSheet: return 9;
    case kCollectorSheet: return 5;
    case kEconomicsSheet: return 1;
    default: return 0;
  }
}

const std::string& SheetRowText(int sheet, int kind, int row) {
  const auto& t = Table(sheet, kind);
  if (row < 0 || row >= static_cast<int>(t.rows.size()))
    throw std::out_of_range("no row " + std::to_string(row) + " in parameter table " +
                            std::to_string(sheet * 10 + kind));
  return t.rows[row];
}

std::string SheetTitle(int sheet, int kind) {
  std::string_view text = SheetRowText(sheet, kind, 0);
  return std::string(CutField(text));
}

int SheetRowCount(int sheet, int kind) {
  std::string_view text = SheetRowText(sheet, kind, 0);
  CutField(text);
  return ToInt(CutField(text));
}

CatalogueRow ParseRow(std::string_view text) {
  CatalogueRow row;
  row.caption = std::string(CutField(text));
  row.unit = ToInt(CutField(text));
  row.code = ToInt(CutField(text));
  row.digits = ToInt(CutField(text));
  CutField(text);  // always "0"
  row.param = ToInt(CutField(text));
  return row;
}

CatalogueRow CatalogueEntry(int sheet, int kind, int row) {
  return ParseRow(SheetRowText(sheet, kind, row));
}

bool IsChoiceCode(int code) {
  const int a = ValidationKind(code);
  return a >= 101 && a <= 199;
}

RowNature RowNatureOf(int sheet, int row, int code) {
  if (sheet == kSystemSheet && row == 1) return RowNature::Location;
  return IsChoiceCode(code) ? RowNature::Choice : RowNature::Numeric;
}

const std::vector<std::string>& ChoiceItems(int code) {
  static const std::vector<std::string> inOut = {"In", "Out", "Both"};
  static const std::vector<std::string> fuels = {"Elec", "Gas", "Oil", "Other"};
  static const std::vector<std::string> detail = {"Brief", "Detailed", "Cash Flow"};
  static const std::vector<std::string> orient = {"EW", "NS"};
  static const std::vector<std::string> iam = {"Glazings", "Constant", "Value(s)"};
  static const std::vector<std::string> cover = {"None", "Film", "Bubble"};
  static const std::vector<std::string> place = {"Indoor", "Outdoor"};
  static const std::vector<std::string> oneToFour = {"1", "2", "3", "4"};
  static const std::vector<std::string> zeroToFour = {"0", "1", "2", "3", "4"};
  static const std::vector<std::string> none;
  switch (ValidationKind(code)) {
    case 101: case 102: case 107: case 110: case 111: case 114: return kYesNo;
    case 103: return inOut;
    case 104: return fuels;
    case 105: return detail;
    case 106: return orient;
    case 108: return iam;
    case 112: return kMonths;
    case 113: return cover;
    case 115: return place;
    case 116: return oneToFour;
    case 117: return zeroToFour;
    default: return none;
  }
}

int ChoiceStoredValue(int code, int selection) {
  return ValidationKind(code) == 117 ? selection : selection + 1;
}

int ChoiceSelection(int code, double stored) {
  const int value = static_cast<int>(std::nearbyint(stored));
  return ValidationKind(code) == 117 ? value : value - 1;
}

std::vector<RowSwitch> ChoiceEnabling(int code, int selection) {
  std::vector<RowSwitch> out;
  const bool yes = selection == 0;
  switch (ValidationKind(code)) {
    case 101:
    case 102:
      for (int off = 1; off <= 4; ++off) {
        out.push_back({off, SwitchTarget::Edit, yes});
        out.push_back({off, SwitchTarget::Choice, yes});
      }
      break;
    case 107:
    case 110: Range(out, 1, 2, SwitchTarget::Edit, yes); break;
    case 111: Range(out, 1, 1, SwitchTarget::Edit, yes); break;
    case 113: Range(out, 1, 1, SwitchTarget::Edit, selection != 0); break;
    case 114: Range(out, 1, 6, SwitchTarget::Edit, yes); break;
    case 108:
      Range(out, 1, 3, SwitchTarget::Edit, false);
      out.push_back({1, SwitchTarget::Choice, selection == 0});
      if (selection == 1) out.push_back({2, SwitchTarget::Edit, true});
      if (selection == 2) out.push_back({3, SwitchTarget::Edit, true});
      break;
    case 115:
      Range(out, 1, 2, SwitchTarget::Edit, selection != 0);
      Range(out, 3, 4, SwitchTarget::Edit, selection == 0);
      break;
    default: break;
  }
  return out;
}

ParametricRange ParametricDefaults(int signedCode) {
  switch (signedCode) {
    case 0: return {0.1, 0.5};
    case 2: return {1, 35};
    case 3: return {4, 25};
    case 4: case 12: case 14: return {0.5, 1};
    case 5: return {1, 1};
    case 8: case 20: return {10, 90};
    case 9: return {1, 12};
    case 10: case 11: case 21: return {0, 0};
    case 13: return {10, 80};
    case 15: return {5, 10};
    case 19: return {1, 24};
    case 22: return {100, 100};
    default: return {0.1, 0.9};  // 1, 6, 7, 16..18, negative codes, 23 and more
  }
}

}  // namespace solmon
