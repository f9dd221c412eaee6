#pragma once
// Option parsing shared by the solmon-cli commands.

#include <optional>
#include <stdexcept>
#include <string>

#include "cli/commands.h"

namespace solmon::cli {

// A command line that does not fit the command; main reports it with the
// usage exit code.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Removes "NAME VALUE" from args and returns VALUE; nothing when NAME is
// absent. Throws UsageError when VALUE is missing or NAME is given twice.
std::optional<std::string> TakeOption(Args& args, const std::string& name);

// Removes the flag NAME from args; true when it was there.
bool TakeFlag(Args& args, const std::string& name);

// Throws UsageError for an argument left over that starts with "--".
void RejectUnknownOptions(const Args& args);

// A whole decimal number, or nothing.
std::optional<int> ParseInteger(const std::string& text);

// The directory of the solmon-cli executable, with a trailing "/": where the
// shipped weather files and the defaults live.
std::string ProgramDirectory();

// Removes "--weather-dir DIR" from args; returns DIR (with a trailing "/"),
// or the program's directory when the option is absent.
std::string TakeWeatherDir(Args& args);

}  // namespace solmon::cli
