#include "core/weather/new_weather_file.h"

#include <filesystem>
#include <map>

#include "core/weather/epw_file.h"
#include "core/weather/monthly_climate.h"
#include "core/weather/weather_file.h"

namespace solmon {

namespace {

std::string InDirectory(const std::string& dir, const std::string& name) {
  const std::string problem = WeatherFileNameProblem(name);
  if (!problem.empty()) throw WeatherFileError(problem);
  if (dir.empty() || dir.back() == '/' || dir.back() == '\\') return dir + name;
  return dir + "/" + name;
}

}  // namespace

std::vector<LocationRecord> CollectRecords(const std::string& weatherDir,
                                           const std::vector<CollectedLocation>& items) {
  // Each source file is read once, however many of its locations are taken.
  std::map<std::string, std::vector<LocationRecord>> files;
  std::vector<LocationRecord> records;
  for (const CollectedLocation& item : items) {
    const std::string path = InDirectory(weatherDir, item.fileName);
    auto it = files.find(path);
    if (it == files.end()) it = files.emplace(path, ReadWeatherFile(path)).first;
    const std::vector<LocationRecord>& source = it->second;
    if (item.cityNo < 1 || item.cityNo > static_cast<int>(source.size()))
      throw WeatherFileError("location " + std::to_string(item.cityNo) + " is no longer in weather file \"" +
                             path + "\", which holds " + std::to_string(source.size()) +
                             " locations; the new file was not written");
    records.push_back(source[item.cityNo - 1]);
  }
  return records;
}

int SaveNewWeatherFile(const std::string& weatherDir, const std::vector<CollectedLocation>& items,
                       const std::string& target) {
  const std::vector<LocationRecord> records = CollectRecords(weatherDir, items);
  WriteWeatherFile(target, records);
  return static_cast<int>(records.size());
}

EpwImportResult ImportEpwFiles(const std::vector<std::string>& epwPaths, const std::string& target,
                               bool append) {
  std::vector<LocationRecord> records;
  if (append && std::filesystem::exists(target)) {
    const WeatherFileLayout layout = InspectWeatherFile(target);
    if (layout.trailingBytes > 0)
      throw WeatherFileError("weather file \"" + target + "\" ends in " +
                             std::to_string(layout.trailingBytes) +
                             " bytes that are not a whole record; nothing was appended");
    records = ReadWeatherFile(target);
  }
  EpwImportResult result;
  result.kept = static_cast<int>(records.size());
  for (const std::string& epw : epwPaths) {
    records.push_back(ClimateToRecord(ReadEpwFile(epw)));
    result.names.push_back(records.back().Name());
  }
  WriteWeatherFile(target, records);
  return result;
}

}  // namespace solmon
