#pragma once
// Project files (.SMN): the unit system, the sheet layout, the location with
// its weather record, the parameter block, the value tables and the plots, in
// one little-endian binary file without padding.

#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/files/safe_file.h"
#include "core/model/project_state.h"

namespace solmon {

constexpr int kProjectVersion = 580;                // the version this program writes
constexpr const char* kProjectVersionText = "5.80";
constexpr int kNineKindsVersion = 580;              // older files hold eight kinds per sheet
constexpr int kIcsTestConditionsVersion = 650;      // older files lack the ICS test rows
constexpr std::size_t kOldParamBlockSize = 3 * 8 * kValuesPerSet * 6;  // 4464

// A project file that cannot be read, or a project that cannot be written.
// The message names the file and, for a damaged file, the field and its byte
// offset.
class ProjectFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ProjectReadOptions {
  bool skipPlots = false;  // the user held Control while opening
};

struct ProjectFileVersion {
  std::string text;  // as stored, e.g. "5.70"
  int number = 0;    // 570
};

// Reads the project into a fresh state and replaces the open project only when
// the whole file was read; on any failure `s` is left exactly as it was.
// `Modified` keeps its value, `ResultsValid` is cleared. Existing sheet
// windows are shown or hidden as the file says. Throws ProjectFileError.
ProjectFileVersion ReadProject(ProjectState& s, const std::string& path,
                               const ProjectReadOptions& options = {});
// The same from a stream; `name` is the file name used in messages.
ProjectFileVersion ReadProject(ProjectState& s, std::istream& in, const std::string& name,
                               const ProjectReadOptions& options = {});

// The bytes of the project file for `s`. Throws ProjectFileError for a plot
// line whose columns do not hold its points.
std::vector<std::uint8_t> ProjectImage(const ProjectState& s);

// Writes the project through a temporary file in the same folder, renamed
// over `path` only when everything was written and flushed; clears `Modified`
// on success. On failure the previous file is untouched, `Modified` stays set,
// and FileSaveError or ProjectFileError says why.
void WriteProject(ProjectState& s, const std::string& path);
void WriteProject(ProjectState& s, const std::string& path, SaveOps& ops);

// Moves every field a project file holds from `from` into `to`; the rest of
// `to` (windows, program directory, flags, results) stays.
void TakeProjectFields(ProjectState& to, ProjectState& from);

// The file's version text as a number: its first "." removed, the rest a
// decimal integer ("5.80" gives 580). False when it is no integer.
bool ParseVersionNumber(const std::string& text, int& number);

}  // namespace solmon
