#pragma once
// The monthly values dialog: twelve monthly values, ten incidence angle
// modifiers (0° to 90°) or ten yearly depreciation percentages for one value
// field of an input sheet.

#include <QDialog>
#include <array>

#include "core/model/sheet_model.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace solmon::ui {

class TSOLMONApp;
class TMyEdit;

class TMonthlyDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kCancel = 0;
  static constexpr int kOK = 1;
  static constexpr int kConstant = 2;

  explicit TMonthlyDlg(TSOLMONApp* app);

  std::array<QLineEdit*, 13> theEdit{};  // 1..12
  std::array<QLabel*, 13> theLabel{};    // 1..12
  int N = 12;
  TMyEdit* CurrentEdit = nullptr;
  QString SetCaption;  // the caption of the focused field's row
  QString SetUnits;    // its unit name
  QLabel* Units = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* ConstantBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  // After Constant: the row whose field takes the focus.
  int FocusRow = 0;

  // Opens the dialog for a field; returns kOK, kConstant or kCancel.
  int Run(TMyEdit* edit);
  void FormActivate();
  void OKBtnClick();
  void ConstantBtnClick();
  void CancelBtnClick();
  void reject() override;

 private:
  void Stay(int entry, const std::string& message);
  SheetModel& Model() const;

  TSOLMONApp* app_;
  MonthlyDialogData opened_;
  int result_ = kCancel;
};

}  // namespace solmon::ui
