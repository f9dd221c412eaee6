#include "core/weather/location_list.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/model/numbers.h"
#include "core/weather/weather_file.h"

namespace solmon {

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool HasWeatherExtension(const std::filesystem::path& p) {
  return Lower(p.extension().string()) == ".wea";
}

}  // namespace

std::vector<std::string> ListWeatherFiles(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (!it->is_regular_file(ec) || !HasWeatherExtension(it->path())) continue;
    const std::string name = it->path().filename().string();
    if (WeatherFileNameProblem(name).empty()) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

int WeatherFileListIndex(const std::vector<std::string>& files, const std::string& current) {
  const auto it = std::find(files.begin(), files.end(), current);
  return it == files.end() ? 0 : static_cast<int>(it - files.begin());
}

std::string LocationListText(const std::string& name, bool byState) {
  const std::string text = TrimSpaces(name);
  if (!byState) return text;
  const std::size_t d = text.rfind(' ');
  if (d == std::string::npos) return text;
  return text.substr(d + 1) + " " + text.substr(0, d + 1);
}

std::vector<LocationListItem> BuildLocationList(const std::vector<LocationRecord>& records,
                                                bool byState) {
  std::vector<LocationListItem> items;
  for (std::size_t i = 0; i < records.size(); ++i)
    items.push_back({LocationListText(records[i].Name(), byState), static_cast<int>(i + 1)});
  std::stable_sort(items.begin(), items.end(),
                   [](const LocationListItem& a, const LocationListItem& b) {
                     return Lower(a.text) < Lower(b.text);
                   });
  return items;
}

int FindLocationItem(const std::vector<LocationListItem>& items, const std::string& name) {
  const std::string wanted = Lower(name);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (Lower(items[i].text) == wanted) return static_cast<int>(i);
  return -1;
}

std::vector<LocationRecord> ReadLocationsForListing(const std::string& path, std::string& problem) {
  problem.clear();
  try {
    return ReadWeatherFile(path);
  } catch (const WeatherFileError& e) {
    problem = e.what();
  }
  std::vector<LocationRecord> records;
  try {
    const int count = CountLocations(path);
    for (int n = 1; n <= count; ++n) records.push_back(ReadLocation(path, n));
  } catch (const WeatherFileError&) {
    // The list ends before the record the problem names.
  }
  return records;
}

int ClampLocationIndex(int index, int count) {
  return index < 1 || index > count ? 1 : index;
}

}  // namespace solmon
