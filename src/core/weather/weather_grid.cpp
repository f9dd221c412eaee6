#include "core/weather/weather_grid.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "core/model/numbers.h"
#include "core/model/units.h"
#include "core/weather/weather_file.h"

namespace solmon {

namespace {

struct Column {
  const char* heading;
  const char* unitSI;
  const char* unitEnglish;
  int decimals;
};

const Column kColumns[kGridColumns + 1] = {
    {"", "", "", 0},
    {"Solar Rad.", "[kJ/m^2]", "[Btu/ft^2]", 0},
    {"Temp.", "[\u00B0C]", "[\u00B0F]", 1},
    {"Humidity", "[kg/kg]", "[lb/lb]", 4},
    {"Mains", "[\u00B0C]", "[\u00B0F]", 1},
    {"Reflect.", "", "", 2},
    {"", "", "", 0},
};

void CheckCell(int r, int c) {
  if (r < 1 || r > kGridMonths || c < 1 || c > kGridColumns)
    throw std::out_of_range("no weather grid cell " + std::to_string(r) + "," + std::to_string(c));
}

const Real6& CellOf(const ProjectState& s, int r, int c) {
  CheckCell(r, c);
  const LocationRecord& loc = s.Location;
  switch (c) {
    case 1: return loc.HBar[r];
    case 2: return loc.TAmb[r];
    case 3: return loc.HumRatio[r];
    case 4: return loc.TMains[r];
    case 5: return loc.Reflect[r];
    default: return s.DegDays[r];
  }
}

Real6& CellOf(ProjectState& s, int r, int c) {
  return const_cast<Real6&>(CellOf(static_cast<const ProjectState&>(s), r, c));
}

// The number a cell text stands for; blanks trimmed, empty = no value.
std::optional<double> CellNumber(const std::string& text) {
  const std::string t = TrimSpaces(text);
  if (t.empty()) return kNoWeatherValue;
  const ParsedNumber p = ParseNumber(t);
  if (!p.ok()) return std::nullopt;
  return p.value;
}

// Stores v in an editable cell; false when it is what the cell holds.
bool Store(ProjectState& s, int r, int c, double v) {
  Real6& cell = CellOf(s, r, c);
  const Real6 before = cell;
  StoreReal6(cell, v);
  return !(cell == before);
}

std::string UnexpectedCharacter(int r, int c) {
  return "Unexpected character in row " + std::to_string(r) + " column " + std::to_string(c);
}

// The paste stream: a token ends at a TAB, at a line end (LF, a CR before
// it removed) or at the end of the text.
class TokenReader {
 public:
  explicit TokenReader(const std::string& text) : text_(text) {}
  // False at the end: nothing left, or an empty last token.
  bool Next(std::string& token, bool& endsLine) {
    if (pos_ > text_.size()) return false;
    const std::size_t end = text_.find_first_of("\t\n", pos_);
    if (end == std::string::npos) {
      token = text_.substr(pos_);
      pos_ = text_.size() + 1;
      endsLine = true;
      return !token.empty();
    }
    token = text_.substr(pos_, end - pos_);
    endsLine = text_[end] == '\n';
    if (endsLine && !token.empty() && token.back() == '\r') token.pop_back();
    pos_ = end + 1;
    return true;
  }
  // Drops the rest of the current line.
  void SkipLine() {
    const std::size_t end = text_.find('\n', pos_);
    pos_ = end == std::string::npos ? text_.size() + 1 : end + 1;
  }

 private:
  const std::string& text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string GridHeading(int c, int line, int unitSystem) {
  if (c < 1 || c > kGridColumns) return {};
  const bool si = unitSystem == kSI;
  if (c == kGridColumns) return line == 1 ? (si ? "\u00B0C-days" : "\u00B0F-days") : "";
  const Column& col = kColumns[c];
  return line == 1 ? col.heading : (si ? col.unitSI : col.unitEnglish);
}

int GridDecimals(int c) {
  return c >= 1 && c <= kGridColumns ? kColumns[c].decimals : 0;
}

bool GridColumnEditable(int c) {
  return c >= 1 && c < kGridColumns;
}

double GridValue(const ProjectState& s, int r, int c) {
  return Real6ToDouble(CellOf(s, r, c));
}

std::string GridCellText(const ProjectState& s, int r, int c) {
  const double v = GridValue(s, r, c);
  if (v == kNoWeatherValue) return {};
  return FormatValue(v, {DecStyle::FixedDecimal, static_cast<std::int16_t>(GridDecimals(c))});
}

CellEdit SetGridCell(ProjectState& s, int r, int c, const std::string& typed) {
  if (r < 1 || r > kGridMonths || !GridColumnEditable(c)) return CellEdit::NotEditable;
  // Leaving a cell as shown keeps the full stored value.
  if (TrimSpaces(typed) == GridCellText(s, r, c)) return CellEdit::Unchanged;
  const std::optional<double> v = CellNumber(typed);
  if (!v) return CellEdit::Ignored;
  bool changed = false;
  try {
    changed = Store(s, r, c, *v);
  } catch (const Real6Overflow&) {
    return CellEdit::Ignored;
  }
  if (c == 2) RecomputeDegreeDays(s);
  if (!changed) return CellEdit::Unchanged;
  s.MarkModified();
  return CellEdit::Changed;
}

bool SetBaseTemperature(ProjectState& s, const std::string& text) {
  const ParsedNumber p = ParseNumber(TrimSpaces(text));
  if (!p.ok()) return false;
  try {
    StoreReal6(s.Location.DegDayBase, p.value);
  } catch (const Real6Overflow&) {
    return false;
  }
  RecomputeDegreeDays(s);
  return true;
}

void RecomputeDegreeDays(ProjectState& s) {
  const double base = Real6ToDouble(s.Location.DegDayBase);
  for (int m = 1; m <= kGridMonths; ++m) {
    if (Real6ToDouble(s.Location.TAmb[m]) == kNoWeatherValue)
      s.DegDays[m] = DoubleToReal6(kNoWeatherValue);
    else
      ComputeDegreeDays(s, m, base);
  }
}

void RefreshSkyTemperatures(ProjectState& s) {
  ProjectState work = s;
  // The conversion follows the system kind; any kind serves for the sky.
  if (work.SheetKind[1] < 1) work.SheetKind[1] = 6;
  try {
    if (work.UnitSystem == kEnglish) {
      ComputeSkyTemperatures(work);
    } else {
      ConvertLocationUnits(work, kSI, kEnglish);
      ConvertLocationUnits(work, kEnglish, kSI);
    }
  } catch (const Real6Overflow&) {
    return;  // values no sky temperature can come from: the old ones stay
  }
  s.TSky = work.TSky;
}

std::string GridCopyText(const ProjectState& s, GridRange g) {
  g.top = std::max(g.top, 1);
  g.left = std::max(g.left, 1);
  g.bottom = std::min(g.bottom, kGridMonths);
  g.right = std::min(g.right, kGridColumns);
  std::string text;
  for (int r = g.top; r <= g.bottom; ++r) {
    if (r > g.top) text += "\r\n";
    for (int c = g.left; c <= g.right; ++c) {
      if (c > g.left) text += '\t';
      text += GridCellText(s, r, c);
    }
  }
  return text;
}

PasteResult PasteIntoGrid(ProjectState& s, const std::string& text, int row, int column) {
  PasteResult result;
  const int startColumn = std::max(column, 1);
  int r = std::max(row, 1), c = startColumn;
  bool temperature = false;
  TokenReader tokens(text);
  std::string token;
  bool endsLine = false;
  while (r <= kGridMonths && tokens.Next(token, endsLine)) {
    const std::optional<double> v = CellNumber(token);
    bool stored = false;
    if (v) {
      try {
        stored = GridColumnEditable(c) && Store(s, r, c, *v);
      } catch (const Real6Overflow&) {
        stored = false;
        result.ok = false;
      }
    } else {
      result.ok = false;
    }
    if (!result.ok) {
      result.errorRow = r;
      result.errorColumn = c;
      result.message = UnexpectedCharacter(r, c);
      break;
    }
    result.changed = result.changed || stored;
    temperature = temperature || c == 2;
    if (endsLine) {
      ++r;
      c = startColumn;
    } else if (++c > kGridColumns) {
      tokens.SkipLine();
      ++r;
      c = startColumn;
    }
  }
  // The values pasted before a bad token stay; the degree-days follow them.
  if (temperature) RecomputeDegreeDays(s);
  if (result.changed) s.MarkModified();
  return result;
}

}  // namespace solmon
