#pragma once
// "Import EPW": the weather file of the weather directory that takes the
// locations of one or more hourly EPW files, an existing one (the new
// locations follow its own) or a new one.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <string>

#include "core/model/project_state.h"

namespace solmon::ui {

class QtPrompts;

class TImportEpwDlg : public QDialog {
  Q_OBJECT
 public:
  TImportEpwDlg(ProjectState& s, QtPrompts& prompts, QWidget* parent);

  QLabel* FilesLabel;
  QComboBox* TargetBox;  // editable: the weather files, or a new name
  QLabel* NoteLabel;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

  // The EPW files to import; set before exec.
  QStringList EpwFiles;
  // The result of the last import, for the message after it.
  std::string TargetPath;
  int Kept = 0, Imported = 0;

  int exec() override;
  void FormActivate();
  // Imports into the chosen file; stays open with the message on a failure.
  void OKBtnClick();
  // The bare file name from the box, ".WEA" added when it has no extension.
  std::string TargetName() const;

 private:
  void UpdateNote();
  ProjectState& s_;
  QtPrompts& prompts_;
};

}  // namespace solmon::ui
