#pragma once
// The report windows: "Thermal Output" (window 4) and "Economics Output"
// (window 5), drawn from the results store of the last run.

#include <QWidget>
#include <optional>
#include <string>

#include "core/report/print_job.h"
#include "core/report/report_output.h"
#include "ui/app/gforms.h"

class QScrollArea;

namespace solmon::ui {

class TOutputForm;

// The paint box inside the scroll box.
class TReportPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TReportPaintBox(TOutputForm* form);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  TOutputForm* form_;
};

class TOutputForm : public TGForm {
  Q_OBJECT
 public:
  // Builds window App()->CreatingWindow (4 or 5).
  explicit TOutputForm(TSOLMONApp* app);
  ~TOutputForm() override;

  QScrollArea* ScrollBox1 = nullptr;
  TReportPaintBox* PaintBox1 = nullptr;
  int HelpContext = 0;

  void PaintBox1Paint(QPainter& painter);
  void FormActivate() override;
  // The report as clipboard text; nothing when there is nothing to copy.
  std::optional<std::string> CopyText();
  void CopyWindow();
  // Renders the report on a print job's page.
  void Print(ReportCanvas& printerCanvas, PrintJobHooks& job);
  // Renders the report of this window to an output.
  void Render(ReportOutput& out);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace solmon::ui
