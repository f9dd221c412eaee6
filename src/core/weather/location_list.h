#pragma once
// What the location and file dialogs list: the weather files of the weather
// directory and the locations of one file, by city or by state.

#include <string>
#include <vector>

#include "core/weather/location_record.h"

namespace solmon {

// The weather files (".WEA", any case) of `dir`, by name. Names that cannot
// serve as a weather file name (longer than 15 characters and the like) are
// left out: such a file could never be opened by its name.
std::vector<std::string> ListWeatherFiles(const std::string& dir);

// The list index of `current` (exact match), or 0 when it is not listed.
int WeatherFileListIndex(const std::vector<std::string>& files, const std::string& current);

// A location name with blanks trimmed; by state, a name holding a blank has
// its last word moved to the front: "MADISON WI" becomes "WI MADISON ".
std::string LocationListText(const std::string& name, bool byState);

struct LocationListItem {
  std::string text;
  int number = 0;  // 1-based record number in the file
};

// One item per record, sorted by text ignoring case (equal texts in file order).
std::vector<LocationListItem> BuildLocationList(const std::vector<LocationRecord>& records,
                                                bool byState);

// The index of the item whose text equals `name` ignoring case, or -1.
int FindLocationItem(const std::vector<LocationListItem>& items, const std::string& name);

// The records of a weather file up to the first one that cannot be read;
// `problem` says why the list stops early (empty when every record is there).
std::vector<LocationRecord> ReadLocationsForListing(const std::string& path, std::string& problem);

// A location number outside 1..count becomes 1.
int ClampLocationIndex(int index, int count);

}  // namespace solmon
