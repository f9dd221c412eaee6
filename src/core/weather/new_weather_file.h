#pragma once
// Composing weather files: locations collected from the weather files of the
// weather directory, in any order, saved as a new file; and hourly EPW files
// imported as locations of a new or an existing weather file.

#include <string>
#include <vector>

#include "core/weather/location_record.h"

namespace solmon {

// One location of the collection: the file it comes from (a bare name in the
// weather directory) and its number there.
struct CollectedLocation {
  std::string fileName;
  int cityNo = 0;
  std::string name;  // as the file holds it, untrimmed
  // "FILE\NAME", as the collection lists it.
  std::string Text() const { return fileName + "\\" + name; }
};

// The records of the collection, in its order. Throws WeatherFileError
// naming the file and location that cannot be read.
std::vector<LocationRecord> CollectRecords(const std::string& weatherDir,
                                           const std::vector<CollectedLocation>& items);

// Reads every record first, then writes the new file in one piece: a failure
// leaves no partial file and an existing file of that name unchanged.
// Returns the number of locations written. Throws WeatherFileError.
int SaveNewWeatherFile(const std::string& weatherDir, const std::vector<CollectedLocation>& items,
                       const std::string& target);

struct EpwImportResult {
  int kept = 0;                     // locations the file held before
  std::vector<std::string> names;   // the imported locations, in order
};

// One location per EPW file, appended to `target` when `append` is set and
// the file exists, else the file is created or replaced. Every EPW file is
// read before anything is written: one bad file, nothing written. Throws
// WeatherFileError or ClimateDataError.
EpwImportResult ImportEpwFiles(const std::vector<std::string>& epwPaths, const std::string& target,
                               bool append);

}  // namespace solmon
