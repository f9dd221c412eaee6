// solmon-cli weather from-csv CSV --out FILE.WEA [--country A,B] [--not-country A,B]
// solmon-cli weather import-epw FILE.epw... --out FILE.WEA [--append]

#include <filesystem>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/weather_commands.h"
#include "core/weather/epw_file.h"
#include "core/weather/monthly_climate.h"
#include "core/weather/new_weather_file.h"
#include "core/weather/station_table.h"
#include "core/weather/weather_file.h"

namespace solmon::cli {

namespace {

std::set<std::string> CodeList(const std::optional<std::string>& text) {
  std::set<std::string> codes;
  if (!text) return codes;
  std::istringstream in(*text);
  for (std::string code; std::getline(in, code, ',');)
    if (!code.empty()) codes.insert(code);
  return codes;
}

// The output must be a file the program can open by name later.
std::string TakeOutput(Args& args) {
  const auto out = TakeOption(args, "--out");
  if (!out) throw UsageError("--out FILE.WEA is required");
  const std::string problem =
      WeatherFileNameProblem(std::filesystem::path(*out).filename().string());
  if (!problem.empty()) throw UsageError(problem);
  return *out;
}

void Write(const std::string& path, const std::vector<LocationRecord>& records) {
  WriteWeatherFile(path, records);
  std::cout << "wrote " << records.size() << " locations to " << path << "\n";
}

}  // namespace

int WeatherFromCsvCommand(Args args) {
  const std::string out = TakeOutput(args);
  const std::set<std::string> only = CodeList(TakeOption(args, "--country"));
  const std::set<std::string> except = CodeList(TakeOption(args, "--not-country"));
  RejectUnknownOptions(args);
  if (args.size() != 1) throw UsageError("weather from-csv takes one station table");
  std::vector<LocationRecord> records;
  for (const MonthlyClimate& station : ReadStationTable(args[0])) {
    if (!only.empty() && !only.contains(station.country)) continue;
    if (except.contains(station.country)) continue;
    records.push_back(ClimateToRecord(station));
  }
  Write(out, records);
  return kOk;
}

int WeatherImportEpwCommand(Args args) {
  const std::string out = TakeOutput(args);
  const bool append = TakeFlag(args, "--append");
  RejectUnknownOptions(args);
  if (args.empty()) throw UsageError("weather import-epw needs at least one EPW file");
  const EpwImportResult result = ImportEpwFiles(args, out, append);
  std::cout << "wrote " << result.kept + result.names.size() << " locations to " << out << "\n";
  for (std::size_t i = 0; i < result.names.size(); ++i)
    std::cout << "  " << result.kept + i + 1 << "  " << result.names[i] << "  from " << args[i]
              << "\n";
  return kOk;
}

}  // namespace solmon::cli
