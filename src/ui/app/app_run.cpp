// The Run/Plot menu's Calculate.

#include "ui/app/qt_prompts.h"
#include "ui/app/solmon_app.h"
#include "ui/sheets/input_form.h"

namespace solmon::ui {

void TSOLMONApp::CalculateClick() {
  // The typed value is committed first; a rejected value stops the command.
  if (!CommitActiveEdit()) return;
  ActiveEdit = nullptr;
}

}  // namespace solmon::ui
