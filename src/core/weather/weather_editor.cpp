#include "core/weather/weather_editor.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/model/numbers.h"
#include "core/model/units.h"
#include "core/weather/weather_file.h"
#include "core/weather/weather_grid.h"

namespace solmon {

namespace {

int OpenError(const std::string& path, const char* mode) {
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), mode);
  if (!f) return errno ? errno : EIO;
  std::fclose(f);
  return 0;
}

bool LacksWritePermission(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::perms p = fs::status(path, ec).permissions();
  if (ec) return false;
  constexpr auto kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (p & kWrite) == fs::perms::none;
}

}  // namespace

std::string UnexpectedFileErrorMessage(int error, const std::string& path) {
  return "Unexpected file I/O error #" + std::to_string(error) +
         " while attempting to open file " + path;
}

int OpenForReadingError(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return EISDIR;
  return OpenError(path, "rb");
}

int OpenForWritingError(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return EISDIR;
  if (!std::filesystem::exists(path, ec)) return ENOENT;
  if (LacksWritePermission(path)) return EACCES;
  return OpenError(path, "r+b");
}

std::optional<std::string> WeatherEditSession::Begin(ProjectState& s, bool addNew) {
  addNew_ = addNew;
  backup_ = s.Location;
  degDays_ = s.DegDays;
  tSky_ = s.TSky;
  holdCityNo_ = s.LocationIndex;
  if (!addNew) return std::nullopt;
  std::string path;
  try {
    path = WeatherFilePath(s);
  } catch (const WeatherFileError& e) {
    return std::string(e.what());
  }
  if (const int err = OpenForReadingError(path)) return UnexpectedFileErrorMessage(err, path);
  try {
    s.LocationIndex = static_cast<std::int16_t>(CountLocations(path) + 1);
  } catch (const WeatherFileError& e) {
    return std::string(e.what());
  }
  return std::nullopt;
}

void WeatherEditSession::Cancel(ProjectState& s) const {
  s.Location = backup_;
  s.DegDays = degDays_;
  s.TSky = tSky_;
  s.LocationIndex = holdCityNo_;
}

bool WeatherEditSession::ApplyNameAndLatitude(ProjectState& s, const std::string& city,
                                              const std::string& latitude) const {
  s.Location.SetName(city);
  const ParsedNumber p = ParseNumber(TrimSpaces(latitude));
  if (!p.ok() || p.value < -90 || p.value > 90) return false;
  StoreReal6(s.Location.Latitude, p.value);
  if (!(s.Location == backup_)) {
    RefreshSkyTemperatures(s);
    s.MarkModified();
    s.InvalidateResults();
  }
  return true;
}

std::optional<std::string> WeatherEditSession::Archive(const ProjectState& s) const {
  std::string path;
  try {
    path = WeatherFilePath(s);
  } catch (const WeatherFileError& e) {
    return std::string(e.what());
  }
  if (const int err = OpenForWritingError(path)) return UnexpectedFileErrorMessage(err, path);
  // A copy goes to English units, so the project's values never take the
  // round trip through the other unit system.
  ProjectState english = s;
  if (english.SheetKind[1] < 1) english.SheetKind[1] = 1;
  try {
    ConvertLocationUnits(english, s.UnitSystem, kEnglish);
    WriteLocation(path, s.LocationIndex, english.Location);
  } catch (const WeatherFileError& e) {
    return std::string(e.what());
  } catch (const Real6Overflow&) {
    return "The location holds a value too large to be written; weather file " + path +
           " was not changed.";
  }
  return std::nullopt;
}

}  // namespace solmon
