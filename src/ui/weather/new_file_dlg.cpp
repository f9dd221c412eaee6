#include "ui/weather/new_file_dlg.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "core/weather/location_list.h"
#include "core/weather/weather_file.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/screen_scale.h"

namespace solmon::ui {

TCreateNewFile::TCreateNewFile(ProjectState& s, QtPrompts& prompts, QWidget* parent)
    : TWeatherFileListDialog(s, prompts, parent) {
  setWindowTitle("Create New Data File");
  Label2 = new QLabel("City Name", this);
  ListBox2 = new QListWidget(this);
  ListBox2->setObjectName("ListBox2");
  Label3 = new QLabel("Cites in New Data File", this);
  ListBox3 = new QListWidget(this);
  ListBox3->setObjectName("ListBox3");
  for (QListWidget* l : {ListBox2, ListBox3}) {
    l->setFont(FixedPitchFont());
    l->setSelectionMode(QAbstractItemView::ExtendedSelection);
  }
  IncludeBtn = new QPushButton("Add", this);
  ExcludeBtn = new QPushButton("Remove", this);
  ExcludeBtn->setEnabled(false);

  auto* grid = new QGridLayout;
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Label2, 0, 1);
  grid->addWidget(Label3, 0, 3);
  grid->addWidget(ListBox1, 1, 0);
  grid->addWidget(ListBox2, 1, 1);
  auto* middle = new QVBoxLayout;
  middle->addStretch();
  middle->addWidget(IncludeBtn);
  middle->addWidget(ExcludeBtn);
  middle->addStretch();
  grid->addLayout(middle, 1, 2);
  grid->addWidget(ListBox3, 1, 3);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(3, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(NoFilesLabel);
  layout->addLayout(buttons);
  resize(Px(760), Px(380));

  connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
  connect(ListBox2, &QListWidget::itemPressed, this, [this] { ListBox2Click(); });
  connect(ListBox3, &QListWidget::itemPressed, this, [this] { ListBox3Click(); });
  connect(IncludeBtn, &QPushButton::clicked, this, &TCreateNewFile::IncludeBtnClick);
  connect(ExcludeBtn, &QPushButton::clicked, this, &TCreateNewFile::ExcludeBtnClick);
  connect(OKBtn, &QPushButton::clicked, this, &TCreateNewFile::OKBtnClick);
}

int TCreateNewFile::exec() {
  FormActivate();
  const int result = QDialog::exec();
  return result;
}

void TCreateNewFile::FormActivate() {
  SavedFile.clear();
  if (FillWeatherFileList()) LastIndex1 = ListBox1->currentRow();
  SetupLocationList();
  // Saving needs only the collection, which may come from earlier openings.
  OKBtn->setEnabled(true);
}

void TCreateNewFile::SetupLocationList() {
  ListBox2->clear();
  if (files_.empty()) return;
  const std::vector<LocationRecord> records = ReadListedLocations();
  for (const LocationRecord& r : records) ListBox2->addItem(QString::fromStdString(r.Name()));
  const int n = static_cast<int>(records.size());
  if (s_.LocationIndex <= 0 || s_.LocationIndex > n) s_.LocationIndex = 1;
  if (n > 0) {
    ListBox2->setCurrentRow(s_.LocationIndex - 1, QItemSelectionModel::NoUpdate);
    ListBox2->clearSelection();
  }
}

void TCreateNewFile::ListBox1Click() {
  const int i = ListBox1->currentRow();
  if (i < 0) return;
  if (i != LastIndex1) {
    s_.WeatherFileName = HighlightedFile();
    SetupLocationList();
  }
  LastIndex1 = i;
}

void TCreateNewFile::ListBox2Click() {
  ListBox3->clearSelection();
  IncludeBtn->setEnabled(true);
  ExcludeBtn->setEnabled(false);
}

void TCreateNewFile::ListBox3Click() {
  ListBox2->clearSelection();
  IncludeBtn->setEnabled(false);
  ExcludeBtn->setEnabled(true);
}

void TCreateNewFile::IncludeBtnClick() {
  ListBox3->clearSelection();
  ExcludeBtn->setEnabled(false);
  const std::string file = HighlightedFile();
  if (file.empty()) return;
  for (int p = 0; p < ListBox2->count(); ++p) {
    QListWidgetItem* item = ListBox2->item(p);
    if (!item->isSelected()) continue;
    CollectedLocation c{file, p + 1, item->text().toStdString()};
    ListBox3->addItem(QString::fromStdString(c.Text()));
    collection_.push_back(c);
    item->setSelected(false);
  }
}

void TCreateNewFile::ExcludeBtnClick() {
  for (int i = ListBox3->count() - 1; i >= 0; --i) {
    if (!ListBox3->item(i)->isSelected()) continue;
    delete ListBox3->takeItem(i);
    collection_.erase(collection_.begin() + i);
  }
  ExcludeBtn->setEnabled(false);
}

void TCreateNewFile::RestoreCurrentFile() {
  // The current location belongs to the file it was read from.
  s_.WeatherFileName = HoldWDFile;
  s_.LocationIndex = HoldCityNo;
}

void TCreateNewFile::OKBtnClick() {
  // The save dialog starts in the weather directory, where the new file
  // will be listed.
  const QString previous = QDir::currentPath();
  if (!s_.ProgramDir.empty()) QDir::setCurrent(QString::fromStdString(s_.ProgramDir));
  const QString target = prompts_.ChooseSaveFile("Save New Weather Data File",
                                                 "Weather file (*.wea)", "wea");
  QDir::setCurrent(previous);
  if (target.isEmpty()) return;
  const std::string name = QFileInfo(target).fileName().toStdString();
  if (const std::string problem = WeatherFileNameProblem(name); !problem.empty()) {
    prompts_.ShowMessageBox("Cannot use this name: " + problem + ".", 0, true);
    return;
  }
  try {
    SaveNewWeatherFile(s_.ProgramDir, collection_, target.toStdString());
  } catch (const WeatherFileError& e) {
    prompts_.ShowMessageBox(e.what(), 0, true);
    return;
  }
  SavedFile = target;
  RestoreCurrentFile();
  accept();
}

}  // namespace solmon::ui
