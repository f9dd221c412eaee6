// The Edit, Preferences, System, Collector, Window and Help menus of the
// main window, and the commit of the active field before a command acts.

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "core/weather/weather_file.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/screen_scale.h"
#include "ui/app/solmon_app.h"
#include "ui/report/output_form.h"
#include "ui/sheets/input_form.h"

namespace solmon::ui {

namespace {

bool HasCollector(int systemKind) {
  return systemKind != 4 && systemKind != 5 && systemKind != 8;
}

}  // namespace

bool TSOLMONApp::CommitEdit(TMyEdit* edit) {
  if (!edit) return true;
  edit->GetValue();
  if (!edit->HasError()) return true;
  edit->Form()->BringToFront();
  edit->setFocus(Qt::OtherFocusReason);
  return false;
}

TMyEdit* TSOLMONApp::RejectedField() const {
  for (int w = 1; w <= 3; ++w)
    if (TInputForm* sheet = Sheet(w))
      if (TMyEdit* e = sheet->RejectedField()) return e;
  return nullptr;
}

bool TSOLMONApp::CommitActiveEdit() {
  // A rejected text the focus left within the one-second rule still stands
  // in its field: no command acts while one does.
  return CommitEdit(ActiveEdit) && CommitEdit(RejectedField());
}

// ---- Edit ---------------------------------------------------------------

void TSOLMONApp::EditMenuOpened() {
  const bool child = ActiveChildForm() != nullptr;
  for (QAction* a : EditMenu->actions()) a->setEnabled(child);
  if (!child) return;
  TMyEdit* e = ActiveEdit;
  const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
  CutItem->setEnabled(e && e->hasSelectedText() && !e->isReadOnly());
  CopyItem->setEnabled(e && e->hasSelectedText());
  PasteItem->setEnabled(e && !e->isReadOnly() && clip && clip->hasText());
  MonthlyItem->setEnabled(e && e->isEnabled() && e->Info().CanBeMonthly);
}

void TSOLMONApp::CutClick() {
  if (ActiveEdit) ActiveEdit->cut();
}

void TSOLMONApp::CopyClick() {
  if (ActiveEdit) ActiveEdit->copy();
}

void TSOLMONApp::PasteClick() {
  if (ActiveEdit) ActiveEdit->paste();
}

void TSOLMONApp::MonthlyClick() {
  TMyEdit* e = ActiveEdit;
  if (e && e->isEnabled() && e->Info().CanBeMonthly) e->Form()->OpenMonthly(e);
}

void TSOLMONApp::CopyWindowClick() {
  TGForm* child = ActiveChildForm();
  if (!child) return;
  if (TInputForm* sheet = qobject_cast<TInputForm*>(child))
    sheet->CopyWindow();
  else if (TOutputForm* report = qobject_cast<TOutputForm*>(child))
    report->CopyWindow();
}

// ---- Preferences ----------------------------------------------------------

void TSOLMONApp::PreferencesMenuOpened() {
  SIUnitsItem->setChecked(s_.UnitSystem == 0);
  EnglishUnitsItem->setChecked(s_.UnitSystem == 1);
  EconomicsOnItem->setChecked(Sheet(kEconomicsWindow) != nullptr);
  EconomicsOffItem->setChecked(Sheet(kEconomicsWindow) == nullptr);
}

void TSOLMONApp::SwitchUnits(int unitSystem) {
  // A typed value is committed first, so that no unchecked text is converted.
  if (!CommitActiveEdit()) return;
  const int old = s_.UnitSystem;
  if (old == unitSystem) return;
  ConvertLocationUnits(s_, old, unitSystem);
  for (int w = 1; w <= 3; ++w)
    if (TInputForm* sheet = Sheet(w)) sheet->ConvertUnits(old, unitSystem);
  s_.UnitSystem = static_cast<std::uint8_t>(unitSystem);
  s_.MarkModified();
  s_.InvalidateResults();
}

void TSOLMONApp::KindsChanged() {
  // Reports of another kind would show old numbers under new headings.
  s_.InvalidateResults();
  s_.MarkModified();
}

void TSOLMONApp::EconomicsOn() {
  if (!CommitActiveEdit()) return;
  if (!Sheet(kEconomicsWindow)) {
    s_.SheetKind[3] = 1;
    CreateSheet(kEconomicsWindow);
    KindsChanged();
  }
  Sheet(kEconomicsWindow)->BringToFront();
}

void TSOLMONApp::EconomicsOff() {
  if (!Sheet(kEconomicsWindow) || !CommitActiveEdit()) return;
  DestroySheet(kEconomicsWindow);
  s_.SheetKind[3] = 0;
  KindsChanged();
}

// ---- System and Collector -------------------------------------------------

void TSOLMONApp::SystemMenuOpened() {
  for (int k = 1; k <= 9; ++k) SystemItems[k]->setChecked(s_.SheetKind[1] == k);
}

void TSOLMONApp::CollectorMenuOpened() {
  CollectorMenu->setEnabled(s_.SheetKind[1] != 8);
  for (int k = 1; k <= 5; ++k) CollectorItems[k]->setChecked(s_.SheetKind[2] == k);
}

void TSOLMONApp::ChooseSystem(int kind) {
  // A value typed on the sheet that is about to go is kept (or corrected) first.
  if (!CommitActiveEdit()) return;
  if (!Sheet(kSystemWindow) || s_.SheetKind[1] != kind) {
    DestroySheet(kSystemWindow);
    s_.SheetKind[1] = static_cast<std::int16_t>(kind);
    CreateSheet(kSystemWindow);
    KindsChanged();
  }
  if (HasCollector(kind)) {
    CollectorMenu->setEnabled(true);
    if (!Sheet(kCollectorWindow)) {
      s_.SheetKind[2] = 1;
      CreateSheet(kCollectorWindow);
      Sheet(kCollectorWindow)->Show();
    }
  } else {
    CollectorMenu->setEnabled(false);
    DestroySheet(kCollectorWindow);
    s_.SheetKind[2] = 0;
  }
  Sheet(kSystemWindow)->BringToFront();
}

void TSOLMONApp::ChooseCollector(int kind) {
  if (!HasCollector(s_.SheetKind[1]) || !CommitActiveEdit()) return;
  if (!Sheet(kCollectorWindow) || s_.SheetKind[2] != kind) {
    DestroySheet(kCollectorWindow);
    s_.SheetKind[2] = static_cast<std::int16_t>(kind);
    CreateSheet(kCollectorWindow);
    KindsChanged();
  }
  Sheet(kCollectorWindow)->BringToFront();
}

// ---- Weather, Run/Plot, Window ------------------------------------------

bool TSOLMONApp::WeatherMenuOpened() { return CommitActiveEdit(); }

bool TSOLMONApp::RunMenuOpened() { return CommitActiveEdit(); }

bool TSOLMONApp::WindowMenuOpened() {
  if (!CommitActiveEdit()) return false;
  CollectorWindowItem->setEnabled(Sheet(kCollectorWindow) && s_.SheetKind[1] != 4);
  EconomicsWindowItem->setEnabled(Sheet(kEconomicsWindow) != nullptr);
  ThermalWindowItem->setEnabled(ChildWindows[kThermalWindow] && s_.ResultsValid);
  EconomicWindowItem->setEnabled(ChildWindows[kEconomicWindow] && s_.ResultsValid);
  return true;
}

void TSOLMONApp::ShowSheetWindow(int w) {
  TGForm* form = ChildWindows.at(w);
  if (!form) return;
  if (w == kCollectorWindow && form->ClientSize().height() < Px(77))
    form->SetClientSize(form->ClientSize().width(), Px(77));
  form->BringToFront();
}

// ---- Help -----------------------------------------------------------------

void TSOLMONApp::ShowHelpTopic(int context) {
  const QString path = programDir_ + kHelpFile;
  if (!QFileInfo::exists(path)) return;
  QUrl url = QUrl::fromLocalFile(path);
  url.setFragment(QString("topic%1").arg(context));
  prompts_.OpenDocument(url);
}

void TSOLMONApp::HelpIndexClick() {
  const QString previous = QDir::currentPath();
  QDir::setCurrent(programDir_);
  const QString path = programDir_ + kHelpFile;
  if (!QFileInfo::exists(path))
    prompts_.ShowMessageBox(("The " + path + " file was not found.").toStdString(), 0, true);
  else
    prompts_.OpenDocument(QUrl::fromLocalFile(path));
  QDir::setCurrent(previous);
}

void TSOLMONApp::ManualClick() {
  const QString path = programDir_ + kManualFile;
  if (!QFileInfo::exists(path)) {
    prompts_.ShowMessageBox(("The " + path + " file was not found.").toStdString(), 0, true);
    return;
  }
  if (!prompts_.OpenDocument(QUrl::fromLocalFile(path)))
    prompts_.ShowMessageBox("Error while loading Solmon_Manual.PDF file", 0, true);
}

}  // namespace solmon::ui
