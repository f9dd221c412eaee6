#include "ui/weather/weather_file_list_dialog.h"

#include <QFontDatabase>

#include "core/weather/location_list.h"
#include "core/weather/weather_file.h"
#include "ui/app/qt_prompts.h"

namespace solmon::ui {

QFont FixedPitchFont() {
  return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

TWeatherFileListDialog::TWeatherFileListDialog(ProjectState& s, QtPrompts& prompts,
                                               QWidget* parent)
    : QDialog(parent), s_(s), prompts_(prompts) {
  Label1 = new QLabel("Filename", this);
  ListBox1 = new QListWidget(this);
  ListBox1->setFont(FixedPitchFont());
  ListBox1->setObjectName("ListBox1");
  NoFilesLabel = new QLabel(this);
  NoFilesLabel->setWordWrap(true);
  NoFilesLabel->hide();
  OKBtn = new QPushButton("OK", this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("Cancel", this);
  connect(CancelBtn, &QPushButton::clicked, this, &TWeatherFileListDialog::reject);
}

bool TWeatherFileListDialog::FillWeatherFileList() {
  HoldCityNo = s_.LocationIndex;
  HoldWDFile = s_.WeatherFileName;
  const QSignalBlocker block(ListBox1);
  ListBox1->clear();
  files_ = ListWeatherFiles(s_.ProgramDir);
  for (const std::string& f : files_) ListBox1->addItem(QString::fromStdString(f));
  const bool any = !files_.empty();
  NoFilesLabel->setVisible(!any);
  NoFilesLabel->setText("There are no weather files (*.WEA) in " +
                        QString::fromStdString(s_.ProgramDir.empty() ? "." : s_.ProgramDir) + ".");
  OKBtn->setEnabled(any);
  if (!any) return false;
  const int i = WeatherFileListIndex(files_, s_.WeatherFileName);
  if (files_[i] != s_.WeatherFileName) s_.WeatherFileName = files_[i];
  ListBox1->setCurrentRow(i);
  return true;
}

std::string TWeatherFileListDialog::HighlightedFile() const {
  const int i = ListBox1->currentRow();
  return i >= 0 && i < static_cast<int>(files_.size()) ? files_[i] : std::string();
}

std::vector<LocationRecord> TWeatherFileListDialog::ReadListedLocations() {
  std::string problem;
  std::vector<LocationRecord> records = ReadLocationsForListing(WeatherFilePath(s_), problem);
  if (!problem.empty()) prompts_.ShowMessageBox(problem, 0, true);
  return records;
}

void TWeatherFileListDialog::CancelBtnClick() {
  s_.LocationIndex = HoldCityNo;
  s_.WeatherFileName = HoldWDFile;
}

void TWeatherFileListDialog::reject() {
  CancelBtnClick();
  QDialog::reject();
}

}  // namespace solmon::ui
