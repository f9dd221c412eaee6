// solmon-cli weather list|show|from-csv|import-epw

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/weather_commands.h"
#include "core/model/units.h"
#include "core/weather/weather_file.h"

namespace solmon::cli {

namespace {

const char* kWeatherUsage =
    "usage: solmon-cli weather list [FILE.WEA] [--weather-dir DIR]\n"
    "       solmon-cli weather show FILE.WEA N [--si] [--weather-dir DIR]\n"
    "       solmon-cli weather from-csv CSV --out FILE.WEA [--country A,B] [--not-country A,B]\n"
    "       solmon-cli weather import-epw FILE.epw... --out FILE.WEA [--append]\n"
    "A bare FILE.WEA is looked up in the weather directory (the program's directory unless\n"
    "--weather-dir says otherwise); give a path such as ./FILE.WEA for any other file.\n";

// A bare name lies in the weather directory; anything with a directory part
// is a path of its own.
std::string ResolveWeatherFile(const std::string& name, const std::string& weatherDir) {
  return name.find('/') == std::string::npos ? weatherDir + name : name;
}

bool IsWeatherFile(const std::filesystem::directory_entry& e) {
  std::string ext = e.path().extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), ::toupper);
  return ext == ".WEA" && e.is_regular_file();
}

void WarnAboutTrailingBytes(const std::string& path, const WeatherFileLayout& layout) {
  if (layout.trailingBytes > 0)
    std::cerr << "solmon-cli: weather file \"" << path << "\" ends in " << layout.trailingBytes
              << " bytes that are not a whole location record; they are ignored\n";
}

int ListWeatherDirectory(const std::string& dir) {
  std::error_code ec;
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir, ec))
    if (IsWeatherFile(e)) names.push_back(e.path().filename().string());
  if (ec)
    throw WeatherFileError("cannot list the weather directory \"" + dir + "\": " + ec.message());
  std::sort(names.begin(), names.end());
  if (names.empty()) std::cerr << "solmon-cli: no weather files (*.WEA) in \"" << dir << "\"\n";
  for (const std::string& name : names) {
    const WeatherFileLayout layout = InspectWeatherFile(dir + name);
    std::printf("%-15s %5d locations\n", name.c_str(), layout.locations);
    WarnAboutTrailingBytes(dir + name, layout);
  }
  return kOk;
}

int ListCommand(Args args) {
  const std::string dir = TakeWeatherDir(args);
  RejectUnknownOptions(args);
  if (args.empty()) return ListWeatherDirectory(dir);
  if (args.size() != 1) throw UsageError("weather list takes one weather file");
  const std::string path = ResolveWeatherFile(args[0], dir);
  const WeatherFileLayout layout = InspectWeatherFile(path);
  PrintLocationList(path, layout.locations);
  WarnAboutTrailingBytes(path, layout);
  return kOk;
}

int ShowCommand(Args args) {
  const std::string dir = TakeWeatherDir(args);
  const bool si = TakeFlag(args, "--si");
  RejectUnknownOptions(args);
  if (args.size() != 2) throw UsageError("weather show takes a weather file and a location number");
  const auto n = ParseInteger(args[1]);
  if (!n) throw UsageError("the location number \"" + args[1] + "\" is not a whole number");
  ProjectState s;
  s.UnitSystem = si ? kSI : kEnglish;
  // A pool system holds the sky temperatures in the display units; the
  // degree-days are always in them.
  s.SheetKind[1] = 6;
  const std::string path = ResolveWeatherFile(args[0], dir);
  LoadLocationFrom(s, path, *n);
  PrintLocation(s, path, *n);
  return kOk;
}

}  // namespace

int WeatherCommand(const Args& args) {
  const std::map<std::string, int (*)(Args)> subcommands = {
      {"list", ListCommand},
      {"show", ShowCommand},
      {"from-csv", WeatherFromCsvCommand},
      {"import-epw", WeatherImportEpwCommand},
  };
  const auto it = args.empty() ? subcommands.end() : subcommands.find(args[0]);
  if (it == subcommands.end()) {
    std::cerr << kWeatherUsage;
    return kUsage;
  }
  try {
    return it->second(Args(args.begin() + 1, args.end()));
  } catch (const UsageError& e) {
    std::cerr << "solmon-cli weather: " << e.what() << "\n" << kWeatherUsage;
    return kUsage;
  }
}

}  // namespace solmon::cli
