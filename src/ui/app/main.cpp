// solmon: the desktop program. An optional argument names a project to open
// instead of the defaults project; --no-about skips the About box.

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include "core/model/project_state.h"
#include "ui/app/app_icon.h"
#include "ui/app/qt_prompts.h"
#include "ui/app/solmon_app.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Solmon");
  QApplication::setWindowIcon(solmon::ui::SolmonIcon());
  bool about = true;
  QString project;
  const QStringList args = QApplication::arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--no-about")
      about = false;
    else if (project.isEmpty())
      project = args[i];
  }
  const QString programDir = QDir(QApplication::applicationDirPath()).absolutePath() + "/";

  solmon::ProjectState state;
  solmon::ui::QtPrompts prompts;
  solmon::ui::TSOLMONApp window(state, prompts, programDir);
  if (!window.Start(project)) return 1;
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.setGeometry(screen->availableGeometry());
  window.showMaximized();
  if (about) prompts.ShowAbout();
  return QApplication::exec();
}
