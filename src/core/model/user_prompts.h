#pragma once
// Questions and messages the core must put to the user. The desktop program
// shows dialogs; the CLI answers and prints.

#include <string>

#include "core/model/messages.h"
#include "core/model/multi_location_options.h"

namespace solmon {

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // A message box of kind 0..7; returns the button pressed.
  virtual MessageButton ShowMessageBox(const std::string& text, int kind, bool beep) = 0;
  // A Yes/No question with its own caption; true for Yes.
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
  // A calculation message, each distinct text once per location run (in a
  // multi-location run it starts with the location's name). Most leave the run
  // going; one that stopped it is also the ErrorMessage after the run.
  virtual void CalculationMessage(const std::string& text) = 0;
  // The multi-location dialog before a run over every location; false when
  // it is cancelled (the run then ends with nothing changed).
  virtual bool AskMultiLocationOptions(MultiLocationOptions& /*options*/) { return false; }
};

}  // namespace solmon
