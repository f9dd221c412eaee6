#pragma once
// The parts of solmon-cli weather.

#include <string>

#include "cli/commands.h"
#include "core/model/project_state.h"

namespace solmon::cli {

// weather from-csv and weather import-epw: they write weather files.
int WeatherFromCsvCommand(Args args);
int WeatherImportEpwCommand(Args args);

// Number, name and latitude of every location of a weather file.
void PrintLocationList(const std::string& path, int count);
// The loaded location n of `path`, month by month, in the project's units.
void PrintLocation(const ProjectState& s, const std::string& path, int n);

}  // namespace solmon::cli
