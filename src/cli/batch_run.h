#pragma once
// What the calculating commands share: opening a project as the desktop
// program does and answering the run's questions without a user.

#include <iosfwd>
#include <string>

#include "core/calc/run_driver.h"
#include "core/model/project_state.h"
#include "core/model/user_prompts.h"

namespace solmon::cli {

// Every question is answered Yes; questions and messages go to standard error.
class BatchPrompts : public UserPrompts {
 public:
  explicit BatchPrompts(const MultiLocationOptions& options = {}) : options_(options) {}
  MessageButton ShowMessageBox(const std::string& text, int, bool) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  void CalculationMessage(const std::string& text) override;
  bool AskMultiLocationOptions(MultiLocationOptions& options) override;

 private:
  MultiLocationOptions options_;
};

// Reads the project; weather files are looked for in `weatherDir`, or beside
// the executable when it is empty. Throws when the project cannot be read.
void OpenProject(ProjectState& s, const std::string& path, const std::string& weatherDir);

// Builds the sheets of the current kinds, as opening the project's windows
// does, then calculates.
RunOutcome CalculateProject(ProjectState& s, UserPrompts& prompts);

// Throws when standard output could not take what was written to it.
void FlushStandardOutput();

}  // namespace solmon::cli
