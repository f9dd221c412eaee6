// The Weather menu: choosing the location, viewing and editing its data,
// adding a location, composing a new weather file and importing EPW files;
// the location row of the system sheet opens the location dialog too.

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/app/qt_prompts.h"
#include "ui/app/solmon_app.h"
#include "ui/sheets/input_form.h"
#include "ui/weather/chg_view_dlg.h"
#include "ui/weather/import_epw_dlg.h"
#include "ui/weather/multicity_output_dlg.h"
#include "ui/weather/new_file_dlg.h"
#include "ui/weather/select_wea_dialog.h"

namespace solmon::ui {

void TSOLMONApp::CreateWeatherDialogs() {
  SelectWEADialog = new TSelectWEADialog(s_, prompts_, this);
  SelectWEAFileDlg = new TSelectWEAFileDlg(s_, prompts_, this);
  ChgViewDlg = new TChgViewDlg(s_, prompts_, this);
  CreateNewFile = new TCreateNewFile(s_, prompts_, this);
  MulticityOutputDlg = new TMulticityOutputDlg(s_, prompts_, this);
  ImportEpwDlg = new TImportEpwDlg(s_, prompts_, this);
  prompts_.MultiLocationDialog = [this](MultiLocationOptions& options) {
    // Calculate shows the hourglass; the dialog wants the arrow.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::restoreOverrideCursor();
    const bool ok = MulticityOutputDlg->Ask(options);
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    return ok;
  };
}

void TSOLMONApp::ShowLocationRow() {
  for (int w = 1; w <= 3; ++w)
    if (TInputForm* sheet = Sheet(w)) sheet->RefreshLocation();
}

void TSOLMONApp::SelectLocationClick() {
  if (!CommitActiveEdit()) return;  // a rejected value stops every command
  if (SelectWEADialog->exec() == QDialog::Accepted) ShowLocationRow();
}

void TSOLMONApp::ChangeDataClick() {
  if (!CommitActiveEdit()) return;  // a rejected value stops every command
  ChgViewDlg->AddNew = false;
  if (ChgViewDlg->exec() == QDialog::Accepted) ShowLocationRow();
}

void TSOLMONApp::AddDataClick() {
  if (!CommitActiveEdit()) return;  // a rejected value stops every command
  const std::string previousFile = s_.WeatherFileName;
  if (SelectWEAFileDlg->exec() != QDialog::Accepted) return;
  ChgViewDlg->AddNew = true;
  if (ChgViewDlg->exec() == QDialog::Accepted) {
    ShowLocationRow();
    return;
  }
  // The current location still belongs to the file it came from; an archive
  // later must not write it into the file only chosen for adding.
  s_.WeatherFileName = previousFile;
}

void TSOLMONApp::NewDataFileClick() {
  if (!CommitActiveEdit()) return;  // a rejected value stops every command
  if (CreateNewFile->exec() != QDialog::Accepted) return;
  prompts_.ShowMessageBox(QString("%1 locations were written to %2.")
                              .arg(CreateNewFile->Collection().size())
                              .arg(QDir::toNativeSeparators(CreateNewFile->SavedFile))
                              .toStdString(),
                          1, false);
}

void TSOLMONApp::ImportEpwClick() {
  if (!CommitActiveEdit()) return;  // a rejected value stops every command
  const QStringList files =
      prompts_.ChooseOpenFiles("Import EPW Files", "EPW weather files (*.epw *.EPW);;All files (*)");
  if (files.isEmpty()) return;
  ImportEpwDlg->EpwFiles = files;
  if (ImportEpwDlg->exec() != QDialog::Accepted) return;
  prompts_.ShowMessageBox(QString("%1 locations were imported into %2, which now holds %3.")
                              .arg(ImportEpwDlg->Imported)
                              .arg(QString::fromStdString(ImportEpwDlg->TargetPath))
                              .arg(ImportEpwDlg->Kept + ImportEpwDlg->Imported)
                              .toStdString(),
                          1, false);
}

void TSOLMONApp::ReportMultiLocationFile() {
  const QString path = QFileInfo(QString::fromStdString(MulticityOutputDlg->FileName)).absoluteFilePath();
  prompts_.ShowMessageBox(QString("The results for the %1 locations of %2 were written to %3.")
                              .arg(-s_.LocationIndex)
                              .arg(QString::fromStdString(s_.WeatherFileName))
                              .arg(QDir::toNativeSeparators(path))
                              .toStdString(),
                          1, false);
}

}  // namespace solmon::ui
