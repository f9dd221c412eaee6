#include "core/files/project_ini.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

#include "core/files/project_file.h"
#include "core/model/catalogue.h"
#include "core/model/numbers.h"
#include "core/model/validation.h"
#include "core/weather/weather_file.h"

namespace solmon {

namespace {

struct Entry {
  std::string key, value, comment;
  int line = 0;
};

struct Section {
  std::string name;
  int line = 0;
  std::vector<Entry> entries;
};

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

class IniReader {
 public:
  IniReader(std::istream& in, std::string name) : name_(std::move(name)) { Parse(in); }

  [[noreturn]] void Fail(int line, const std::string& problem) const {
    throw ProjectIniError(name_ + ":" + std::to_string(line) + ": " + problem);
  }

  const std::vector<Section>& Sections() const { return sections_; }

  double Number(const Entry& e) const {
    const ParsedNumber n = ParseNumber(e.value);
    if (!n.ok()) Fail(e.line, "\"" + e.value + "\" is not a number");
    return n.value;
  }

  int Integer(const Entry& e, int lo, int hi) const {
    const double v = Number(e);
    if (v != static_cast<int>(v) || v < lo || v > hi)
      Fail(e.line, e.key + " must be a whole number from " + std::to_string(lo) + " to " +
                       std::to_string(hi));
    return static_cast<int>(v);
  }

  std::vector<double> Numbers(const Entry& e) const {
    std::vector<double> out;
    std::istringstream words(e.value);
    for (std::string w; words >> w;) {
      const ParsedNumber n = ParseNumber(w);
      if (!n.ok()) Fail(e.line, "\"" + w + "\" is not a number");
      out.push_back(n.value);
    }
    return out;
  }

 private:
  void Parse(std::istream& in) {
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
      std::string comment;
      if (const auto semi = text.find(';'); semi != std::string::npos) {
        comment = Trim(text.substr(semi + 1));
        text.erase(semi);
      }
      text = Trim(text);
      if (text.empty()) continue;
      if (text.front() == '[') {
        if (text.back() != ']') Fail(line, "a section header must end with ]");
        sections_.push_back({Trim(text.substr(1, text.size() - 2)), line, {}});
        continue;
      }
      const auto eq = text.find('=');
      if (eq == std::string::npos) Fail(line, "expected KEY = VALUE");
      if (sections_.empty()) Fail(line, "a value before the first section");
      sections_.back().entries.push_back(
          {Trim(text.substr(0, eq)), Trim(text.substr(eq + 1)), comment, line});
    }
  }

  std::string name_;
  std::vector<Section> sections_;
};

// Keys of a section, each given once; `required` must all be there.
std::map<std::string, const Entry*> Keys(const IniReader& ini, const Section& sec,
                                         const std::vector<std::string>& required) {
  std::map<std::string, const Entry*> keys;
  for (const Entry& e : sec.entries) {
    if (std::find(required.begin(), required.end(), e.key) == required.end())
      ini.Fail(e.line, "[" + sec.name + "] has no key \"" + e.key + "\"");
    if (!keys.emplace(e.key, &e).second) ini.Fail(e.line, "\"" + e.key + "\" is given twice");
  }
  for (const std::string& k : required)
    if (!keys.count(k)) ini.Fail(sec.line, "[" + sec.name + "] lacks \"" + k + "\"");
  return keys;
}

void ReadProjectSection(const IniReader& ini, const Section& sec, ProjectState& p) {
  auto k = Keys(ini, sec,
                {"units", "system", "collector", "economics", "active_sheet", "weather_file",
                 "location"});
  p.UnitSystem = static_cast<std::uint8_t>(ini.Integer(*k["units"], 0, 1));
  p.SheetKind[1] = static_cast<std::int16_t>(ini.Integer(*k["system"], 1, 9));
  p.SheetKind[2] = static_cast<std::int16_t>(ini.Integer(*k["collector"], 0, 5));
  p.SheetKind[3] = static_cast<std::int16_t>(ini.Integer(*k["economics"], 0, 1));
  p.ActiveSheetNo = static_cast<std::int16_t>(ini.Integer(*k["active_sheet"], 1, 3));
  p.LocationIndex = static_cast<std::int16_t>(ini.Integer(*k["location"], 1, 32767));
  p.WeatherFileName = k["weather_file"]->value;
  const std::string problem = WeatherFileNameProblem(p.WeatherFileName);
  if (!problem.empty()) ini.Fail(k["weather_file"]->line, problem);
}

void ReadWindows(const IniReader& ini, const Section& sec, ProjectState& p) {
  auto k = Keys(ini, sec, {"1", "2", "3"});
  for (int s = 1; s <= kSheets; ++s) {
    const Entry& e = *k[std::to_string(s)];
    const std::vector<double> v = ini.Numbers(e);
    if (v.size() != 5) ini.Fail(e.line, "expected VISIBLE LEFT TOP RIGHT BOTTOM");
    for (double x : v)
      if (x != static_cast<short>(x)) ini.Fail(e.line, "window values are whole numbers");
    if (v[0] != 0 && v[0] != 1) ini.Fail(e.line, "the visible flag is 0 or 1");
    p.SheetVisible[s] = static_cast<std::uint8_t>(v[0]);
    p.SheetRects[s] = {static_cast<short>(v[1]), static_cast<short>(v[2]),
                       static_cast<short>(v[3]), static_cast<short>(v[4])};
  }
}

void ReadTable(const IniReader& ini, const Section& sec, ValueTable& table, bool monthly) {
  auto k = monthly ? Keys(ini, sec, {"owner", "values"}) : Keys(ini, sec, {"values"});
  const Entry& e = *k["values"];
  const std::vector<double> v = ini.Numbers(e);
  if (monthly ? v.size() != 12 : (v.size() != 10 && v.size() != 12))
    ini.Fail(e.line, monthly ? "expected twelve monthly values" : "expected ten or twelve values");
  for (std::size_t i = 0; i < v.size(); ++i) table[i + 1] = DoubleToReal6(v[i]);
  if (!monthly) return;
  const Entry& o = *k["owner"];
  int sheet = 0, kind = 0, row = 0;
  char dot1 = 0, dot2 = 0;
  std::istringstream code(o.value);
  if (!(code >> sheet >> dot1 >> kind >> dot2 >> row) || dot1 != '.' || dot2 != '.' ||
      !SheetKindExists(sheet, kind) || row < 1 || row > SheetRowCount(sheet, kind))
    ini.Fail(o.line, "the owner is SHEET.KIND.ROW of an existing row");
  table[0] = DoubleToReal6(OwnerCode(sheet, kind, row));
}

// A value at or below -990 refers to a table that must exist and belong to the row.
void CheckReference(const IniReader& ini, const Entry& e, const ProjectState& p, int code,
                    int owner, double v) {
  const int kind = ValidationKind(code);
  if (kind >= 16 && kind <= 18) {
    if (v != -990 - kind) ini.Fail(e.line, "this row refers to its table as " + std::to_string(-990 - kind));
    return;
  }
  const TableRef ref = ProjectState::ResolveReference(code, v);
  if (ref.family != TableFamily::Monthly) ini.Fail(e.line, "this row cannot hold a table");
  if (p.TableOwner(ref.number) != owner)
    ini.Fail(e.line, "monthly table " + std::to_string(ref.number) + " does not belong to this row");
}

double ChoiceValue(const IniReader& ini, const Entry& e, int code) {
  const std::vector<std::string>& items = ChoiceItems(code);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == e.value) return ChoiceStoredValue(code, static_cast<int>(i));
  const ParsedNumber n = ParseNumber(e.value);
  const int selection = n.ok() ? ChoiceSelection(code, n.value) : -1;
  if (!n.ok() || n.value != static_cast<int>(n.value) || selection < 0 ||
      selection >= static_cast<int>(items.size())) {
    std::string list;
    for (const std::string& item : items) list += (list.empty() ? "" : ", ") + item;
    ini.Fail(e.line, "\"" + e.value + "\" is none of the choices " + list);
  }
  return n.value;
}

void ReadParameterSet(const IniReader& ini, const Section& sec, ProjectState& p, int sheet,
                      int kind) {
  const int rows = SheetRowCount(sheet, kind);
  std::vector<bool> given(rows + 1, false);
  int marker = -1;
  for (const Entry& e : sec.entries) {
    if (e.key == "units") {
      marker = ini.Integer(e, 0, 1);
      p.SetParamValue(sheet, kind, 0, marker);
      continue;
    }
    const ParsedNumber rowNumber = ParseNumber(e.key);
    const int row = rowNumber.ok() ? static_cast<int>(rowNumber.value) : 0;
    if (!rowNumber.ok() || row != rowNumber.value || row < 1 || row > rows)
      ini.Fail(e.line, "\"" + e.key + "\" is no row of " + SheetTitle(sheet, kind) + " (1.." +
                           std::to_string(rows) + ")");
    if (given[row]) ini.Fail(e.line, "row " + e.key + " is given twice");
    given[row] = true;
    const CatalogueRow r = CatalogueEntry(sheet, kind, row);
    const std::string caption = TrimSpaces(r.caption);
    if (e.comment.compare(0, caption.size(), caption) != 0)
      ini.Fail(e.line, "the comment of row " + e.key + " must begin with \"" + caption + "\"");
    if (marker < 0) ini.Fail(e.line, "\"units\" must come before the rows");
    double v = 0;
    if (RowNatureOf(sheet, row, r.code) == RowNature::Choice) {
      v = ChoiceValue(ini, e, r.code);
    } else {
      v = ini.Number(e);
      if (IsTableReference(v)) {
        CheckReference(ini, e, p, r.code, OwnerCode(sheet, kind, row), v);
      } else if (RowNatureOf(sheet, row, r.code) == RowNature::Numeric) {
        const std::string problem = ValidationMessage(
            r.code, {DecStyle::FixedDecimal, static_cast<std::int16_t>(r.digits)}, v, marker);
        if (!problem.empty()) ini.Fail(e.line, "row " + e.key + " \"" + caption + "\": " + problem);
      }
    }
    p.SetParamValue(sheet, kind, row, v);
  }
  if (marker < 0) ini.Fail(sec.line, "[" + sec.name + "] lacks \"units\"");
  for (int row = sheet == kSystemSheet ? 2 : 1; row <= rows; ++row)
    if (!given[row])
      ini.Fail(sec.line, "[" + sec.name + "] lacks row " + std::to_string(row) + " \"" +
                             TrimSpaces(CatalogueEntry(sheet, kind, row).caption) + "\"");
}

// "sheet S kind K", "extra N", "monthly N".
bool SectionNumbers(const std::string& name, const char* word, int& a, int& b) {
  std::istringstream in(name);
  std::string w1, w2;
  if (std::string(word) == "sheet") return (in >> w1 >> a >> w2 >> b) && w1 == "sheet" && w2 == "kind" && in.eof();
  return (in >> w1 >> a) && w1 == word && in.eof();
}

void ReadSections(const IniReader& ini, ProjectState& p) {
  bool project = false, windows = false;
  std::vector<const Section*> sets;
  for (const Section& sec : ini.Sections()) {
    int a = 0, b = 0;
    if (sec.name == "project") {
      ReadProjectSection(ini, sec, p);
      project = true;
    } else if (sec.name == "windows") {
      ReadWindows(ini, sec, p);
      windows = true;
    } else if (SectionNumbers(sec.name, "extra", a, b) && a >= 1 && a <= kExtraTables) {
      ReadTable(ini, sec, p.ExtraTables[a], false);
    } else if (SectionNumbers(sec.name, "monthly", a, b) && a >= 1 && a <= kMonthlySlots) {
      if (p.MonthlyTables[a]) ini.Fail(sec.line, "monthly table " + std::to_string(a) + " is given twice");
      p.MonthlyTables[a] = ValueTable{};
      ReadTable(ini, sec, *p.MonthlyTables[a], true);
    } else if (SectionNumbers(sec.name, "sheet", a, b) && SheetKindExists(a, b)) {
      sets.push_back(&sec);  // after the tables they may refer to
    } else {
      ini.Fail(sec.line, "unknown section [" + sec.name + "]");
    }
  }
  if (!project) ini.Fail(1, "there is no [project] section");
  if (!windows) ini.Fail(1, "there is no [windows] section");
  std::vector<bool> done(40, false);
  for (const Section* sec : sets) {
    int sheet = 0, kind = 0;
    SectionNumbers(sec->name, "sheet", sheet, kind);
    if (done[sheet * 10 + kind]) ini.Fail(sec->line, "[" + sec->name + "] is given twice");
    done[sheet * 10 + kind] = true;
    ReadParameterSet(ini, *sec, p, sheet, kind);
  }
  for (int sheet = 1; sheet <= kSheets; ++sheet)
    for (int kind = 1; kind <= SheetKindCount(sheet); ++kind)
      if (!done[sheet * 10 + kind])
        ini.Fail(1, "there is no [sheet " + std::to_string(sheet) + " kind " +
                        std::to_string(kind) + "] (" + SheetTitle(sheet, kind) + ")");
}

}  // namespace

void ReadProjectIni(ProjectState& s, std::istream& in, const std::string& name) {
  const IniReader ini(in, name);
  ProjectState fresh;
  ReadSections(ini, fresh);
  TakeProjectFields(s, fresh);
}

}  // namespace solmon
