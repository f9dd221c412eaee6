#pragma once
// "Create New Data File": locations picked from the weather files of the
// weather directory, collected in any order and from several files, saved
// as a new weather file.

#include <vector>

#include "core/weather/new_weather_file.h"
#include "ui/weather/weather_file_list_dialog.h"

namespace solmon::ui {

class TCreateNewFile : public TWeatherFileListDialog {
  Q_OBJECT
 public:
  TCreateNewFile(ProjectState& s, QtPrompts& prompts, QWidget* parent);

  QLabel* Label2;         // "City Name"
  QListWidget* ListBox2;  // the locations of the highlighted file, in file order
  QLabel* Label3;         // "Cites in New Data File"
  QListWidget* ListBox3;  // the collection
  QPushButton* IncludeBtn;
  QPushButton* ExcludeBtn;
  int LastIndex1 = -1;

  // The collection, in ListBox3's order; it stays between openings.
  const std::vector<CollectedLocation>& Collection() const { return collection_; }

  int exec() override;
  void FormActivate();
  void SetupLocationList();
  void ListBox1Click();
  void ListBox2Click();
  void ListBox3Click();
  void IncludeBtnClick();
  void ExcludeBtnClick();
  // Asks for the new file and writes it; stays open on Cancel or a failure.
  void OKBtnClick();
  // The new file written by the last OK.
  QString SavedFile;

 private:
  void RestoreCurrentFile();
  std::vector<CollectedLocation> collection_;
};

}  // namespace solmon::ui
