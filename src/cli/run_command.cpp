// solmon-cli run PROJECT.SMN [--weather-dir DIR] [--all-locations] [--monthly]
//                            [--slope-offset DEG] [--out FILE]
//
// Runs a project as the desktop program does right after opening it: the
// sheets of the current kinds are built, then Calculate. The result is the
// multi-location file layout: a header line and one line per location.

#include <fstream>
#include <iostream>
#include <optional>

#include "cli/batch_run.h"
#include "cli/commands.h"
#include "core/model/numbers.h"
#include "core/report/multi_location_file.h"
#include "core/weather/weather_file.h"

namespace solmon::cli {

namespace {

const char* kRunUsage =
    "usage: solmon-cli run PROJECT.SMN [--weather-dir DIR] [--all-locations] [--monthly]\n"
    "                      [--slope-offset DEG] [--out FILE]\n";

struct RunArgs {
  std::string project;
  std::string weatherDir;
  bool allLocations = false;
  bool monthly = false;
  std::optional<double> slopeOffset;
  std::string out;
};

std::string UsageError(const std::string& why) {
  return why + "\n" + kRunUsage;
}

// The arguments, or the text of the usage error.
std::optional<std::string> ParseArgs(const Args& args, RunArgs& r) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&](std::string& into) -> bool {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    std::string text;
    if (a == "--all-locations") {
      r.allLocations = true;
    } else if (a == "--monthly") {
      r.monthly = true;
    } else if (a == "--weather-dir") {
      if (!value(r.weatherDir)) return UsageError("solmon-cli run: --weather-dir needs a folder");
    } else if (a == "--out") {
      if (!value(r.out)) return UsageError("solmon-cli run: --out needs a file name");
    } else if (a == "--slope-offset") {
      const ParsedNumber n = value(text) ? ParseNumber(text) : ParsedNumber{0, 1};
      if (!n.ok()) return UsageError("solmon-cli run: --slope-offset needs a number of degrees");
      r.slopeOffset = n.value;
    } else if (a.rfind("--", 0) == 0) {
      return UsageError("solmon-cli run: unknown option '" + a + "'");
    } else if (r.project.empty()) {
      r.project = a;
    } else {
      return UsageError("solmon-cli run: more than one project named ('" + a + "')");
    }
  }
  if (r.project.empty()) return UsageError("solmon-cli run: no project named");
  return std::nullopt;
}

// The single location's header and line.
void WriteSingleLocation(const ProjectState& s, const MultiLocationOptions& options) {
  std::ofstream file;
  std::ostream* out = options.Stream;
  if (!out) {
    file.open(options.FileName, std::ios::binary | std::ios::trunc);
    if (!file) throw OutputFileError("cannot create " + options.FileName);
    out = &file;
  }
  MultiLocationWriter writer(*out, s.SheetKind[1], options.Monthly, s.SheetKind[3] > 0);
  writer.WriteHeader();
  writer.WriteLocation(s.Location.Name(), s.Results, s.Economics);
}

}  // namespace

int RunCommand(const Args& args) {
  RunArgs r;
  if (const auto problem = ParseArgs(args, r)) {
    std::cerr << *problem;
    return kUsage;
  }
  ProjectState s;
  OpenProject(s, r.project, r.weatherDir);
  const bool all = r.allLocations || s.LocationIndex <= 0;
  if (r.slopeOffset && !all) {
    std::cerr << "solmon-cli run: --slope-offset sets the slope of every location of a run over "
                 "all locations; add --all-locations\n";
    return kUsage;
  }
  if (all) {
    if (s.LocationIndex > 0) s.LocationIndex = -1;
    CountLocations(
        WeatherFilePath(s));  // an unreadable weather file fails before anything is written
  }
  MultiLocationOptions options;
  options.Monthly = r.monthly;
  options.FixedSlope = !r.slopeOffset;
  options.Slope = r.slopeOffset.value_or(0);
  options.FileName = r.out;
  options.Stream = r.out.empty() ? &std::cout : nullptr;
  BatchPrompts prompts(options);
  const RunOutcome outcome = CalculateProject(s, prompts);
  if (outcome == RunOutcome::Completed && !all) WriteSingleLocation(s, options);
  FlushStandardOutput();
  return outcome == RunOutcome::Completed ? kOk : kFailed;
}

}  // namespace solmon::cli
