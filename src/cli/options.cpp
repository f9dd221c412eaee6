#include "cli/options.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace solmon::cli {

namespace {

std::string WithSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

std::optional<std::string> TakeOption(Args& args, const std::string& name) {
  const auto it = std::find(args.begin(), args.end(), name);
  if (it == args.end()) return std::nullopt;
  if (it + 1 == args.end()) throw UsageError(name + " needs a value");
  std::string value = *(it + 1);
  args.erase(it, it + 2);
  if (std::find(args.begin(), args.end(), name) != args.end())
    throw UsageError(name + " is given more than once");
  return value;
}

bool TakeFlag(Args& args, const std::string& name) {
  const auto end = std::remove(args.begin(), args.end(), name);
  const bool found = end != args.end();
  args.erase(end, args.end());
  return found;
}

void RejectUnknownOptions(const Args& args) {
  for (const std::string& a : args)
    if (a.rfind("--", 0) == 0) throw UsageError("unknown option " + a);
}

std::optional<int> ParseInteger(const std::string& text) {
  try {
    std::size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

std::string ProgramDirectory() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return WithSeparator(exe.parent_path().string());
  return WithSeparator(std::filesystem::current_path(ec).string());
}

std::string TakeWeatherDir(Args& args) {
  const auto dir = TakeOption(args, "--weather-dir");
  return dir ? WithSeparator(*dir) : ProgramDirectory();
}

}  // namespace solmon::cli
