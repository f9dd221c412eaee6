#include "ui/weather/multicity_output_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "core/model/numbers.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/screen_scale.h"

namespace solmon::ui {

std::optional<double> CurrentCollectorSlope(const ProjectState& s) {
  const int system = s.SheetKind[1];
  if (system == 8) return s.ParamValue(1, 8, 6);
  if (system == 4 || system == 5) return std::nullopt;
  switch (s.SheetKind[2]) {
    case 1:
    case 2: return s.ParamValue(2, s.SheetKind[2], 5);
    case 3: return s.ParamValue(2, 3, 7);
    case 4: return s.ParamValue(2, 4, 6);
    default: return std::nullopt;
  }
}

TMulticityOutputDlg::TMulticityOutputDlg(ProjectState& s, QtPrompts& prompts, QWidget* parent)
    : QDialog(parent), s_(s), prompts_(prompts) {
  setWindowTitle("Output from Multiple City Calculation");
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  Label1 = new QLabel("Output results to file:", this);
  FileNameBox = new QLineEdit("Output.txt", this);
  BrowseB = new QPushButton("Browse", this);
  GroupBox1 = new QGroupBox(this);
  MonthlyRB = new QRadioButton("Monthly", GroupBox1);
  AnnuualRB = new QRadioButton("Annual", GroupBox1);
  AnnuualRB->setChecked(true);
  auto* periods = new QVBoxLayout(GroupBox1);
  periods->addWidget(MonthlyRB);
  periods->addWidget(AnnuualRB);
  SlopeGroupBox = new QGroupBox(this);
  FixedSlopeRB = new QRadioButton("Fixed collector slope", SlopeGroupBox);
  FixedSlopeRB->setChecked(true);
  VarSlopeRB = new QRadioButton("Collector slope = latitude + ", SlopeGroupBox);
  SlopeBox = new QLineEdit("0", SlopeGroupBox);
  SlopeBox->setMaximumWidth(Px(50));
  auto* slopes = new QGridLayout(SlopeGroupBox);
  slopes->addWidget(FixedSlopeRB, 0, 0, 1, 2);
  slopes->addWidget(VarSlopeRB, 1, 0);
  slopes->addWidget(SlopeBox, 1, 1);
  OKBtn = new QPushButton("OK", this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("Cancel", this);

  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(FileNameBox, 1);
  fileRow->addWidget(BrowseB);
  auto* groups = new QHBoxLayout;
  groups->addWidget(GroupBox1);
  groups->addWidget(SlopeGroupBox, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addLayout(fileRow);
  layout->addLayout(groups);
  layout->addLayout(buttons);
  resize(Px(397), Px(170));

  connect(BrowseB, &QPushButton::clicked, this, &TMulticityOutputDlg::BrowseBClick);
  connect(OKBtn, &QPushButton::clicked, this, &TMulticityOutputDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TMulticityOutputDlg::exec() {
  FormActivate();
  OKBtn->setFocus();
  return QDialog::exec();
}

void TMulticityOutputDlg::FormActivate() {
  const std::optional<double> slope = CurrentCollectorSlope(s_);
  SlopeGroupBox->setVisible(slope.has_value());
  if (slope)
    FixedSlopeRB->setText("Fixed collector slope of " + QString::number(std::lround(*slope)));
}

void TMulticityOutputDlg::BrowseBClick() {
  const QString path =
      prompts_.ChooseSaveFile("Select text file for Solmon Output", "Text files (*.TXT)", "TXT");
  if (!path.isEmpty()) FileNameBox->setText(path);
}

void TMulticityOutputDlg::OKBtnClick() {
  double slope = 0;
  const bool fixed = FixedSlopeRB->isChecked() || !SlopeGroupBox->isVisible();
  if (!fixed) {
    const ParsedNumber p = ParseNumber(TrimSpaces(SlopeBox->text().toStdString()));
    if (!p.ok()) {
      prompts_.Beep();
      SlopeBox->setFocus();
      SlopeBox->selectAll();
      return;
    }
    slope = p.value;
  }
  const std::string name = FileNameBox->text().toStdString();
  if (TrimSpaces(name).empty()) {
    prompts_.Beep();
    FileNameBox->setFocus();
    return;
  }
  FileName = name.substr(0, 255);
  Monthly = MonthlyRB->isChecked();
  FixedSlope = fixed;
  Slope = slope;
  accept();
}

bool TMulticityOutputDlg::Ask(MultiLocationOptions& options) {
  if (exec() != QDialog::Accepted) return false;
  options.FileName = FileName;
  options.Monthly = Monthly;
  options.FixedSlope = FixedSlope;
  options.Slope = Slope;
  return true;
}

}  // namespace solmon::ui
