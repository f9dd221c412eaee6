#include "ui/weather/import_epw_dlg.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <filesystem>
#include <stdexcept>

#include "core/model/numbers.h"
#include "core/weather/location_list.h"
#include "core/weather/new_weather_file.h"
#include "core/weather/weather_file.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/screen_scale.h"

namespace solmon::ui {

TImportEpwDlg::TImportEpwDlg(ProjectState& s, QtPrompts& prompts, QWidget* parent)
    : QDialog(parent), s_(s), prompts_(prompts) {
  setWindowTitle("Import EPW");
  FilesLabel = new QLabel(this);
  FilesLabel->setWordWrap(true);
  TargetBox = new QComboBox(this);
  TargetBox->setEditable(true);
  TargetBox->setInsertPolicy(QComboBox::NoInsert);
  NoteLabel = new QLabel(this);
  NoteLabel->setWordWrap(true);
  OKBtn = new QPushButton("OK", this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("Cancel", this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FilesLabel);
  layout->addWidget(new QLabel("Weather file (in the weather directory):", this));
  layout->addWidget(TargetBox);
  layout->addWidget(NoteLabel);
  layout->addLayout(buttons);
  resize(Px(420), Px(200));
  connect(TargetBox, &QComboBox::editTextChanged, this, &TImportEpwDlg::UpdateNote);
  connect(OKBtn, &QPushButton::clicked, this, &TImportEpwDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TImportEpwDlg::exec() {
  FormActivate();
  return QDialog::exec();
}

void TImportEpwDlg::FormActivate() {
  QStringList names;
  for (const QString& f : EpwFiles) names << QFileInfo(f).fileName();
  FilesLabel->setText(QString("Locations to import (%1): ").arg(EpwFiles.size()) +
                      names.join(", "));
  const QString keep = TargetBox->currentText();
  TargetBox->clear();
  for (const std::string& f : ListWeatherFiles(s_.ProgramDir))
    TargetBox->addItem(QString::fromStdString(f));
  TargetBox->setEditText(keep.isEmpty() ? "IMPORT.WEA" : keep);
  UpdateNote();
}

std::string TImportEpwDlg::TargetName() const {
  std::string name = TrimSpaces(TargetBox->currentText().toStdString());
  if (!name.empty() && std::filesystem::path(name).extension().empty()) name += ".WEA";
  return name;
}

void TImportEpwDlg::UpdateNote() {
  const std::string name = TargetName();
  const std::string problem = WeatherFileNameProblem(name);
  if (!problem.empty()) {
    NoteLabel->setText(QString::fromStdString(problem));
    return;
  }
  const std::string path = s_.ProgramDir + name;
  std::error_code ec;
  if (std::filesystem::exists(path, ec))
    NoteLabel->setText("The file exists: the imported locations are added after its own.");
  else
    NoteLabel->setText("A new weather file is created.");
}

void TImportEpwDlg::OKBtnClick() {
  const std::string name = TargetName();
  if (const std::string problem = WeatherFileNameProblem(name); !problem.empty()) {
    prompts_.ShowMessageBox("Cannot use this name: " + problem + ".", 0, true);
    return;
  }
  std::vector<std::string> epws;
  for (const QString& f : EpwFiles) epws.push_back(f.toStdString());
  const std::string path = s_.ProgramDir + name;
  try {
    const EpwImportResult r = ImportEpwFiles(epws, path, true);
    TargetPath = path;
    Kept = r.kept;
    Imported = static_cast<int>(r.names.size());
  } catch (const std::runtime_error& e) {
    prompts_.ShowMessageBox(std::string(e.what()) + "\n\nNothing was imported.", 0, true);
    return;
  }
  accept();
}

}  // namespace solmon::ui
