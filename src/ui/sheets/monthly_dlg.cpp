#include "ui/sheets/monthly_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/app/qt_prompts.h"
#include "ui/app/screen_scale.h"
#include "ui/app/solmon_app.h"
#include "ui/sheets/input_form.h"

namespace solmon::ui {

TMonthlyDlg::TMonthlyDlg(TSOLMONApp* app) : QDialog(app), app_(app) {
  setModal(true);
  setFixedSize(Px(254), Px(301));
  QFont font = SansSerifPoints(8);
  font.setBold(true);
  setFont(font);
  for (int k = 1; k <= 12; ++k) {
    const int top = 8 + 24 * (k - 1);
    theLabel[k] = new QLabel(this);
    theLabel[k]->setObjectName(QString("Label%1").arg(k));
    theLabel[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    theLabel[k]->setGeometry(Px(14), Px(top), Px(44), Px(21));
    theEdit[k] = new QLineEdit(this);
    theEdit[k]->setObjectName(QString("Edit%1").arg(k));
    theEdit[k]->setGeometry(Px(62), Px(top), Px(69), Px(21));
  }
  Units = new QLabel(this);
  Units->setObjectName("Units");
  Units->setGeometry(Px(138), Px(10), Px(110), Px(17));
  auto button = [this](const QString& caption, int top) {
    auto* b = new QPushButton(caption, this);
    b->setGeometry(Px(154), Px(top), Px(77), Px(27));
    b->setAutoDefault(false);
    return b;
  };
  OKBtn = button("OK", 56);
  ConstantBtn = button("Constant", 112);
  CancelBtn = button("Cancel", 168);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &TMonthlyDlg::OKBtnClick);
  connect(ConstantBtn, &QPushButton::clicked, this, &TMonthlyDlg::ConstantBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TMonthlyDlg::CancelBtnClick);
}

SheetModel& TMonthlyDlg::Model() const { return CurrentEdit->Form()->Model(); }

int TMonthlyDlg::Run(TMyEdit* edit) {
  CurrentEdit = edit;
  result_ = kCancel;
  FocusRow = 0;
  FormActivate();
  move(app_->geometry().center() - rect().center());
  exec();
  CurrentEdit = nullptr;
  return result_;
}

void TMonthlyDlg::FormActivate() {
  if (!CurrentEdit) return;
  opened_ = Model().OpenMonthly(CurrentEdit->ItemNo);
  N = opened_.N;
  for (int k = 1; k <= 12; ++k) {
    const bool used = k <= N;
    theLabel[k]->setVisible(used);
    theEdit[k]->setVisible(used);
    theLabel[k]->setText(used ? QString::fromStdString(opened_.Captions[k]) : QString());
    theEdit[k]->setText(used ? QString::fromStdString(opened_.Entries[k]) : QString());
  }
  setWindowTitle(SetCaption);
  Units->setText(SetUnits);
  theEdit[1]->setFocus();
  if (opened_.Beep) app_->Prompts().Beep();
}

void TMonthlyDlg::Stay(int entry, const std::string& message) {
  app_->Prompts().Beep();
  if (!message.empty()) app_->Prompts().ErrorDialog(QString::fromStdString(message));
  theEdit[entry]->setFocus();
  theEdit[entry]->selectAll();
}

void TMonthlyDlg::OKBtnClick() {
  if (!CurrentEdit) return;
  std::vector<std::string> entries(N + 1);
  for (int k = 1; k <= N; ++k) entries[k] = theEdit[k]->text().toStdString();
  const EntryProblem p = Model().AcceptMonthly(CurrentEdit->ItemNo, entries);
  if (!p.ok()) return Stay(p.entry, p.message);
  result_ = kOK;
  accept();
}

void TMonthlyDlg::ConstantBtnClick() {
  if (!CurrentEdit) return;
  int focusRow = 0;
  const EntryProblem p =
      Model().ConstantMonthly(CurrentEdit->ItemNo, theEdit[1]->text().toStdString(), focusRow);
  if (!p.ok()) return Stay(1, p.message);
  FocusRow = focusRow;
  result_ = kConstant;
  accept();
}

void TMonthlyDlg::CancelBtnClick() { reject(); }

void TMonthlyDlg::reject() {
  if (CurrentEdit && result_ == kCancel) Model().CancelMonthly(CurrentEdit->ItemNo, opened_);
  QDialog::reject();
}

}  // namespace solmon::ui
