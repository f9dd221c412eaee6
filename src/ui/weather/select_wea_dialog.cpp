#include "ui/weather/select_wea_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/weather/weather_file.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/screen_scale.h"

namespace solmon::ui {

namespace {

constexpr int kLocationRole = Qt::UserRole;

QHBoxLayout* ButtonRow(QPushButton* ok, QPushButton* cancel) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

}  // namespace

// ---- TSelectWEADialog -----------------------------------------------------

TSelectWEADialog::TSelectWEADialog(ProjectState& s, QtPrompts& prompts, QWidget* parent)
    : TWeatherFileListDialog(s, prompts, parent) {
  setWindowTitle("Select Weather Data");
  Label2 = new QLabel("Sort by: ", this);
  CityB = new QRadioButton("City", this);
  StateB = new QRadioButton("State", this);
  CityB->setChecked(true);
  ListBox2 = new QListWidget(this);
  ListBox2->setObjectName("ListBox2");
  ListBox2->setFont(FixedPitchFont());
  doAllBox = new QCheckBox("Do calculations for all locations in the weather file", this);

  auto* grid = new QGridLayout;
  grid->addWidget(Label1, 0, 0);
  auto* sortRow = new QHBoxLayout;
  sortRow->addWidget(Label2);
  sortRow->addWidget(CityB);
  sortRow->addWidget(StateB);
  sortRow->addStretch();
  grid->addLayout(sortRow, 0, 1);
  grid->addWidget(ListBox1, 1, 0);
  grid->addWidget(ListBox2, 1, 1);
  grid->setColumnStretch(1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(NoFilesLabel);
  layout->addWidget(doAllBox);
  layout->addLayout(ButtonRow(OKBtn, CancelBtn));
  resize(Px(520), Px(360));

  connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
  connect(CityB, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SetupLocationList();
  });
  connect(StateB, &QRadioButton::toggled, this, [this](bool on) {
    if (on) SetupLocationList();
  });
  connect(doAllBox, &QCheckBox::toggled, this, [this] { doAllBoxClick(); });
  connect(ListBox2, &QListWidget::itemDoubleClicked, this, [this] { OKBtnClick(); });
  connect(OKBtn, &QPushButton::clicked, this, &TSelectWEADialog::OKBtnClick);
}

int TSelectWEADialog::exec() {
  FormActivate();
  return QDialog::exec();
}

void TSelectWEADialog::FormActivate() {
  if (FillWeatherFileList()) {
    LastIndex1 = ListBox1->currentRow();
    SetupLocationList();
  } else {
    ListBox2->clear();
  }
  doAllBoxClick();
}

void TSelectWEADialog::SetupLocationList() {
  ListBox2->clear();
  if (files_.empty()) return;
  const std::vector<LocationRecord> records = ReadListedLocations();
  for (const LocationListItem& item : BuildLocationList(records, StateB->isChecked())) {
    auto* it = new QListWidgetItem(QString::fromStdString(item.text), ListBox2);
    it->setData(kLocationRole, item.number);
  }
  s_.LocationIndex =
      static_cast<std::int16_t>(ClampLocationIndex(s_.LocationIndex, static_cast<int>(records.size())));
  std::vector<LocationListItem> items;
  for (int i = 0; i < ListBox2->count(); ++i)
    items.push_back({ListBox2->item(i)->text().toStdString(), 0});
  const int found = FindLocationItem(items, s_.LocationName);
  ListBox2->setCurrentRow(found);
  if (found < 0) ListBox2->clearSelection();
}

void TSelectWEADialog::ListBox1Click() {
  const int i = ListBox1->currentRow();
  if (i < 0) return;
  if (i != LastIndex1) {
    s_.WeatherFileName = HighlightedFile();
    SetupLocationList();
  }
  LastIndex1 = i;
}

void TSelectWEADialog::doAllBoxClick() {
  const bool one = !doAllBox->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(ListBox2), static_cast<QWidget*>(Label2),
                     static_cast<QWidget*>(CityB), static_cast<QWidget*>(StateB)})
    w->setVisible(one);
}

void TSelectWEADialog::OKBtnClick() {
  const std::string file = HighlightedFile();
  if (file.empty()) return;
  if (doAllBox->isChecked()) {
    s_.WeatherFileName = file;
    s_.LocationIndex = static_cast<std::int16_t>(-ListBox2->count());
    s_.LocationName = "All in " + file;
  } else {
    QListWidgetItem* item = ListBox2->currentItem();
    if (!item || !item->isSelected()) {
      prompts_.Beep();
      return;
    }
    const int n = item->data(kLocationRole).toInt();
    try {
      LoadLocation(s_, n);
    } catch (const WeatherFileError& e) {
      prompts_.ShowMessageBox(e.what(), 0, true);
      return;
    }
    s_.LocationIndex = static_cast<std::int16_t>(n);
    s_.LocationName = item->text().toStdString().substr(0, kLocationNameMax);
  }
  // A new location is a change of the project, and old results no longer fit.
  s_.MarkModified();
  s_.InvalidateResults();
  accept();
}

// ---- TSelectWEAFileDlg ----------------------------------------------------

TSelectWEAFileDlg::TSelectWEAFileDlg(ProjectState& s, QtPrompts& prompts, QWidget* parent)
    : TWeatherFileListDialog(s, prompts, parent) {
  setWindowTitle("Select the Weather File");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(ListBox1);
  layout->addWidget(NoFilesLabel);
  layout->addLayout(ButtonRow(OKBtn, CancelBtn));
  resize(Px(260), Px(300));
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { OKBtnClick(); });
  connect(OKBtn, &QPushButton::clicked, this, &TSelectWEAFileDlg::OKBtnClick);
}

int TSelectWEAFileDlg::exec() {
  FormActivate();
  return QDialog::exec();
}

void TSelectWEAFileDlg::FormActivate() { FillWeatherFileList(); }

void TSelectWEAFileDlg::OKBtnClick() {
  const std::string file = HighlightedFile();
  if (file.empty()) return;
  s_.WeatherFileName = file;
  accept();
}

}  // namespace solmon::ui
