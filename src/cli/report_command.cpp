// solmon-cli report PROJECT.SMN [--weather-dir DIR] [--cr]
//
// Calculates a single-location project as `run` does and prints the thermal
// report and, with economics on, the economic report as the clipboard
// receives them: tab-ended cells, lines ended by a carriage return (turned
// into line feeds unless --cr is given).

#include <algorithm>
#include <iostream>

#include "cli/batch_run.h"
#include "cli/commands.h"
#include "core/report/economic_report.h"
#include "core/report/thermal_report.h"

namespace solmon::cli {

namespace {

const char* kReportUsage = "usage: solmon-cli report PROJECT.SMN [--weather-dir DIR] [--cr]\n";

struct ReportArgs {
  std::string project;
  std::string weatherDir;
  bool keepCarriageReturns = false;
};

bool ParseArgs(const Args& args, ReportArgs& r) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--cr") {
      r.keepCarriageReturns = true;
    } else if (args[i] == "--weather-dir" && i + 1 < args.size()) {
      r.weatherDir = args[++i];
    } else if (args[i].rfind("--", 0) == 0 || !r.project.empty()) {
      std::cerr << "solmon-cli report: unexpected argument '" << args[i] << "'\n";
      return false;
    } else {
      r.project = args[i];
    }
  }
  if (r.project.empty()) std::cerr << "solmon-cli report: no project named\n";
  return !r.project.empty();
}

std::string ReportText(const ReportRenderer& render) {
  ReportOutput out;
  return ReportClipboardText(out, render).value_or("");
}

}  // namespace

int ReportCommand(const Args& args) {
  ReportArgs r;
  if (!ParseArgs(args, r)) {
    std::cerr << kReportUsage;
    return kUsage;
  }
  ProjectState s;
  OpenProject(s, r.project, r.weatherDir);
  if (s.LocationIndex <= 0) {
    std::cerr << "solmon-cli report: " << r.project
              << " is calculated for every location of its weather file; the reports show a "
                 "single location (use solmon-cli run)\n";
    return kFailed;
  }
  BatchPrompts prompts;
  if (CalculateProject(s, prompts) != RunOutcome::Completed) return kFailed;  // said on stderr
  std::string text = ReportText([&](ReportOutput& o) { DisplayThermal(s, o); });
  if (s.SheetKind[3] > 0) text += ReportText([&](ReportOutput& o) { DisplayEcon(s, o); });
  if (!r.keepCarriageReturns) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    text += '\n';
  }
  std::cout << text;
  FlushStandardOutput();
  return kOk;
}

}  // namespace solmon::cli
