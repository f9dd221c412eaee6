#pragma once
// "Select Weather Data": a weather file and one location in it, or all its
// locations for a multi-location run. "Select the Weather File": a file only,
// before a location is added to it.

#include <QCheckBox>
#include <QRadioButton>

#include "core/weather/location_list.h"
#include "ui/weather/weather_file_list_dialog.h"

namespace solmon::ui {

class TSelectWEADialog : public TWeatherFileListDialog {
  Q_OBJECT
 public:
  TSelectWEADialog(ProjectState& s, QtPrompts& prompts, QWidget* parent);

  QLabel* Label2;  // "Sort by: "
  QRadioButton* CityB;
  QRadioButton* StateB;
  QListWidget* ListBox2;  // the locations; each item carries its location number
  QCheckBox* doAllBox;
  int LastIndex1 = -1;

  // Fills the lists from the directory and the file, then runs the dialog.
  int exec() override;
  void FormActivate();
  void SetupLocationList();
  void ListBox1Click();
  void doAllBoxClick();
  // Takes the choice and closes; stays open without a highlighted location
  // or when the location cannot be read.
  void OKBtnClick();
};

class TSelectWEAFileDlg : public TWeatherFileListDialog {
  Q_OBJECT
 public:
  TSelectWEAFileDlg(ProjectState& s, QtPrompts& prompts, QWidget* parent);
  int exec() override;
  void FormActivate();
  void OKBtnClick();
};

}  // namespace solmon::ui
