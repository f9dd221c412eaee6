#pragma once
// "Output from Multiple City Calculation": where a run over every location
// of a weather file writes its lines, monthly or annual, and the collector
// slope at each location. Created once; the controls keep the last choices.

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "core/model/multi_location_options.h"
#include "core/model/project_state.h"

namespace solmon::ui {

class QtPrompts;

class TMulticityOutputDlg : public QDialog {
  Q_OBJECT
 public:
  TMulticityOutputDlg(ProjectState& s, QtPrompts& prompts, QWidget* parent);

  // Set by OK.
  std::string FileName = "Output.txt";
  bool Monthly = false;
  bool FixedSlope = true;
  double Slope = 0;

  QLabel* Label1;
  QLineEdit* FileNameBox;
  QPushButton* BrowseB;
  QGroupBox* GroupBox1;
  QRadioButton* MonthlyRB;
  QRadioButton* AnnuualRB;
  QGroupBox* SlopeGroupBox;
  QRadioButton* FixedSlopeRB;
  QRadioButton* VarSlopeRB;
  QLineEdit* SlopeBox;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

  int exec() override;
  void FormActivate();
  void BrowseBClick();
  // Takes the choices; stays open (beep) when the slope offset is no number.
  void OKBtnClick();

  // Runs the dialog for the run driver; true with the options filled on OK.
  bool Ask(MultiLocationOptions& options);

 private:
  ProjectState& s_;
  QtPrompts& prompts_;
};

// The current collector slope the run would change, or none: two-axis
// tracking, the passive kinds and a missing collector sheet have no slope row.
std::optional<double> CurrentCollectorSlope(const ProjectState& s);

}  // namespace solmon::ui
