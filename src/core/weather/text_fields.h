#pragma once
// Comma-separated text lines of climate tables and hourly weather files.

#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solmon {

// The fields of one line, split at every comma (no quoting); a carriage
// return at the end of the line is dropped.
std::vector<std::string> SplitFields(std::string_view line);

// The number in a field (surrounding spaces allowed); nothing when the field
// is not a number.
std::optional<double> FieldNumber(std::string_view field);

// Opens a text file for reading. Throws ClimateDataError when it cannot.
std::ifstream OpenClimateFile(const std::string& path);

}  // namespace solmon
