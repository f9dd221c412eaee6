#include "cli/batch_run.h"

#include <filesystem>
#include <iostream>

#include "core/files/project_file.h"
#include "core/model/sheet_model.h"
#include "core/report/multi_location_file.h"

namespace solmon::cli {

namespace {

std::string ProgramDirectory() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("./") : exe.parent_path().string() + "/";
}

std::string WithSeparator(const std::string& dir) {
  return dir.empty() || dir.back() == '/' ? dir : dir + "/";
}

}  // namespace

MessageButton BatchPrompts::ShowMessageBox(const std::string& text, int, bool) {
  std::cerr << text << "\n";
  return MessageButton::OK;
}

bool BatchPrompts::AskYesNo(const std::string& caption, const std::string& text) {
  std::cerr << caption << ": " << text << " Yes\n";
  return true;
}

void BatchPrompts::CalculationMessage(const std::string& text) {
  std::cerr << text << "\n";
}

bool BatchPrompts::AskMultiLocationOptions(MultiLocationOptions& options) {
  options = options_;
  return true;
}

void OpenProject(ProjectState& s, const std::string& path, const std::string& weatherDir) {
  ReadProject(s, path);
  s.ProgramDir = weatherDir.empty() ? ProgramDirectory() : WithSeparator(weatherDir);
}

RunOutcome CalculateProject(ProjectState& s, UserPrompts& prompts) {
  PrepareCurrentSheets(s);
  return RunCalculation(s, true, prompts);
}

void FlushStandardOutput() {
  std::cout.flush();
  if (!std::cout) throw OutputFileError("the results could not be written to standard output");
}

}  // namespace solmon::cli
