// The weather dialogs: choosing a location, viewing and editing its data,
// adding a location, a new weather file, EPW import and the run over every
// location of a weather file.

#include <QApplication>
#include <QClipboard>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "../support/weather_fixtures.h"
#include "core/model/units.h"
#include "core/weather/weather_file.h"
#include "core/weather/weather_grid.h"
#include "ui/weather/chg_view_dlg.h"
#include "ui/weather/import_epw_dlg.h"
#include "ui/weather/multicity_output_dlg.h"
#include "ui/weather/new_file_dlg.h"
#include "ui/weather/select_wea_dialog.h"
#include "ui_fixture.h"

namespace solmon::ui {
namespace {

using solmon::testing::MakeRecord;
using testing::UiTest;

std::vector<LocationRecord> Colorado() {
  return {MakeRecord("DENVER CO", 39.75, {.tAmb = 50}), MakeRecord("ALAMOSA CO", 37.45),
          MakeRecord("BOULDER CO", 40.0)};
}

std::vector<LocationRecord> Ten() {
  std::vector<LocationRecord> r;
  for (int i = 1; i <= 10; ++i)
    r.push_back(MakeRecord("CITY " + std::to_string(i) + " ST", 30 + i, {.hBar = 900.0 + i}));
  return r;
}

QStringList Items(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

// Runs `act` once the next modal dialog has started.
void WhenModal(std::function<void()> act) {
  QTimer::singleShot(0, [act = std::move(act)] { act(); });
}

class WeatherDialogsTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    WriteWeatherFile(Wea("CO.WEA"), Colorado());
    WriteWeatherFile(Wea("TEN.WEA"), Ten());
    ProjectState seed;
    solmon::testing::FillSampleProject(seed);
    seed.SheetKind = {0, 2, 1, 0};
    for (int w = 1; w <= 3; ++w) seed.SheetRects[w] = {short(20 * w), short(20 * w), 560, 400};
    seed.WeatherFileName = "CO.WEA";
    seed.LocationIndex = 1;
    SetCurrentLocation(seed, Colorado()[0]);
    WriteProject(seed, (programDir + kDefaultsFile).toStdString());
    StartApp();
  }
  std::string Wea(const char* name) const { return (programDir + name).toStdString(); }
  QString Row() { return Field(1, 1)->text(); }
};

// ---- Select Weather Data ------------------------------------------------------

TEST_F(WeatherDialogsTest, LocationsByStateAndTheChoiceReachesTheLocationRow) {
  TSelectWEADialog& d = *app->SelectWEADialog;
  d.FormActivate();
  EXPECT_EQ(Items(d.ListBox1), (QStringList{"CO.WEA", "TEN.WEA"}));
  EXPECT_EQ(Items(d.ListBox2), (QStringList{"ALAMOSA CO", "BOULDER CO", "DENVER CO"}));
  EXPECT_EQ(d.ListBox2->currentItem()->text(), "DENVER CO");  // the project's location

  d.StateB->setChecked(true);
  EXPECT_EQ(Items(d.ListBox2), (QStringList{"CO ALAMOSA ", "CO BOULDER ", "CO DENVER "}));
  // The state-sorted texts do not match the location name: nothing is
  // highlighted, and OK keeps the dialog open.
  EXPECT_TRUE(d.ListBox2->selectedItems().isEmpty());
  d.OKBtnClick();
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_EQ(state.LocationName, "DENVER CO");

  d.ListBox2->setCurrentRow(1);
  d.OKBtnClick();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(state.LocationIndex, 3);
  EXPECT_EQ(state.LocationName, "CO BOULDER ");
  EXPECT_EQ(state.Location.Name(), "BOULDER CO");
  EXPECT_TRUE(state.Modified);
  app->ShowLocationRow();
  EXPECT_EQ(Row(), "CO BOULDER ");

  // Reopened with City sorting, the rearranged name highlights nothing.
  d.CityB->setChecked(true);
  d.FormActivate();
  EXPECT_TRUE(d.ListBox2->selectedItems().isEmpty());
}

TEST_F(WeatherDialogsTest, CancelRestoresFileAndLocationAsAtOpening) {
  state.LocationIndex = 2;
  TSelectWEADialog& d = *app->SelectWEADialog;
  d.FormActivate();
  d.ListBox1->setCurrentRow(1);
  EXPECT_EQ(state.WeatherFileName, "TEN.WEA");
  EXPECT_EQ(d.ListBox2->count(), 10);
  d.ListBox1->setCurrentRow(0);
  d.ListBox1->setCurrentRow(1);
  d.reject();
  EXPECT_EQ(state.WeatherFileName, "CO.WEA");
  EXPECT_EQ(state.LocationIndex, 2);
}

TEST_F(WeatherDialogsTest, AllLocationsOfAFile) {
  state.LocationIndex = 80;
  TSelectWEADialog& d = *app->SelectWEADialog;
  d.FormActivate();
  EXPECT_EQ(state.LocationIndex, 1);  // outside the file
  d.ListBox1->setCurrentRow(1);
  d.doAllBox->setChecked(true);
  EXPECT_TRUE(d.ListBox2->isHidden());
  EXPECT_TRUE(d.StateB->isHidden());
  const LocationRecord before = state.Location;
  d.OKBtnClick();
  EXPECT_EQ(state.LocationIndex, -10);
  EXPECT_EQ(state.WeatherFileName, "TEN.WEA");
  EXPECT_EQ(state.Location, before);
  app->ShowLocationRow();
  EXPECT_EQ(Row(), "All in TEN.WEA");
  d.doAllBox->setChecked(false);
}

TEST_F(WeatherDialogsTest, AWeatherDirectoryWithoutWeatherFilesSaysSo) {
  QFile::remove(QString::fromStdString(Wea("CO.WEA")));
  QFile::remove(QString::fromStdString(Wea("TEN.WEA")));
  TSelectWEADialog& d = *app->SelectWEADialog;
  d.FormActivate();
  EXPECT_FALSE(d.NoFilesLabel->isHidden());
  EXPECT_TRUE(d.NoFilesLabel->text().startsWith("There are no weather files (*.WEA) in "));
  EXPECT_FALSE(d.OKBtn->isEnabled());
  EXPECT_EQ(d.ListBox2->count(), 0);
}

TEST_F(WeatherDialogsTest, TheLocationRowAndTheMenuOpenTheDialog) {
  bool shown = false;
  WhenModal([&] {
    shown = app->SelectWEADialog->isVisible();
    app->SelectWEADialog->reject();
  });
  QTest::mouseClick(Field(1, 1), Qt::LeftButton);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(app->SelectLocationItem->isEnabled());
  shown = false;
  WhenModal([&] {
    shown = app->SelectWEADialog->isVisible();
    app->SelectWEADialog->reject();
  });
  app->SelectLocationItem->trigger();
  EXPECT_TRUE(shown);
}

TEST_F(WeatherDialogsTest, NoWeatherDialogWhileAFieldHoldsARejectedValue) {
  Field(1, 3)->setText("abc");
  ASSERT_FALSE(Field(1, 3)->GetValue());
  bool shown = false;
  WhenModal([&] {
    for (QDialog* d : {static_cast<QDialog*>(app->SelectWEADialog),
                       static_cast<QDialog*>(app->ChgViewDlg)})
      if (d->isVisible()) {
        shown = true;
        d->reject();
      }
  });
  app->SelectLocationClick();
  app->ChangeDataClick();
  QApplication::processEvents();
  EXPECT_FALSE(shown);
}

// ---- Change or View Weather Data --------------------------------------------

TEST_F(WeatherDialogsTest, EditingClearingAndCancel) {
  TChgViewDlg& d = *app->ChgViewDlg;
  const ProjectState before = state;
  d.AddNew = false;
  ASSERT_TRUE(d.FormActivate());
  EXPECT_EQ(d.CityName->text(), "DENVER CO");
  EXPECT_EQ(d.Label5->text(), "\u00B0C");
  TWeatherGridModel& m = *d.GridModel;
  EXPECT_EQ(m.index(0, 1).data().toString(), "Solar Rad.");
  EXPECT_EQ(m.index(1, 0).data().toString(), "Jan");
  EXPECT_FALSE(m.flags(m.index(1, 6)) & Qt::ItemIsEditable);
  EXPECT_TRUE(m.flags(m.index(1, 6)) & Qt::ItemIsSelectable);
  EXPECT_FALSE(m.flags(m.index(0, 1)) & Qt::ItemIsSelectable);

  const QString janDegreeDays = m.index(1, 6).data().toString();
  EXPECT_TRUE(m.setData(m.index(1, 2), "25", Qt::EditRole));
  EXPECT_NE(m.index(1, 6).data().toString(), janDegreeDays);  // follows at once
  EXPECT_TRUE(m.setData(m.index(2, 1), "", Qt::EditRole));
  EXPECT_EQ(GridValue(state, 2, 1), -999);
  EXPECT_EQ(m.index(2, 1).data().toString(), "");
  EXPECT_FALSE(m.setData(m.index(3, 6), "5", Qt::EditRole));

  d.reject();
  EXPECT_EQ(state.Location, before.Location);
  EXPECT_EQ(state.DegDays, before.DegDays);
}

TEST_F(WeatherDialogsTest, DeleteClearsTheSelectedCellsAndCtrlASelectsAll) {
  TChgViewDlg& d = *app->ChgViewDlg;
  d.AddNew = false;
  ASSERT_TRUE(d.FormActivate());
  d.show();
  d.Grid->selectionModel()->select(QItemSelection(d.GridModel->index(3, 1), d.GridModel->index(4, 6)),
                                   QItemSelectionModel::ClearAndSelect);
  QTest::keyClick(d.Grid, Qt::Key_Delete);
  EXPECT_EQ(GridValue(state, 3, 1), -999);
  EXPECT_EQ(GridValue(state, 4, 5), -999);
  EXPECT_NE(GridValue(state, 5, 1), -999);
  EXPECT_TRUE(state.Modified);
  QTest::keyClick(d.Grid, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(d.Grid->selectionModel()->selectedIndexes().size(), 72);
  EXPECT_TRUE(d.CopyBtn->isEnabled());
  d.reject();
  EXPECT_NE(GridValue(state, 3, 1), -999);
}

TEST_F(WeatherDialogsTest, PasteFromTheClipboardAndItsMessage) {
  TChgViewDlg& d = *app->ChgViewDlg;
  d.AddNew = false;
  ASSERT_TRUE(d.FormActivate());
  QApplication::clipboard()->setText("1\t2\t3\t4\t5\t6\t7\n11\t12\t13\t14\t15\t16\t17\n");
  d.Grid->setCurrentIndex(d.GridModel->index(1, 1));
  d.PasteClick();
  EXPECT_EQ(GridValue(state, 1, 5), 5);
  EXPECT_EQ(GridValue(state, 2, 1), 11);
  EXPECT_TRUE(prompts.messages.empty());

  QApplication::clipboard()->setText("30\n31\nx\n");
  d.Grid->setCurrentIndex(d.GridModel->index(4, 2));
  d.PasteClick();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], "Unexpected character in row 6 column 2");
  EXPECT_EQ(GridValue(state, 5, 2), 31);

  // Copy puts the shown cells on the clipboard and keeps only the top-left cell.
  d.Grid->selectionModel()->select(QItemSelection(d.GridModel->index(1, 1), d.GridModel->index(2, 2)),
                                   QItemSelectionModel::ClearAndSelect);
  EXPECT_TRUE(d.CopyBtn->isEnabled());
  d.CopytoClip();
  EXPECT_EQ(QApplication::clipboard()->text(), "1\t2.0\r\n11\t12.0");
  EXPECT_EQ(d.Grid->currentIndex(), d.GridModel->index(1, 1));
  d.reject();
}

TEST_F(WeatherDialogsTest, ArchiveInSIWritesEnglishValuesAfterTheQuestion) {
  ASSERT_EQ(state.UnitSystem, kSI);
  TChgViewDlg& d = *app->ChgViewDlg;
  d.AddNew = false;
  ASSERT_TRUE(d.FormActivate());
  ASSERT_TRUE(d.GridModel->setData(d.GridModel->index(1, 2), "20", Qt::EditRole));
  prompts.answers = {MessageButton::Cancel};
  d.ArchiveClick();
  EXPECT_EQ(prompts.messages.back(),
            "You are about to permanently modify weather file " + Wea("CO.WEA") + ".  Continue?");
  EXPECT_EQ(prompts.kinds.back(), 2);
  EXPECT_EQ(ReadLocation(Wea("CO.WEA"), 1), Colorado()[0]);

  prompts.answers = {MessageButton::OK};
  d.ArchiveClick();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_NEAR(Real6ToDouble(ReadLocation(Wea("CO.WEA"), 1).TAmb[1]), 68, 1e-9);
  EXPECT_EQ(GridValue(state, 1, 2), 20);  // the grid stays in SI
}

TEST_F(WeatherDialogsTest, AddNewDataAppendsLocationElevenThroughTheMenu) {
  WhenModal([&] {
    TSelectWEAFileDlg& files = *app->SelectWEAFileDlg;
    EXPECT_EQ(files.windowTitle(), "Select the Weather File");
    files.ListBox1->setCurrentRow(1);  // TEN.WEA
    files.OKBtnClick();
    WhenModal([&] {
      TChgViewDlg& d = *app->ChgViewDlg;
      EXPECT_TRUE(d.AddNew);
      EXPECT_EQ(state.LocationIndex, 11);
      d.CityName->setText("NEW TOWN ST");
      prompts.answers = {MessageButton::OK};
      d.ArchiveClick();
    });
  });
  app->AddDataItem->trigger();
  ASSERT_EQ(CountLocations(Wea("TEN.WEA")), 11);
  EXPECT_EQ(ReadLocation(Wea("TEN.WEA"), 11).Name(), "NEW TOWN ST");
  EXPECT_EQ(state.WeatherFileName, "TEN.WEA");
  EXPECT_EQ(Row(), "NEW TOWN ST");
}

TEST_F(WeatherDialogsTest, AddModeCancelledLeavesTheLocationWithItsFile) {
  WhenModal([&] {
    app->SelectWEAFileDlg->ListBox1->setCurrentRow(1);
    app->SelectWEAFileDlg->OKBtnClick();
    WhenModal([&] { app->ChgViewDlg->reject(); });
  });
  app->AddDataClick();
  EXPECT_EQ(state.WeatherFileName, "CO.WEA");
  EXPECT_EQ(state.LocationIndex, 1);
  EXPECT_EQ(CountLocations(Wea("TEN.WEA")), 10);
}

// ---- Create New Data File ---------------------------------------------------

TEST_F(WeatherDialogsTest, NewFileKeepsTheOrderOfCollecting) {
  TCreateNewFile& d = *app->CreateNewFile;
  d.FormActivate();
  d.ListBox2->item(2)->setSelected(true);
  d.IncludeBtnClick();
  d.ListBox2->item(0)->setSelected(true);
  d.IncludeBtnClick();
  d.ListBox1->setCurrentRow(1);
  d.ListBox2->item(9)->setSelected(true);
  d.IncludeBtnClick();
  EXPECT_EQ(Items(d.ListBox3),
            (QStringList{"CO.WEA\\BOULDER CO", "CO.WEA\\DENVER CO", "TEN.WEA\\CITY 10 ST"}));

  d.OKBtnClick();  // the save dialog cancelled: nothing written, still open
  EXPECT_NE(d.result(), QDialog::Accepted);
  prompts.files = {Path("NEW.wea")};
  d.OKBtnClick();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  const auto records = ReadWeatherFile(Wea("NEW.wea"));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0], Colorado()[2]);
  EXPECT_EQ(records[1], Colorado()[0]);
  EXPECT_EQ(records[2], Ten()[9]);
  EXPECT_EQ(state.WeatherFileName, "CO.WEA");  // browsing did not move the location
}

// ---- Import EPW ---------------------------------------------------------------

TEST_F(WeatherDialogsTest, ImportEpwAddsToAnExistingFile) {
  const QString epw = QString(SOLMON_TEST_DATA) + "/USA_CA_Long.Beach.AP.722970_TMYx.2007-2021.epw";
  prompts.fileLists = {{epw}};
  WhenModal([&] {
    app->ImportEpwDlg->TargetBox->setEditText("TEN.WEA");
    app->ImportEpwDlg->OKBtnClick();
  });
  app->ImportEpwItem->trigger();
  EXPECT_EQ(CountLocations(Wea("TEN.WEA")), 11);
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.messages.back(),
            "1 locations were imported into " + Wea("TEN.WEA") + ", which now holds 11.");
}

// ---- Output from Multiple City Calculation -----------------------------------

TEST_F(WeatherDialogsTest, CalculateOverAllLocationsWritesTheFileAndSaysWhere) {
  state.WeatherFileName = "CO.WEA";
  state.LocationIndex = -3;
  const QString out = Path("cities.txt");
  WhenModal([&] {
    TMulticityOutputDlg& d = *app->MulticityOutputDlg;
    EXPECT_FALSE(d.SlopeGroupBox->isHidden());
    EXPECT_TRUE(d.FixedSlopeRB->text().startsWith("Fixed collector slope of "));
    d.FileNameBox->setText(out);
    d.OKBtnClick();
  });
  app->CalculateClick();
  QFile f(out);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray text = f.readAll();
  EXPECT_EQ(text.count("\r\n"), 4);
  EXPECT_TRUE(text.contains("ALAMOSA CO"));
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_NE(prompts.messages.back().find(out.toStdString()), std::string::npos)
      << prompts.messages.back();
  EXPECT_EQ(state.LocationIndex, -3);

  // Cancel writes nothing.
  f.close();
  QFile::remove(out);
  WhenModal([&] { app->MulticityOutputDlg->reject(); });
  app->CalculateClick();
  EXPECT_FALSE(QFile::exists(out));
}

// With SOLMON_SCREENSHOTS=DIR the dialogs are saved there as pictures.
TEST_F(WeatherDialogsTest, Screenshots) {
  const char* dir = std::getenv("SOLMON_SCREENSHOTS");
  if (!dir) GTEST_SKIP() << "set SOLMON_SCREENSHOTS=DIR to save the dialogs as pictures";
  const auto save = [&](QWidget* w, const char* name) {
    w->show();
    QApplication::processEvents();
    EXPECT_TRUE(w->grab().save(QString(dir) + "/" + name + ".png"));
    w->hide();
  };
  app->SelectWEADialog->FormActivate();
  app->SelectWEADialog->StateB->setChecked(true);
  save(app->SelectWEADialog, "select_weather_data");
  app->SelectWEADialog->reject();
  app->ChgViewDlg->AddNew = false;
  ASSERT_TRUE(app->ChgViewDlg->FormActivate());
  app->ChgViewDlg->GridModel->setData(app->ChgViewDlg->GridModel->index(3, 1), "", Qt::EditRole);
  save(app->ChgViewDlg, "change_or_view");
  app->ChgViewDlg->reject();
  app->CreateNewFile->FormActivate();
  app->CreateNewFile->ListBox2->item(1)->setSelected(true);
  app->CreateNewFile->IncludeBtnClick();
  save(app->CreateNewFile, "create_new_data_file");
  app->MulticityOutputDlg->FormActivate();
  save(app->MulticityOutputDlg, "multicity_output");
  save(app->SelectWEAFileDlg, "select_the_weather_file");
  app->ImportEpwDlg->FormActivate();
  save(app->ImportEpwDlg, "import_epw");
}

}  // namespace
}  // namespace solmon::ui
