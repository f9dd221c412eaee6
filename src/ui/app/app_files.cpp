// The File menu of the main window: start-up, Open, Save, Save as, Exit and
// the recent-file list.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QTextStream>
#include <exception>

#include "core/files/project_file.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/solmon_app.h"
#include "ui/sheets/input_form.h"

namespace solmon::ui {

namespace {

constexpr const char* kOpenTitle = "Open Solmon File";
constexpr const char* kOpenFilter = "Solmon Files (*.SMN *.smn);;All Files (*)";
constexpr const char* kSaveTitle = "Save Solmon File";
constexpr const char* kSaveFilter = "Solmon Files (*.SMN *.smn)";

}  // namespace

bool TSOLMONApp::Start(const QString& commandLineProject) {
  bool opened = false;
  if (!commandLineProject.isEmpty()) opened = SetupWindows(commandLineProject);
  // A project that cannot be read leaves the program with its defaults.
  if (!opened &&
      !SetupWindows(QString(), "\n\nSolmon cannot start without its defaults project and ends now."))
    return false;
  SaveItem->setText("Save");
  UpdateCollectorMenu();
  return true;
}

bool TSOLMONApp::SetupWindows(const QString& fileName, const std::string& whenUnreadable) {
  const QString path = fileName.isEmpty() ? DefaultFileName : fileName;
  try {
    ReadProject(s_, path.toStdString());
  } catch (const std::exception& e) {
    prompts_.ShowMessageBox(e.what() + whenUnreadable, 0, true);
    return false;
  }
  FileName = path;
  // The reports showed the project that is gone.
  HideReportWindows();
  for (int w = 1; w <= 3; ++w) {
    CreatingWindow = w;
    DestroySheet(w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (s_.SheetKind[w] >= 1) CreateSheet(w);
  }
  if (TInputForm* system = Sheet(kSystemWindow)) system->RefreshLocation();
  ShowSheetsAfterSetup();
  // The project is the file's until the user changes it.
  s_.Modified = false;
  return true;
}

void TSOLMONApp::ShowSheetsAfterSetup() {
  for (int w : {kEconomicsWindow, kCollectorWindow, kSystemWindow})
    if (TInputForm* f = Sheet(w)) f->BringToFront();
}

void TSOLMONApp::SetSaveCaption() {
  QString caption = "Save " + FileName;
  SaveItem->setText(caption.replace("&", "&&"));
}

void TSOLMONApp::UpdateCollectorMenu() {
  CollectorMenu->setEnabled(s_.SheetKind[1] != 8 && s_.SheetKind[2] > 0);
}

void TSOLMONApp::OpenClick() {
  const QString choice = prompts_.ChooseOpenFile(kOpenTitle, kOpenFilter);
  if (!choice.isEmpty() && ConfirmLeaveProject() && SetupWindows(choice)) {
    SetSaveCaption();
    UpdateCollectorMenu();
  }
  AddRecentFile();
}

void TSOLMONApp::OpenRecentFile(int index) {
  if (index < 0 || index >= FileNameList.size()) return;
  s_.ResultsValid = false;
  const QString path = FileNameList[index];
  if (!QFileInfo::exists(path)) {
    prompts_.ShowMessageBox((path + " no longer exists.").toStdString(), 0, true);
    FileNameList.removeAt(index);
    RebuildFileMenu();
    return;
  }
  if (!ConfirmLeaveProject()) return;
  QDir::setCurrent(QFileInfo(path).absolutePath());
  if (SetupWindows(path)) {
    SetSaveCaption();
    UpdateCollectorMenu();
  }
}

bool TSOLMONApp::ConfirmDefaultSave() {
  return prompts_.ShowMessageBox("Save the current parameters in the default file?", 6, true) ==
         MessageButton::OK;
}

bool TSOLMONApp::WriteProjectTo(const QString& path) {
  try {
    WriteProject(s_, path.toStdString());
    return true;
  } catch (const std::exception& e) {
    prompts_.ShowMessageBox(e.what(), 0, true);
    return false;
  }
}

void TSOLMONApp::SaveClick() {
  // The value being typed belongs in the file.
  if (!CommitActiveEdit()) return;
  if (FileName.isEmpty()) return SaveAsClick();
  if (FileName == DefaultFileName && !ConfirmDefaultSave()) return;
  WriteProjectTo(FileName);
}

void TSOLMONApp::SaveAsClick() {
  if (!CommitActiveEdit()) return;
  const QString choice = prompts_.ChooseSaveFile(kSaveTitle, kSaveFilter, "SMN");
  if (!choice.isEmpty()) {
    if (choice == DefaultFileName && !ConfirmDefaultSave()) return;
    if (!WriteProjectTo(choice)) return;
    FileName = choice;
    SetSaveCaption();
    if (TInputForm* system = Sheet(kSystemWindow)) {
      QString caption = system->windowTitle();
      if (const int at = caption.indexOf(" - "); at >= 0) caption.truncate(at);
      system->setWindowTitle(caption + " - " + FileName);
    }
  }
  AddRecentFile();
}

bool TSOLMONApp::ConfirmLeaveProject() {
  if (!CommitActiveEdit()) return false;
  if (!s_.Modified) return true;
  const MessageButton answer =
      prompts_.ShowMessageBox("Do you wish to save your current parameter file?", 5, true);
  if (answer == MessageButton::Cancel) return false;
  if (answer == MessageButton::Yes) {
    SaveAsClick();
    // A save that was cancelled or failed keeps the project open.
    if (s_.Modified) return false;
  }
  return true;
}

void TSOLMONApp::ExitClick() {
  if (!ConfirmLeaveProject()) return;
  QDir::setCurrent(programDir_);
  WriteRecentList();
  exiting_ = true;
  close();
  QApplication::quit();
}

// ---- recent files -------------------------------------------------------

void TSOLMONApp::AddRecentFile() {
  FileNameList.removeAll(FileName);
  if (FileName.size() > 3) FileNameList.append(FileName);
  while (FileNameList.size() > kMaxRecentFiles) FileNameList.removeFirst();
  RebuildFileMenu();
}

void TSOLMONApp::RebuildFileMenu() {
  for (QAction* a : RecentItems) {
    FileMenu->removeAction(a);
    a->deleteLater();
  }
  RecentItems.clear();
  const QList<QAction*> items = FileMenu->actions();
  const int exitAt = static_cast<int>(items.indexOf(ExitItem));
  if (exitAt == items.size() - 1) FileMenu->addSeparator();
  for (int i = static_cast<int>(FileNameList.size()) - 1, n = 1; i >= 0; --i, ++n) {
    QString caption = QString("%1. %2").arg(n).arg(FileNameList[i]);
    caption.replace("&", "&&");
    QAction* a = FileMenu->addAction(caption);
    connect(a, &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
    RecentItems.append(a);
  }
}

void TSOLMONApp::LoadRecentList() {
  QFile f(programDir_ + kRecentListFile);
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return;
  QTextStream in(&f);
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (!line.isEmpty()) FileNameList.append(line);
  }
  while (FileNameList.size() > kMaxRecentFiles) FileNameList.removeFirst();
}

void TSOLMONApp::WriteRecentList() const {
  QFile f(programDir_ + kRecentListFile);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  for (const QString& path : FileNameList) f.write((path + "\r\n").toUtf8());
}

}  // namespace solmon::ui
