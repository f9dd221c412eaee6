#pragma once
// The common part of the weather dialogs that start from the list of weather
// files in the weather directory: the file list, the file and location as
// they were when the dialog opened, and Cancel restoring them.

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/project_state.h"
#include "core/weather/location_record.h"

namespace solmon::ui {

class QtPrompts;

class TWeatherFileListDialog : public QDialog {
  Q_OBJECT
 public:
  TWeatherFileListDialog(ProjectState& s, QtPrompts& prompts, QWidget* parent);

  QLabel* Label1;         // "Filename"
  QListWidget* ListBox1;  // the weather files
  QLabel* NoFilesLabel;   // shown when the directory holds none
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

  std::int16_t HoldCityNo = 0;
  std::string HoldWDFile;

  // Remembers file and location, lists the weather files and highlights
  // the current one (or the first, which then becomes the current file).
  // False when there is no weather file at all.
  bool FillWeatherFileList();
  // The highlighted file's name, empty when none.
  std::string HighlightedFile() const;
  // LocationIndex and WeatherFileName as they were at opening.
  void CancelBtnClick();
  void reject() override;

 protected:
  // The locations of the current file up to any damaged record; a damaged
  // or unreadable file is reported in a message box.
  std::vector<LocationRecord> ReadListedLocations();

  ProjectState& s_;
  QtPrompts& prompts_;
  std::vector<std::string> files_;
};

// The list font of the weather dialogs.
QFont FixedPitchFont();

}  // namespace solmon::ui
