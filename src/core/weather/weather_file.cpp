// Weather file access: names, counting, reading and writing records.

#include "core/weather/weather_file.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/files/whole_file.h"

namespace solmon {

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string Plural(std::uintmax_t n, const std::string& word) {
  return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

// "holds 3 locations" plus the damage, for messages about location numbers.
std::string Holdings(const WeatherFileLayout& layout) {
  std::string text = "holds " + Plural(layout.locations, "location");
  if (layout.trailingBytes > 0)
    text +=
        " and " + Plural(layout.trailingBytes, "trailing byte") + " that are not a whole record";
  return text;
}

void CheckLocationNumber(const std::string& path, const WeatherFileLayout& layout, int n,
                         int highest) {
  if (n < 1 || n > highest)
    throw WeatherFileError("location " + std::to_string(n) + " is not in weather file " +
                           Quoted(path) + ", which " + Holdings(layout));
}

// A name length above 32 means the record is not a location record at all.
void CheckRecord(const std::string& path, int n, const LocationRecord& record) {
  if (record.NameBytes[0] > kLocationNameMax)
    throw WeatherFileError("location " + std::to_string(n) + " of weather file " + Quoted(path) +
                           " is damaged: its name length is " +
                           std::to_string(record.NameBytes[0]) + " (at most 32)");
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  try {
    return ReadWholeFile(path);
  } catch (const FileAccessError& e) {
    throw WeatherFileError(e.what());
  }
}

void ReplaceWeatherFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  try {
    WriteFileAtomically(path, bytes);
  } catch (const FileAccessError& e) {
    throw WeatherFileError(e.what());
  }
}

bool HasControlCharacter(const std::string& name) {
  for (const unsigned char c : name)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

}  // namespace

std::string WeatherFileNameProblem(const std::string& name) {
  if (name.empty()) return "no weather file name is given";
  if (name.size() > static_cast<std::size_t>(kWeatherFileNameMax))
    return "the weather file name " + Quoted(name) + " is longer than 15 characters";
  if (name.find_first_of("/\\:") != std::string::npos)
    return "the weather file name " + Quoted(name) +
           " holds a path; weather files are named without a directory";
  if (name.find("..") != std::string::npos)
    return "the weather file name " + Quoted(name) + " holds \"..\"";
  if (HasControlCharacter(name)) return "the weather file name holds a control character";
  return {};
}

std::string WeatherFilePath(const ProjectState& s) {
  const std::string name = s.WeatherFileName.substr(0, kWeatherFileNameMax);
  const std::string problem = WeatherFileNameProblem(name);
  if (!problem.empty()) throw WeatherFileError(problem);
  std::string dir = s.ProgramDir;
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
  return dir + name;
}

WeatherFileLayout InspectWeatherFile(const std::string& path) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) throw WeatherFileError("cannot read weather file " + Quoted(path) + ": " + ec.message());
  if (size / kLocationRecordSize > static_cast<std::uintmax_t>(INT_MAX))
    throw WeatherFileError("weather file " + Quoted(path) + " is too large");
  return {static_cast<int>(size / kLocationRecordSize), size % kLocationRecordSize};
}

int CountLocations(const std::string& path) {
  return InspectWeatherFile(path).locations;
}

LocationRecord ReadLocation(const std::string& path, int n) {
  const WeatherFileLayout layout = InspectWeatherFile(path);
  CheckLocationNumber(path, layout, n, layout.locations);
  std::ifstream in(path, std::ios::binary);
  std::uint8_t bytes[kLocationRecordSize];
  in.seekg(static_cast<std::streamoff>(n - 1) * static_cast<std::streamoff>(kLocationRecordSize));
  if (!in || !in.read(reinterpret_cast<char*>(bytes), kLocationRecordSize))
    throw WeatherFileError("cannot read location " + std::to_string(n) + " of weather file " +
                           Quoted(path));
  const LocationRecord record = LocationRecord::FromBytes(bytes);
  CheckRecord(path, n, record);
  return record;
}

std::vector<LocationRecord> ReadWeatherFile(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadBytes(path);
  std::vector<LocationRecord> records;
  for (std::size_t at = 0; at + kLocationRecordSize <= bytes.size(); at += kLocationRecordSize) {
    records.push_back(LocationRecord::FromBytes(bytes.data() + at));
    CheckRecord(path, static_cast<int>(records.size()), records.back());
  }
  return records;
}

void WriteLocation(const std::string& path, int n, const LocationRecord& record) {
  const WeatherFileLayout layout = InspectWeatherFile(path);
  CheckLocationNumber(path, layout, n, layout.locations + 1);
  std::vector<std::uint8_t> bytes = ReadBytes(path);
  const std::size_t at = static_cast<std::size_t>(n - 1) * kLocationRecordSize;
  if (bytes.size() < at + kLocationRecordSize) bytes.resize(at + kLocationRecordSize);
  record.ToBytes(bytes.data() + at);
  ReplaceWeatherFile(path, bytes);
}

void WriteWeatherFile(const std::string& path, const std::vector<LocationRecord>& records) {
  std::vector<std::uint8_t> bytes(records.size() * kLocationRecordSize);
  for (std::size_t i = 0; i < records.size(); ++i)
    records[i].ToBytes(bytes.data() + i * kLocationRecordSize);
  ReplaceWeatherFile(path, bytes);
}

}  // namespace solmon
