#pragma once
// "Change or View Weather Data": the current location's monthly data in a
// grid, edited in place; OK keeps the changes in the project, Cancel puts
// the location back, Archive writes it into the weather file. In add mode
// the location becomes a new one at the end of the weather file.

#include <QAbstractTableModel>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>

#include "core/model/project_state.h"
#include "core/report/report_output.h"
#include "core/weather/weather_editor.h"

namespace solmon::ui {

class QtPrompts;

// The grid's cells over the current location: row 0 the headings, column 0
// the months, columns 1..5 editable, column 6 the degree-days.
class TWeatherGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TWeatherGridModel(ProjectState& s, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Every cell may have changed.
  void Refresh();

 private:
  ProjectState& s_;
};

// Draws headings bold and centred with "^" superscripts, month names, and
// values right-justified (the degree-days in gray).
class TWeatherGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

class TChgViewDlg : public QDialog {
  Q_OBJECT
 public:
  TChgViewDlg(ProjectState& s, QtPrompts& prompts, QWidget* parent);

  bool AddNew = false;  // set by the caller before showing
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
  QLineEdit *CityName, *Latitude, *BaseTemp;
  QTableView* Grid;
  TWeatherGridModel* GridModel;
  QPushButton *OKBtn, *CancelBtn, *Archive, *PasteBtn, *CopyBtn;

  // Prepares the dialog and runs it; Rejected at once when add mode cannot
  // count the weather file (the message has been shown).
  int exec() override;
  bool FormActivate();
  void OKBtnClick();
  void CancelBtnClick();
  void ArchiveClick();
  void CopytoClip();
  void PasteClick();
  void BaseTempChange();
  void SelectAllCells();
  // The editable selected cells become -999 (no value).
  void ClearSelectedCells();
  void reject() override;
  // The weather table on a report output (the print command).
  void Print(ReportOutput& out) const;
  const WeatherEditSession& Session() const { return session_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool ApplyOk();
  void UpdateButtons();
  void SizeGrid();

  ProjectState& s_;
  QtPrompts& prompts_;
  WeatherEditSession session_;
};

}  // namespace solmon::ui
