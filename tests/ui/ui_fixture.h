#pragma once
// A main window over a defaults project in a temporary program folder, with
// every dialog answered by script.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

#include "../support/sample_project.h"
#include "core/files/project_file.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/solmon_app.h"
#include "ui/sheets/input_form.h"

namespace solmon::ui::testing {

class ScriptedPrompts : public QtPrompts {
 public:
  MessageButton ShowMessageBox(const std::string& text, int kind, bool beep) override {
    messages.push_back(text);
    kinds.push_back(kind);
    if (beep) ++beeps;
    if (answers.empty()) return MessageBoxKindOf(kind).buttons.front();
    const MessageButton b = answers.front();
    answers.pop_front();
    return b;
  }
  bool AskYesNo(const std::string& caption, const std::string& text) override {
    messages.push_back(caption + ": " + text);
    return yesNo;
  }
  void ErrorDialog(const QString& text) override { errors.push_back(text.toStdString()); }
  QString ChooseOpenFile(const QString&, const QString&) override { return Next(); }
  QString ChooseSaveFile(const QString&, const QString&, const QString&) override {
    return Next();
  }
  QStringList ChooseOpenFiles(const QString&, const QString&) override {
    if (fileLists.empty()) return {};
    const QStringList f = fileLists.front();
    fileLists.pop_front();
    return f;
  }
  bool OpenDocument(const QUrl& url) override {
    opened.push_back(url);
    return openResult;
  }
  void ShowAbout() override { ++abouts; }
  void Beep() override { ++beeps; }

  QString Next() {
    if (files.empty()) return {};
    const QString f = files.front();
    files.pop_front();
    return f;
  }

  std::deque<MessageButton> answers;
  std::deque<QString> files;
  std::deque<QStringList> fileLists;
  std::vector<std::string> messages;
  std::vector<int> kinds;
  std::vector<std::string> errors;
  std::vector<QUrl> opened;
  bool yesNo = true;
  bool openResult = true;
  int beeps = 0;
  int abouts = 0;
};

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    programDir = dir.path() + "/";
    ProjectState seed;
    solmon::testing::FillSampleProject(seed);
    seed.SheetKind = {0, 2, 1, 0};
    for (int w = 1; w <= 3; ++w) seed.SheetRects[w] = {short(20 * w), short(20 * w), 560, 400};
    WriteProject(seed, (programDir + kDefaultsFile).toStdString());
  }
  void TearDown() override { app.reset(); }

  // The main window started on `project` (empty: the defaults project).
  TSOLMONApp& StartApp(const QString& project = {}) {
    app = std::make_unique<TSOLMONApp>(state, prompts, programDir);
    app->TickCount = [this] { return tick; };
    EXPECT_TRUE(app->Start(project));
    app->resize(1200, 900);
    app->show();
    QApplication::processEvents();
    return *app;
  }
  TInputForm& Sheet(int w) {
    TInputForm* f = app->Sheet(w);
    EXPECT_NE(f, nullptr) << "no sheet " << w;
    return *f;
  }
  TMyEdit* Field(int w, int row) { return Sheet(w).Controls(row).Edit; }
  QString Path(const QString& name) const { return programDir + name; }
  static void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }

  QTemporaryDir dir;
  QString programDir;
  ProjectState state;
  ScriptedPrompts prompts;
  std::unique_ptr<TSOLMONApp> app;
  std::uint32_t tick = 100'000;
};

}  // namespace solmon::ui::testing
