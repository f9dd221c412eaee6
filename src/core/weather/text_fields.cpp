#include "core/weather/text_fields.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "core/model/numbers.h"
#include "core/weather/monthly_climate.h"

namespace solmon {

std::vector<std::string> SplitFields(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    fields.emplace_back(line.substr(start, comma - start));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

std::optional<double> FieldNumber(std::string_view field) {
  const std::string text = TrimSpaces(field, field.size());
  if (text.empty()) return std::nullopt;
  const ParsedNumber p = ParseNumber(text);
  if (!p.ok() || !std::isfinite(p.value)) return std::nullopt;
  return p.value;
}

std::ifstream OpenClimateFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    throw ClimateDataError("cannot read \"" + path + "\": it is a directory");
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw ClimateDataError("cannot read \"" + path +
                           "\": " + (errno ? std::strerror(errno) : "cannot open the file"));
  return in;
}

}  // namespace solmon
