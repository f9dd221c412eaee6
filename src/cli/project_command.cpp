// solmon-cli project info FILE | save IN OUT | from-ini INI OUT [--weather-dir DIR]

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "core/files/project_file.h"
#include "core/files/project_ini.h"
#include "core/model/catalogue.h"
#include "core/model/numbers.h"
#include "core/weather/weather_file.h"

namespace solmon::cli {

namespace {

const char* kProjectUsage =
    "usage: solmon-cli project info FILE\n"
    "       solmon-cli project save IN OUT\n"
    "       solmon-cli project from-ini INI OUT [--weather-dir DIR]\n";

std::string Quoted(const std::string& text) {
  std::string q = "\"";
  q += text;
  q += '"';
  return q;
}

std::string KindText(int sheet, int kind) {
  if (!SheetKindExists(sheet, kind)) return std::to_string(kind) + " (none)";
  return std::to_string(kind) + " " + SheetTitle(sheet, kind);
}

void PrintTablesInUse(const ProjectState& s) {
  std::printf("Tables in use:\n");
  int shown = 0;
  for (int sheet = 1; sheet <= kSheets; ++sheet) {
    const int kind = s.SheetKind[sheet];
    if (!SheetKindExists(sheet, kind)) continue;
    for (int row = 2; row <= SheetRowCount(sheet, kind); ++row) {
      const CatalogueRow r = CatalogueEntry(sheet, kind, row);
      const TableRef ref = ProjectState::ResolveReference(r.code, s.ParamValue(sheet, kind, row));
      if (ref.family == TableFamily::None) continue;
      const bool monthly = ref.family == TableFamily::Monthly;
      const bool present = !monthly || s.MonthlyTables[ref.number].has_value();
      std::printf("  sheet %d row %2d %-46s %s table %d%s\n", sheet, row,
                  Quoted(TrimSpaces(r.caption)).c_str(), monthly ? "monthly" : "extra", ref.number,
                  present ? "" : " (missing)");
      ++shown;
    }
  }
  if (!shown) std::printf("  none\n");
  std::printf("Monthly slots:");
  int used = 0;
  for (int n = 1; n <= kMonthlySlots; ++n) {
    if (!s.MonthlyTables[n]) continue;
    ++used;
    const int owner = s.TableOwner(n);
    if (owner > 0)
      std::printf(" %d (owner %d)", n, owner);
    else
      std::printf(" %d (free)", n);
  }
  std::printf(used ? "\n" : " none\n");
}

void PrintPlots(const ProjectState& s) {
  std::printf("Plots: %d\n", s.Plots.Count());
  int n = 0;
  for (const Plot& p : s.Plots.PlotList())
    std::printf("  %d \"%s\": %zu line%s, %zu text item%s\n", ++n, p.Info.Title.Text().c_str(),
                p.Lines.size(), p.Lines.size() == 1 ? "" : "s", p.Texts.size(),
                p.Texts.size() == 1 ? "" : "s");
}

int Info(const std::string& path) {
  ProjectState s;
  const ProjectFileVersion v = ReadProject(s, path);
  std::printf("File: %s\n", path.c_str());
  std::printf("Version: %s (%d)\n", v.text.c_str(), v.number);
  std::printf("Units: %s\n", s.UnitSystem == 0 ? "SI" : "English");
  std::printf("System: %s\n", KindText(1, s.SheetKind[1]).c_str());
  std::printf("Collector: %s\n", KindText(2, s.SheetKind[2]).c_str());
  std::printf("Economics: %s\n", s.SheetKind[3] >= 1 ? "on" : "off");
  if (s.LocationIndex < 0)
    std::printf("Location: %s\n", s.LocationName.c_str());
  else
    std::printf("Location: %d in %s, %s (latitude %.2f)\n", s.LocationIndex,
                s.WeatherFileName.c_str(), s.LocationName.c_str(),
                Real6ToDouble(s.Location.Latitude));
  PrintTablesInUse(s);
  PrintPlots(s);
  return kOk;
}

// The defaults project from its readable source; the location comes from the
// weather file in `weatherDir` (by default the output's folder, the program's
// directory).
int FromIni(const std::string& ini, const std::string& out, std::string weatherDir) {
  if (weatherDir.empty()) weatherDir = std::filesystem::path(out).parent_path().string();
  std::ifstream in(ini);
  if (!in) throw ProjectIniError("cannot read \"" + ini + "\"");
  ProjectState s;
  s.ProgramDir = weatherDir.empty() ? std::string() : weatherDir + "/";
  ReadProjectIni(s, in, ini);
  LoadLocation(s, s.LocationIndex);
  s.LocationName = s.Location.Name();
  WriteProject(s, out);
  std::printf("Wrote %s: %s, location %d of %s (%s)\n", out.c_str(),
              s.UnitSystem == 0 ? "SI" : "English", s.LocationIndex, s.WeatherFileName.c_str(),
              s.LocationName.c_str());
  return kOk;
}

int Save(const std::string& in, const std::string& out) {
  ProjectState s;
  const ProjectFileVersion v = ReadProject(s, in);
  WriteProject(s, out);
  std::printf("Saved %s (version %s, read as %s)\n", out.c_str(), kProjectVersionText,
              v.text.c_str());
  return kOk;
}

}  // namespace

int ProjectCommand(const Args& args) {
  if (args.size() == 2 && args[0] == "info") return Info(args[1]);
  if (args.size() == 3 && args[0] == "save") return Save(args[1], args[2]);
  if (args.size() == 3 && args[0] == "from-ini") return FromIni(args[1], args[2], "");
  if (args.size() == 5 && args[0] == "from-ini" && args[3] == "--weather-dir")
    return FromIni(args[1], args[2], args[4]);
  std::cerr << kProjectUsage;
  return kUsage;
}

}  // namespace solmon::cli
