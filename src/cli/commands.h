#pragma once
// The subcommands of solmon-cli. Each returns the process exit code.

#include <string>
#include <vector>

namespace solmon::cli {

using Args = std::vector<std::string>;

int CatalogueCommand(const Args& args);
int ProjectCommand(const Args& args);
int RunCommand(const Args& args);
int ReportCommand(const Args& args);
int WeatherCommand(const Args& args);

// Exit codes.
constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

}  // namespace solmon::cli
