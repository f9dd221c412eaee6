#include "ui/sheets/input_form.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QFontMetrics>
#include <cmath>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include "core/report/sheet_report.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/screen_scale.h"
#include "ui/app/solmon_app.h"
#include "ui/sheets/monthly_dlg.h"

namespace solmon::ui {

namespace {

constexpr int kRowHeight = 25;
constexpr int kClientWidth = 550;

void SetBackground(QWidget* w, const QColor& color) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, color);
  w->setPalette(p);
}

// Focus changes that move the focus within the program; a menu, a dialog or
// another application taking it leaves the field as it is.
bool CommitsOnFocusLoss(Qt::FocusReason reason) {
  switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason: return true;
    default: return false;
  }
}

// F1, Up and Down in a field or choice box; true when handled.
bool SheetKey(TInputForm* form, int helpNo, QKeyEvent* e) {
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  switch (e->key()) {
    case Qt::Key_F1: form->ShowHelp(helpNo); return true;
    case Qt::Key_Down: form->MoveFocus(true); return true;
    case Qt::Key_Up: form->MoveFocus(false); return true;
    default: return false;
  }
}

}  // namespace

// ---- TMyEdit ------------------------------------------------------------

TMyEdit::TMyEdit(TInputForm* form, int itemNo, QWidget* parent)
    : QLineEdit(parent), ItemNo(itemNo), W(form->W()), form_(form) {
  setFont(SansSerifPixels(13));
}

SheetRow& TMyEdit::Info() const { return form_->Model().Row(ItemNo); }

bool TMyEdit::GetValue() { return form_->CommitField(this); }

bool TMyEdit::event(QEvent* e) {
  // Ctrl+A is the main window's Copy Window, not select-all.
  if (e->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(e)->matches(QKeySequence::SelectAll)) {
    e->ignore();
    return true;
  }
  return QLineEdit::event(e);
}

void TMyEdit::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  if (form_) form_->FieldFocused(ItemNo, true);
}

void TMyEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (form_ && CommitsOnFocusLoss(e->reason()) && !form_->Destroying()) GetValue();
}

void TMyEdit::mousePressEvent(QMouseEvent* e) {
  const SheetRow& r = Info();
  if (r.Kind == RowKind::Location) {
    setFocus(Qt::MouseFocusReason);
    form_->App()->SelectLocationClick();
    selectAll();
    return;
  }
  if (r.Kind == RowKind::Numeric && r.IsMonthly && isEnabled()) {
    setFocus(Qt::MouseFocusReason);
    form_->OpenMonthly(this);
    return;
  }
  QLineEdit::mousePressEvent(e);
}

void TMyEdit::keyPressEvent(QKeyEvent* e) {
  if (!SheetKey(form_, Info().HelpNo, e)) QLineEdit::keyPressEvent(e);
}

// ---- TToggle ------------------------------------------------------------

TToggle::TToggle(TInputForm* form, int itemNo, QWidget* parent)
    : QComboBox(parent), ItemNo(itemNo), W(form->W()), form_(form) {
  setEditable(false);
  setFocusPolicy(Qt::StrongFocus);
  setFont(SansSerifPixels(13));
  for (const std::string& item : ChoiceItems(Info().Code)) addItem(QString::fromStdString(item));
  connect(this, &QComboBox::activated, this, [this](int) { GetValue(); });
}

SheetRow& TToggle::Info() const { return form_->Model().Row(ItemNo); }

void TToggle::GetValue() { form_->ChoiceChanged(ItemNo, currentIndex()); }

void TToggle::focusInEvent(QFocusEvent* e) {
  QComboBox::focusInEvent(e);
  if (form_) form_->FieldFocused(ItemNo, false);
}

void TToggle::keyPressEvent(QKeyEvent* e) {
  if (!SheetKey(form_, Info().HelpNo, e)) QComboBox::keyPressEvent(e);
}

// ---- TUnitL, TCaptionLabel ------------------------------------------------

TUnitL::TUnitL(int unitNo, QWidget* parent)
    : QLabel(parent), UnitNo(unitNo), UnitText(UnitEntry(unitNo)) {
  setFont(SansSerifPoints(10));
  QPalette p = palette();
  p.setColor(QPalette::WindowText, Qt::blue);
  setPalette(p);
}

TCaptionLabel::TCaptionLabel(TInputForm* form, int tag, QWidget* parent)
    : QLabel(parent), Tag(tag), form_(form) {
  setAutoFillBackground(true);
  SetBackground(this, Qt::white);
  setFont(SansSerifPixels(14));
}

void TCaptionLabel::mousePressEvent(QMouseEvent* e) {
  QLabel::mousePressEvent(e);
  form_->HandleClick(Tag);
}

// ---- TInputForm -----------------------------------------------------------

TInputForm::TInputForm(TSOLMONApp* app) : TGForm(app, app->CreatingWindow) {
  model_ = std::make_unique<SheetModel>(app->State(), Tag());
  setWindowTitle(QString::fromStdString(model_->Title()));
  ScrollBox = new QScrollArea;
  ScrollBox->setFrameShape(QFrame::NoFrame);
  ScrollBox->setAutoFillBackground(true);
  SetBackground(ScrollBox, Qt::white);
  auto* area = new QWidget;
  area->setAutoFillBackground(true);
  SetBackground(area, Qt::white);
  rows_.resize(NInfo() + 1);
  for (int i = 1; i <= NInfo(); ++i) BuildRow(area, i);
  area->setFixedSize(Px(530), Px(kRowHeight * NInfo() + 2));
  ScrollBox->setWidget(area);
  setWidget(ScrollBox);
  RefreshRows();
}

TInputForm::~TInputForm() {
  destroying_ = true;
  App()->FormDestroyed(this);
  // The controls outlive this part of the window by a moment: the focus may
  // still move while the frame takes them down.
  for (RowControls& c : rows_) {
    if (c.Edit) c.Edit->Detach();
    if (c.Toggle) c.Toggle->Detach();
  }
}

void TInputForm::BuildRow(QWidget* area, int i) {
  const SheetRow& r = model_->Row(i);
  RowControls& c = rows_[i];
  const int top = kRowHeight * i;
  c.Caption = new TCaptionLabel(this, r.Kind == RowKind::Choice ? -i : i, area);
  c.Caption->setText(QString::fromStdString(r.Caption));
  c.Caption->setGeometry(Px(10), Px(top - 22), Px(300), Px(20));
  int left = 320, width = 100;
  if (W() == kSystemWindow && i == 1) {
    left -= 80;
    width = 180;
  }
  c.Edit = new TMyEdit(this, i, area);
  c.Edit->setGeometry(Px(left), Px(top - 25), Px(width), Px(23));
  if (r.Kind == RowKind::Location) c.Edit->setReadOnly(true);
  if (r.Kind == RowKind::Choice) {
    c.Edit->hide();
    c.Toggle = new TToggle(this, i, area);
    c.Toggle->setGeometry(Px(left), Px(top - 25), Px(width + 2), Px(23));
  }
  c.UnitL = new TUnitL(r.UnitNo, area);
  c.UnitL->setGeometry(Px(left + width + 5), Px(top - 22), Px(100), Px(20));
}

void TInputForm::PlaceWindow() {
  const ProjectState& s = App()->State();
  const SheetRect& rect = s.SheetRects[W()];
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int screenHeight =
      screen ? static_cast<int>(screen->availableGeometry().height() / ScreenScale()) : 768;
  int height = 26 * NInfo();
  do {
    height -= kRowHeight;
  } while (height > kRowHeight && rect.Top + height + 125 > screenHeight);
  int client = Px(height + 27);
  if (rect.Bottom > rect.Top) {
    const QMargins m = contentsMargins();
    client = Px(rect.Bottom - rect.Top) - m.top() - m.bottom();
  }
  snapping_ = true;
  SetClientSize(Px(kClientWidth), SnappedClientHeight(client));
  move(Px(rect.Left), Px(rect.Top));
  snapping_ = false;
}

int TInputForm::SnappedClientHeight(int client) const {
  const QScrollBar* bar = ScrollBox ? ScrollBox->horizontalScrollBar() : nullptr;
  const int barHeight = bar && bar->isVisible() ? bar->height() : 0;
  const int row = Px(kRowHeight);
  return std::max(row, (client - barHeight) / row * row) + 2 + barHeight;
}

void TInputForm::resizeEvent(QResizeEvent* e) {
  TGForm::resizeEvent(e);
  if (snapping_ || !ScrollBox) return;
  // The height snaps to whole rows once the resize is over.
  snapping_ = true;
  QTimer::singleShot(0, this, [this] {
    snapping_ = false;
    const int client = ClientSize().height();
    const int snapped = SnappedClientHeight(client);
    if (snapped == client) return;
    snapping_ = true;
    SetClientSize(ClientSize().width(), snapped);
    snapping_ = false;
  });
}

void TInputForm::RefreshRows() {
  const int units = model_->Units();
  for (int i = 1; i <= NInfo(); ++i) {
    const SheetRow& r = model_->Row(i);
    RowControls& c = rows_[i];
    if (r.Kind == RowKind::Choice) {
      const QSignalBlocker block(c.Toggle);
      c.Toggle->setCurrentIndex(r.Selection);
      c.Toggle->setEnabled(r.ChoiceEnabled);
    } else {
      const QString text = QString::fromStdString(r.Text);
      if (c.Edit->text() != text) c.Edit->setText(text);
      c.Edit->setReadOnly(r.Kind == RowKind::Location || (r.IsMonthly && r.EXNo > 0));
      c.Edit->setEnabled(r.EditEnabled);
    }
    c.Caption->setEnabled(r.Enabled());
    c.UnitL->setEnabled(r.Enabled());
    c.UnitL->ShowUnits(units);
  }
}

void TInputForm::RefreshLocation() {
  model_->RefreshLocation();
  RefreshRows();
}

void TInputForm::Highlight(int row) {
  for (int i = 1; i <= NInfo(); ++i)
    SetBackground(rows_[i].Caption, i == row ? QColor(Qt::yellow) : QColor(Qt::white));
}

void TInputForm::FieldFocused(int row, bool isEdit) {
  TSOLMONApp* app = App();
  if (isEdit) {
    app->ActiveEdit = rows_[row].Edit;
    const SheetRow& r = model_->Row(row);
    if (app->MonthlyDlg) {
      app->MonthlyDlg->SetCaption = QString::fromStdString(r.Caption);
      app->MonthlyDlg->SetUnits = QString::fromStdString(r.UnitName(model_->Units()));
    }
  } else {
    app->ActiveEdit = nullptr;
  }
  Highlight(row);
}

bool TInputForm::CommitField(TMyEdit* edit) {
  if (destroying_) return true;
  SheetModel& m = *model_;
  const int row = edit->ItemNo;
  m.Row(row).Text = edit->text().toStdString();
  switch (m.GetValue(row, App()->TickCount())) {
    case CommitOutcome::Rejected: {
      QtPrompts& prompts = App()->Prompts();
      edit->selectAll();
      prompts.Beep();
      prompts.ErrorDialog(QString::fromStdString(App()->State().ErrorMessage));
      edit->setFocus(Qt::OtherFocusReason);
      m.MarkRejected(row, App()->TickCount());
      return false;
    }
    case CommitOutcome::Swallowed: return false;
    default: return true;
  }
}

void TInputForm::ChoiceChanged(int row, int selection) {
  model_->ChoiceChanged(row, selection);
  RefreshRows();
}

TMyEdit* TInputForm::RejectedField() const {
  for (int i = 1; i <= NInfo(); ++i)
    if (const SheetRow& r = model_->Row(i);
        r.Kind == RowKind::Numeric && r.HasError && r.EditEnabled)
      return rows_[i].Edit;
  return nullptr;
}

void TInputForm::HandleClick(int tag) {
  if (tag > 0) {
    TMyEdit* e = rows_.at(tag).Edit;
    if (!e->isEnabled() || e->isHidden()) return;
    e->setFocus(Qt::MouseFocusReason);
    e->deselect();
    e->end(false);
  } else if (tag < 0) {
    TToggle* t = rows_.at(-tag).Toggle;
    if (t && t->isEnabled()) t->setFocus(Qt::MouseFocusReason);
  }
}

QWidget* TInputForm::FocusControl(int row) const {
  const RowControls& c = rows_[row];
  return c.Toggle ? static_cast<QWidget*>(c.Toggle) : c.Edit;
}

void TInputForm::MoveFocus(bool forward) {
  const int n = NInfo();
  int current = 0;
  for (int i = 1; i <= n; ++i)
    if (FocusControl(i)->hasFocus()) current = i;
  for (int step = 1; step <= n; ++step) {
    int i = current + (forward ? step : -step);
    i = ((i - 1) % n + n) % n + 1;
    QWidget* w = FocusControl(i);
    if (w->isEnabled() && w->isVisibleTo(this)) {
      w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
      return;
    }
  }
}

bool TInputForm::focusNextPrevChild(bool next) {
  MoveFocus(next);
  return true;
}

void TInputForm::ConvertUnits(int oldUnits, int newUnits) {
  model_->ConvertUnits(oldUnits, newUnits);
  RefreshRows();
  update();
}

void TInputForm::FormActivate() {
  TSOLMONApp* app = App();
  setCursor(Qt::ArrowCursor);
  app->ActiveInputForm = this;
  app->ActiveChild = this;
  model_->ApplyAllChoices();
  RefreshRows();
  IsVisible = true;
  // The character metrics a printout of the sheet is laid out with.
  const QFont font = rows_[1].Caption->font();
  app->Output.ScreenFontHeight = static_cast<int>(std::lround(font.pixelSize() / ScreenScale()));
  app->Output.ScreenGWidth =
      static_cast<int>(std::lround(QFontMetrics(font).horizontalAdvance('g') / ScreenScale()));
  app->ActiveEdit = nullptr;
  for (int i = 1; i <= NInfo(); ++i) {
    QWidget* w = FocusControl(i);
    if (w->hasFocus() || focusWidget() == w) {
      Highlight(i);
      if (!rows_[i].Toggle) app->ActiveEdit = rows_[i].Edit;
    }
  }
}

void TInputForm::FormDeactivate() { Highlight(0); }

void TInputForm::OpenMonthly(TMyEdit* edit) {
  TSOLMONApp* app = App();
  if (!app->MonthlyDlg) return;
  const int result = app->MonthlyDlg->Run(edit);
  RefreshRows();
  if (result == TMonthlyDlg::kOK) {
    edit->selectAll();
  } else if (result == TMonthlyDlg::kConstant) {
    TMyEdit* target = rows_.at(app->MonthlyDlg->FocusRow).Edit;
    target->setFocus(Qt::OtherFocusReason);
  }
}

void TInputForm::ShowHelp(int helpNo) { App()->ShowHelpTopic(helpNo); }

ReportRenderer TInputForm::Renderer() const {
  return [this, caption = windowTitle().toStdString()](ReportOutput& out) {
    DisplaySheet(*model_, caption, out);
  };
}

std::string TInputForm::CopyText() const {
  return ReportClipboardText(App()->Output, Renderer()).value_or(std::string());
}

void TInputForm::Print(ReportCanvas& printerCanvas, PrintJobHooks& job) {
  PrintReport(App()->Output, printerCanvas, job, Renderer());
}

void TInputForm::CopyWindow() {
  const std::string text = CopyText();
  if (text.empty()) {
    App()->Prompts().Beep();
    return;
  }
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace solmon::ui
