// The Run/Plot menu's Calculate.

#include <QApplication>
#include <exception>

#include "core/calc/run_driver.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/solmon_app.h"
#include "ui/report/output_form.h"
#include "ui/sheets/input_form.h"

namespace solmon::ui {

void TSOLMONApp::CalculateClick() {
  // The typed value is committed first; a rejected value stops the command.
  if (!CommitActiveEdit()) return;
  ActiveEdit = nullptr;
  EnsureReport(kThermalWindow)->Hide();
  prompts_.PendingCalculationMessages.clear();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  RunOutcome outcome = RunOutcome::Cancelled;
  try {
    outcome = RunCalculation(s_, true, prompts_);
  } catch (const std::exception& e) {
    QApplication::restoreOverrideCursor();
    prompts_.PendingCalculationMessages.clear();
    prompts_.ShowMessageBox(e.what(), 0, true);
    return;
  }
  QApplication::restoreOverrideCursor();
  if (s_.ResultsValid && s_.LocationIndex >= 0) {
    Report(kThermalWindow)->BringToFront();
    s_.ResultsValid = true;
    if (Sheet(kEconomicsWindow)) {
      TOutputForm* econ = EnsureReport(kEconomicWindow);
      econ->Hide();
      econ->BringToFront();
    }
  }
  prompts_.ShowCalculationMessages();
  if (s_.LocationIndex < 0 && outcome == RunOutcome::Completed) ReportMultiLocationFile();
}

}  // namespace solmon::ui
