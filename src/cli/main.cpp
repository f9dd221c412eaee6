// solmon-cli: the batch front end of Solmon.

#include <exception>
#include <functional>
#include <iostream>
#include <map>

#include "cli/commands.h"

namespace {

const char* kUsageText =
    "usage: solmon-cli COMMAND [ARGS]\n"
    "commands:\n"
    "  catalogue [SHEET KIND]   the parameter tables: a summary, or the rows of one sheet kind\n"
    "  project info FILE        what a project file holds\n"
    "  project save IN OUT      read a project and write it again in the current version\n"
    "  project from-ini INI OUT [--weather-dir DIR]\n"
    "                           a project from its readable source (the defaults project)\n"
    "  run PROJECT [OPTIONS]    calculate a project: one line of results per location\n"
    "  report PROJECT [--weather-dir DIR] [--cr]\n"
    "                           calculate a project and print its reports as copied text\n"
    "  weather list|show|from-csv|import-epw ...   weather files and their locations\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace solmon::cli;
  const std::map<std::string, std::function<int(const Args&)>> commands = {
      {"catalogue", CatalogueCommand},
      {"project", ProjectCommand},
      {"run", RunCommand},
      {"report", ReportCommand},
      {"weather", WeatherCommand},
  };
  if (argc < 2) {
    std::cerr << kUsageText;
    return kUsage;
  }
  const auto it = commands.find(argv[1]);
  if (it == commands.end()) {
    std::cerr << "solmon-cli: unknown command '" << argv[1] << "'\n" << kUsageText;
    return kUsage;
  }
  try {
    return it->second(Args(argv + 2, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "solmon-cli: " << e.what() << "\n";
    return kFailed;
  }
}
