#pragma once
// Projects built in code for the engine tests: a water-storage system with a
// flat-plate collector at a mid-latitude location, in SI or English units.

#include <string>
#include <vector>

#include "core/calc/calculation.h"
#include "core/model/project_state.h"
#include "core/model/user_prompts.h"

namespace solmon::testing {

// Answers the fluid question as told and records every question and message.
class RecordingPrompts : public UserPrompts {
 public:
  MessageButton ShowMessageBox(const std::string&, int, bool) override { return MessageButton::OK; }
  bool AskYesNo(const std::string& caption, const std::string& text) override {
    questions.push_back(caption + "|" + text);
    return answer;
  }
  void CalculationMessage(const std::string& text) override { messages.push_back(text); }
  bool AskMultiLocationOptions(MultiLocationOptions& options) override {
    if (!multi) return false;
    options = *multi;
    return true;
  }
  bool answer = true;
  const MultiLocationOptions* multi = nullptr;
  std::vector<std::string> questions;
  std::vector<std::string> messages;
};

// A location record in English units, as a weather file holds it.
LocationRecord SampleLocationEnglish(const std::string& name = "MADISON WI", double latitude = 43.1);

// Kind 2 (water storage) with a flat plate, economics off, one location.
ProjectState SampleProject(int unitSystem = 0);

// Sets (sheet, kind, row) of the sample in its own units.
inline void Set(ProjectState& s, int sheet, int kind, int row, double v) { s.SetParamValue(sheet, kind, row, v); }

// Writes `records` as a weather file and returns its path (in the test's temp dir).
std::string WriteTestWeatherFile(const std::string& fileName, const std::vector<LocationRecord>& records);

}  // namespace solmon::testing
