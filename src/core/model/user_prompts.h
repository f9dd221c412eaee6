#pragma once
// Questions and messages the core must put to the user. The desktop program
// shows dialogs; the CLI answers and prints.

#include <string>

#include "core/model/messages.h"

namespace solmon {

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // A message box of kind 0..7; returns the button pressed.
  virtual MessageButton ShowMessageBox(const std::string& text, int kind, bool beep) = 0;
  // A Yes/No question with its own caption; true for Yes.
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
  // A calculation message (ErrorMessage after a run); the run goes on.
  virtual void CalculationMessage(const std::string& text) = 0;
};

}  // namespace solmon
