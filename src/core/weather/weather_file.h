#pragma once
// Weather files (.WEA: 455-byte location records in English units, no header)
// and the current location of the project.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/model/project_state.h"
#include "core/weather/location_record.h"

namespace solmon {

// A weather file that cannot be read or written, or a bad location number or
// file name. The message says which file and why.
class WeatherFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A weather file name is a bare name of at most 15 characters: no path
// separator, no "..", no control character. Returns an empty string when the
// name is acceptable, otherwise why not.
std::string WeatherFileNameProblem(const std::string& name);

// ProgramDir + WeatherFileName (cut to 15 characters). Throws
// WeatherFileError for a name that is not a bare file name.
std::string WeatherFilePath(const ProjectState& s);

// Reads location n of the current weather file into the project's location
// and derives TMean, TSigma, TSky and DegDays in the current units. Throws
// WeatherFileError and leaves the project unchanged on any failure.
void LoadLocation(ProjectState& s, int n);

// LoadLocation from an explicit path (the CLI shows any file this way).
void LoadLocationFrom(ProjectState& s, const std::string& path, int n);

// Makes `englishRecord` (file units) the current location: TMean, TSigma,
// TSky and DegDays derived, everything converted to the current units.
// Throws WeatherFileError for a value out of range; nothing changes then.
void SetCurrentLocation(ProjectState& s, const LocationRecord& englishRecord);

// Converts the current location between English (1) and SI (0); only the
// derived table the system kind uses (TSky for kinds 6 and 8, DegDays for the
// others) follows. Nothing happens when the system kind is below 1.
void ConvertLocationUnits(ProjectState& s, int from, int to);

// TSky[1..12] in degrees F from the location record, which must hold English values.
void ComputeSkyTemperatures(ProjectState& s);

// DegDays[m] for base temperature tb, in the current units.
void ComputeDegreeDays(ProjectState& s, int m, double tb);

// What a weather file holds: its whole records and the bytes after them
// (a damaged file; they are never read as a location).
struct WeatherFileLayout {
  int locations = 0;
  std::uintmax_t trailingBytes = 0;
};
// Throws WeatherFileError when the file cannot be read.
WeatherFileLayout InspectWeatherFile(const std::string& path);

// Number of whole records. Throws WeatherFileError when the file cannot be read.
int CountLocations(const std::string& path);

// Reads record n (1-based). Throws WeatherFileError.
LocationRecord ReadLocation(const std::string& path, int n);

// Writes the record at (n - 1) * 455; n = count + 1 appends. Throws WeatherFileError.
void WriteLocation(const std::string& path, int n, const LocationRecord& record);

// Creates or replaces a whole weather file with these records, in order.
// Throws WeatherFileError; an existing file is then unchanged.
void WriteWeatherFile(const std::string& path, const std::vector<LocationRecord>& records);

// Every record of a file, in order. Throws WeatherFileError.
std::vector<LocationRecord> ReadWeatherFile(const std::string& path);

}  // namespace solmon
