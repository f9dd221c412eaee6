#include "ui/app/qt_prompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace solmon::ui {

namespace {

QMessageBox::StandardButton ToQt(MessageButton b) {
  switch (b) {
    case MessageButton::OK: return QMessageBox::Ok;
    case MessageButton::Cancel: return QMessageBox::Cancel;
    case MessageButton::Yes: return QMessageBox::Yes;
    case MessageButton::No: return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

}  // namespace

MessageButton QtPrompts::ShowMessageBox(const std::string& text, int kind, bool beep) {
  const MessageBoxKind& k = MessageBoxKindOf(kind);
  if (beep) Beep();
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(k.caption),
                  QString::fromStdString(text), QMessageBox::NoButton, parent_);
  for (MessageButton b : k.buttons) box.addButton(ToQt(b));
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (MessageButton b : k.buttons)
    if (clicked && clicked == box.button(ToQt(b))) return b;
  // Closed with Escape or the close box: the cancelling answer.
  for (MessageButton b : {MessageButton::Cancel, MessageButton::No})
    for (MessageButton have : k.buttons)
      if (have == b) return b;
  return k.buttons.front();
}

bool QtPrompts::AskYesNo(const std::string& caption, const std::string& text) {
  return QMessageBox::question(parent_, QString::fromStdString(caption),
                               QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void QtPrompts::CalculationMessage(const std::string& text) {
  PendingCalculationMessages << QString::fromStdString(text);
}

void QtPrompts::ShowCalculationMessages() {
  if (PendingCalculationMessages.isEmpty()) return;
  const QString text = PendingCalculationMessages.join("\n\n");
  PendingCalculationMessages.clear();
  ShowMessageBox(text.toStdString(), 1, false);
}

bool QtPrompts::AskMultiLocationOptions(MultiLocationOptions& options) {
  return MultiLocationDialog && MultiLocationDialog(options);
}

void QtPrompts::ErrorDialog(const QString& text) {
  QMessageBox::critical(parent_, "Error", text, QMessageBox::Ok);
}

QString QtPrompts::ChooseOpenFile(const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(parent_, title, QString(), filter, nullptr,
                                      QFileDialog::ReadOnly);
}

QString QtPrompts::ChooseSaveFile(const QString& title, const QString& filter,
                                  const QString& defaultSuffix) {
  QFileDialog dlg(parent_, title, QString(), filter);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setFileMode(QFileDialog::AnyFile);
  dlg.setDefaultSuffix(defaultSuffix);
  dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
  return dlg.selectedFiles().front();
}

QStringList QtPrompts::ChooseOpenFiles(const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileNames(parent_, title, QString(), filter);
}

void QtPrompts::ShowAbout() {
  QMessageBox::about(parent_, "About Solmon",
                     "<b>Solmon</b> 5.80<br><br>Design of solar heating systems: monthly "
                     "estimates of solar and auxiliary energy and life-cycle economics.");
}

bool QtPrompts::OpenDocument(const QUrl& url) { return QDesktopServices::openUrl(url); }

void QtPrompts::Beep() { QApplication::beep(); }

}  // namespace solmon::ui
