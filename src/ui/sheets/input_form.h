#pragma once
// The input sheet window: one row per parameter of the sheet's current kind
// — caption, value field or choice box, unit name — over the sheet model of
// the core, which holds the values and the rules.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <memory>
#include <vector>

#include "core/model/sheet_model.h"
#include "core/report/print_job.h"
#include "core/report/report_output.h"
#include "ui/app/gforms.h"

class QScrollArea;

namespace solmon::ui {

class TInputForm;

// Marks a parameter field among the controls of a sheet.
constexpr int kParameterFieldTag = 91;

// The one-line value field of a numeric row (and of the location row).
class TMyEdit : public QLineEdit {
  Q_OBJECT
 public:
  TMyEdit(TInputForm* form, int itemNo, QWidget* parent);
  int ItemNo;
  int W;
  TInputForm* Form() const { return form_; }
  SheetRow& Info() const;
  int Tag() const { return kParameterFieldTag; }
  // Commits the typed value; false when it is rejected (or still guarded
  // after a rejection).
  bool GetValue();
  bool HasError() const { return Info().HasError; }
  // The window is going: focus changes no longer reach it.
  void Detach() { form_ = nullptr; }

 protected:
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool event(QEvent* e) override;

 private:
  TInputForm* form_;
};

// The drop-down list of a choice row; it cannot be typed into.
class TToggle : public QComboBox {
  Q_OBJECT
 public:
  TToggle(TInputForm* form, int itemNo, QWidget* parent);
  int ItemNo;
  int W;
  SheetRow& Info() const;
  // Stores the selection.
  void GetValue();
  void Detach() { form_ = nullptr; }

 protected:
  void focusInEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  TInputForm* form_;
};

// The unit name of a row.
class TUnitL : public QLabel {
  Q_OBJECT
 public:
  TUnitL(int unitNo, QWidget* parent);
  int UnitNo;
  Unit UnitText;
  void ShowUnits(int unitSystem) { setText(QString::fromStdString(UnitText.Name(unitSystem))); }
};

// A row caption; a click focuses the row's field or choice box.
class TCaptionLabel : public QLabel {
  Q_OBJECT
 public:
  TCaptionLabel(TInputForm* form, int tag, QWidget* parent);
  int Tag;  // row number for numeric rows, minus it for choice rows

 protected:
  void mousePressEvent(QMouseEvent* e) override;

 private:
  TInputForm* form_;
};

class TInputForm : public TGForm {
  Q_OBJECT
 public:
  // Builds the sheet App()->CreatingWindow for its current kind.
  explicit TInputForm(TSOLMONApp* app);
  ~TInputForm() override;

  QScrollArea* ScrollBox = nullptr;
  int NInfo() const { return model_->NInfo(); }
  int W() const { return model_->W(); }
  SheetModel& Model() { return *model_; }

  struct RowControls {
    TCaptionLabel* Caption = nullptr;
    TMyEdit* Edit = nullptr;
    TUnitL* UnitL = nullptr;
    TToggle* Toggle = nullptr;  // choice rows only
  };
  const RowControls& Controls(int row) const { return rows_.at(row); }

  // The first value field holding a rejected text, if any.
  TMyEdit* RejectedField() const;
  void HandleClick(int tag);
  void ConvertUnits(int oldUnits, int newUnits);
  void FormActivate() override;
  void FormDeactivate() override;
  // The text of the sheet for the clipboard (Copy Window).
  std::string CopyText() const;
  void CopyWindow();
  // Prints the sheet on a print job's page: caption, then every enabled row
  // with its value in a box as wide as the field.
  void Print(ReportCanvas& printerCanvas, PrintJobHooks& job);

  // Called by the controls.
  bool CommitField(TMyEdit* edit);
  void FieldFocused(int row, bool isEdit);
  void ChoiceChanged(int row, int selection);
  // The monthly values dialog for a field, with its follow-up in the sheet.
  void OpenMonthly(TMyEdit* edit);
  void ShowHelp(int helpNo);
  // Moves the focus to the next (or previous) enabled control of the sheet.
  void MoveFocus(bool forward);
  // Shows the model's texts, selections and enabled rows again.
  void RefreshRows();
  void RefreshLocation();
  // Size and place from the project's layout; the window must be in the
  // main window already, so that its frame is known.
  void PlaceWindow();
  bool Destroying() const { return destroying_; }
  // From now on the fields commit nothing: the window is about to go.
  void BeginDestroy() { destroying_ = true; }

 protected:
  void resizeEvent(QResizeEvent* e) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void BuildRow(QWidget* area, int i);
  ReportRenderer Renderer() const;
  int SnappedClientHeight(int client) const;
  void Highlight(int row);
  QWidget* FocusControl(int row) const;

  std::unique_ptr<SheetModel> model_;
  std::vector<RowControls> rows_;  // index 0 unused
  bool snapping_ = false;
  bool destroying_ = false;
};

}  // namespace solmon::ui
