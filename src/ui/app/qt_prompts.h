#pragma once
// Every modal question and message of the desktop program. Tests replace it
// with scripted answers.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "core/model/user_prompts.h"

class QWidget;
class QUrl;

namespace solmon::ui {

class QtPrompts : public UserPrompts {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }

  // The message boxes of kinds 0..7 (no icon).
  MessageButton ShowMessageBox(const std::string& text, int kind, bool beep) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  // Collected during a run and shown by ShowCalculationMessages afterwards.
  void CalculationMessage(const std::string& text) override;

  // Runs over every location of a weather file ask MultiLocationDialog
  // ("Output from Multiple City Calculation"); without it the run is cancelled.
  bool AskMultiLocationOptions(MultiLocationOptions& options) override;
  std::function<bool(MultiLocationOptions&)> MultiLocationDialog;

  // The rejection of a typed value: caption "Error", error icon, OK.
  virtual void ErrorDialog(const QString& text);
  // The standard file dialogs; an empty result means Cancel.
  virtual QString ChooseOpenFile(const QString& title, const QString& filter);
  virtual QString ChooseSaveFile(const QString& title, const QString& filter,
                                 const QString& defaultSuffix);
  // Several existing files at once; empty means Cancel.
  virtual QStringList ChooseOpenFiles(const QString& title, const QString& filter);
  virtual void ShowAbout();
  // Opens a document in the desktop's viewer for its type; false on failure.
  virtual bool OpenDocument(const QUrl& url);
  virtual void Beep();

  // The messages collected since the last call, in one dialog.
  void ShowCalculationMessages();
  QStringList PendingCalculationMessages;

 protected:
  QWidget* parent_ = nullptr;
};

}  // namespace solmon::ui
