#pragma once
// The weather data editor's work on the project without its window: the
// backup it restores on Cancel, add mode, OK's name and latitude, and
// Archive, which writes the location into the weather file in file units.

#include <optional>
#include <string>

#include "core/model/project_state.h"

namespace solmon {

// "Unexpected file I/O error #N while attempting to open file PATH".
std::string UnexpectedFileErrorMessage(int error, const std::string& path);

// 0 when the file can be opened for reading (or for reading and writing),
// otherwise the error number. A file without write permission counts as not
// writable even for a user the system would let through.
int OpenForReadingError(const std::string& path);
int OpenForWritingError(const std::string& path);

class WeatherEditSession {
 public:
  // Remembers the location as it is. In add mode the location number becomes
  // the weather file's count + 1 (the new location starts as a copy of the
  // current one); the message when the file cannot be opened, and then
  // nothing changes.
  std::optional<std::string> Begin(ProjectState& s, bool addNew);

  // Puts back the record, its derived tables and the location number.
  void Cancel(ProjectState& s) const;

  // OK: the name (cut to 32 characters) is taken, then the latitude; false
  // when the latitude text is not a number (the latitude stays). An edited
  // location gets fresh sky temperatures and results are no longer valid.
  bool ApplyNameAndLatitude(ProjectState& s, const std::string& city,
                            const std::string& latitude) const;

  // Archive after ApplyNameAndLatitude: the location, in English units,
  // replaces location LocationIndex of the weather file (or is appended
  // after the last). The project's location stays as it is, in its units.
  // The message when nothing could be written; the file is then unchanged.
  std::optional<std::string> Archive(const ProjectState& s) const;

  bool AddNew() const { return addNew_; }
  int HoldCityNo() const { return holdCityNo_; }

 private:
  bool addNew_ = false;
  LocationRecord backup_;
  std::array<Real6, 13> degDays_{}, tSky_{};
  std::int16_t holdCityNo_ = 0;
};

}  // namespace solmon
