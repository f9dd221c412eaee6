// The main window: start-up, the File menu with its recent files, kinds
// creating and destroying sheets, menus and their enabling rules.

#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QTest>

#include "ui_fixture.h"

namespace solmon::ui {
namespace {

using testing::UiTest;

QByteArray Bytes(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

QStringList Texts(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* a : actions) out << (a->isSeparator() ? "-" : a->text());
  return out;
}

class MainWindowTest : public UiTest {};

TEST_F(MainWindowTest, FirstStartShowsTheDefaultSheetsAndTheFixedFileMenu) {
  StartApp();
  EXPECT_EQ(app->windowTitle(), "Solmon");
  EXPECT_EQ(Texts(app->FileMenu->actions()),
            (QStringList{"&Open", "Save", "&Save as", "-", "&Print", "Printer Set&up", "-",
                         "E&xit", "-"}));
  ASSERT_NE(app->Sheet(1), nullptr);
  ASSERT_NE(app->Sheet(2), nullptr);
  EXPECT_EQ(app->Sheet(3), nullptr);
  EXPECT_EQ(app->MdiArea()->activeSubWindow(), app->Sheet(1));
  EXPECT_EQ(app->FileName, Path(kDefaultsFile));
  EXPECT_FALSE(app->PrintItem->isEnabled());
  EXPECT_TRUE(app->SelectLocationItem->isEnabled());
  EXPECT_EQ(Texts(app->EditMenu->actions()),
            (QStringList{"Cu&t", "&Copy", "&Paste", "-", "&Monthly", "-", "Copy &Window"}));
  EXPECT_EQ(app->CalculateItem->shortcut(), QKeySequence("F2"));
  EXPECT_EQ(app->CopyWindowItem->shortcut(), QKeySequence("Ctrl+A"));
  EXPECT_EQ(app->SystemItems[9]->text(), "&Active Domestic Hot Water ");
  EXPECT_EQ(app->SystemMenu->actions().front(), app->SystemItems[9]);
  EXPECT_EQ(app->SystemItems[1]->property("HelpContext").toInt(), 401);
}

TEST_F(MainWindowTest, AProjectOnTheCommandLineIsOpenedInstead) {
  ProjectState other;
  solmon::testing::FillSampleProject(other);
  other.SheetKind = {0, 6, 3, 1};
  WriteProject(other, Path("pool.SMN").toStdString());
  StartApp(Path("pool.SMN"));
  EXPECT_EQ(Sheet(1).windowTitle(), "Pool Heating System");
  EXPECT_EQ(Sheet(2).windowTitle(), "Compound Parabolic Concentrator");
  EXPECT_NE(app->Sheet(3), nullptr);
  EXPECT_EQ(app->SaveItem->text(), "Save");
  EXPECT_EQ(app->FileName, Path("pool.SMN"));
}

TEST_F(MainWindowTest, ADamagedDefaultsProjectEndsTheStartWithAMessage) {
  WriteFile(Path(kDefaultsFile), QByteArray("5.80\0", 5));
  app = std::make_unique<TSOLMONApp>(state, prompts, programDir);
  EXPECT_FALSE(app->Start({}));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.kinds[0], 0);
  EXPECT_NE(prompts.messages[0].find("Defaults.SMN"), std::string::npos) << prompts.messages[0];
  EXPECT_NE(prompts.messages[0].find("cannot start without its defaults project"),
            std::string::npos);

  // A missing project named on the command line falls back to the defaults,
  // and without them the start ends too.
  QFile::remove(Path(kDefaultsFile));
  prompts.messages.clear();
  app = std::make_unique<TSOLMONApp>(state, prompts, programDir);
  EXPECT_FALSE(app->Start(Path("none.SMN")));
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_NE(prompts.messages[0].find("none.SMN"), std::string::npos);
  EXPECT_NE(prompts.messages[1].find("Defaults.SMN"), std::string::npos);
}

TEST_F(MainWindowTest, TenSaveAsKeepNineRecentFilesNewestFirst) {
  StartApp();
  for (int i = 1; i <= 10; ++i) {
    prompts.files.push_back(Path(QString("p%1.SMN").arg(i)));
    app->SaveAsClick();
  }
  ASSERT_EQ(app->RecentItems.size(), 9);
  EXPECT_EQ(app->RecentItems.front()->text(), "1. " + Path("p10.SMN"));
  EXPECT_EQ(app->RecentItems.back()->text(), "9. " + Path("p2.SMN"));
  EXPECT_EQ(app->SaveItem->text(), "Save " + Path("p10.SMN"));
  EXPECT_TRUE(Sheet(1).windowTitle().endsWith(" - " + Path("p10.SMN")));
  EXPECT_EQ(Sheet(1).windowTitle().count(" - "), 1);

  app->ExitClick();
  const QByteArray list = Bytes(Path(kRecentListFile));
  EXPECT_TRUE(list.startsWith((Path("p2.SMN") + "\r\n").toUtf8()));
  EXPECT_TRUE(list.endsWith((Path("p10.SMN") + "\r\n").toUtf8()));
  EXPECT_EQ(list.count("\r\n"), 9);
}

TEST_F(MainWindowTest, TheRecentListIsReadAtStartAndAMissingFileIsDropped) {
  WriteFile(Path(kRecentListFile),
            (Path("gone.SMN") + "\r\n" + Path(kDefaultsFile) + "\r\n").toUtf8());
  StartApp();
  ASSERT_EQ(app->RecentItems.size(), 2);
  EXPECT_EQ(app->RecentItems[1]->text(), "2. " + Path("gone.SMN"));
  app->RecentItems[1]->trigger();
  EXPECT_EQ(prompts.messages.back(), (Path("gone.SMN") + " no longer exists.").toStdString());
  EXPECT_EQ(app->FileNameList, QStringList{Path(kDefaultsFile)});
  ASSERT_EQ(app->RecentItems.size(), 1);
  app->RecentItems[0]->trigger();
  EXPECT_EQ(app->SaveItem->text(), "Save " + Path(kDefaultsFile));
}

TEST_F(MainWindowTest, SaveOnTheDefaultsProjectAsksFirst) {
  StartApp();
  const QByteArray before = Bytes(Path(kDefaultsFile));
  Field(1, 5)->setText("75");
  ASSERT_TRUE(Field(1, 5)->GetValue());
  prompts.answers = {MessageButton::Cancel};
  app->SaveClick();
  EXPECT_EQ(prompts.messages.back(), "Save the current parameters in the default file?");
  EXPECT_EQ(prompts.kinds.back(), 6);
  EXPECT_EQ(Bytes(Path(kDefaultsFile)), before);
  prompts.answers = {MessageButton::OK};
  app->SaveClick();
  EXPECT_NE(Bytes(Path(kDefaultsFile)), before);
  EXPECT_FALSE(state.Modified);
}

TEST_F(MainWindowTest, OpenAndSaveRoundTripAProject) {
  StartApp();
  Field(1, 3)->setText("321");
  ASSERT_TRUE(Field(1, 3)->GetValue());
  prompts.files = {Path("house.SMN")};
  app->SaveAsClick();
  app->ChooseSystem(7);
  // The changed project is not dropped unasked: Cancel keeps it.
  prompts.files = {Path("house.SMN")};
  prompts.answers = {MessageButton::Cancel};
  app->OpenClick();
  EXPECT_EQ(prompts.messages.back(), "Do you wish to save your current parameter file?");
  EXPECT_EQ(state.SheetKind[1], 7);
  prompts.files = {Path("house.SMN")};
  prompts.answers = {MessageButton::No};
  app->OpenClick();
  EXPECT_EQ(state.SheetKind[1], 2);
  EXPECT_FALSE(state.Modified);
  EXPECT_EQ(Field(1, 3)->text(), "321");
  EXPECT_EQ(app->SaveItem->text(), "Save " + Path("house.SMN"));
  EXPECT_EQ(app->FileNameList.back(), Path("house.SMN"));

  // A file that cannot be read leaves the open project as it was.
  WriteFile(Path("bad.SMN"), "garbage");
  prompts.files = {Path("bad.SMN")};
  app->OpenClick();
  EXPECT_EQ(prompts.kinds.back(), 0);
  EXPECT_EQ(app->FileName, Path("house.SMN"));
  EXPECT_EQ(Field(1, 3)->text(), "321");
}

TEST_F(MainWindowTest, SystemKindsCreateAndDestroyTheCollectorSheet) {
  StartApp();
  app->ChooseSystem(4);
  EXPECT_EQ(app->Sheet(2), nullptr);
  EXPECT_EQ(state.SheetKind[2], 0);
  EXPECT_FALSE(app->CollectorMenu->isEnabled());
  app->ChooseSystem(1);
  ASSERT_NE(app->Sheet(2), nullptr);
  EXPECT_EQ(Sheet(2).windowTitle(), "Flat-Plate Collector");
  EXPECT_TRUE(app->CollectorMenu->isEnabled());
  app->ChooseSystem(4);
  EXPECT_EQ(app->Sheet(2), nullptr);
  prompts.files = {Path("direct.SMN")};
  app->SaveAsClick();
  prompts.files = {Path("direct.SMN")};
  app->OpenClick();
  EXPECT_EQ(app->Sheet(2), nullptr);
  EXPECT_EQ(Sheet(1).windowTitle(), "Passive Direct-Gain System");
  app->SystemMenuOpened();
  EXPECT_TRUE(app->SystemItems[4]->isChecked());
  EXPECT_FALSE(app->SystemItems[1]->isChecked());
}

TEST_F(MainWindowTest, EconomicsOnAndOff) {
  StartApp();
  app->PreferencesMenuOpened();
  EXPECT_TRUE(app->EconomicsOffItem->isChecked());
  EXPECT_TRUE(app->SIUnitsItem->isChecked());
  app->EconomicsOn();
  ASSERT_NE(app->Sheet(3), nullptr);
  EXPECT_EQ(state.SheetKind[3], 1);
  EXPECT_EQ(app->MdiArea()->activeSubWindow(), app->Sheet(3));
  app->PreferencesMenuOpened();
  EXPECT_TRUE(app->EconomicsOnItem->isChecked());
  app->EconomicsOff();
  EXPECT_EQ(app->Sheet(3), nullptr);
  EXPECT_EQ(state.SheetKind[3], 0);
}

TEST_F(MainWindowTest, ARejectedValueStopsCalculateAndTheWindowMenu) {
  StartApp();
  QApplication::setActiveWindow(app.get());
  TMyEdit* eff = Field(1, 5);
  eff->setFocus(Qt::MouseFocusReason);
  eff->setText("150");
  EXPECT_FALSE(eff->GetValue());
  ASSERT_EQ(prompts.errors.size(), 1u);
  ASSERT_EQ(app->ActiveEdit, eff);
  tick += 300;
  app->CalculateClick();
  EXPECT_EQ(app->Child(kThermalWindow), nullptr);
  EXPECT_EQ(app->ActiveEdit, eff);
  EXPECT_EQ(prompts.errors.size(), 1u);
  tick += 2000;  // later the message comes again, and the menu does not act
  EXPECT_FALSE(app->WindowMenuOpened());
  EXPECT_EQ(prompts.errors.size(), 2u);
  EXPECT_EQ(app->MdiArea()->activeSubWindow(), app->Sheet(1));
  EXPECT_TRUE(eff->hasFocus());
}

TEST_F(MainWindowTest, ARejectedValueLeftBehindStillStopsCalculate) {
  StartApp();
  QApplication::setActiveWindow(app.get());
  TMyEdit* eff = Field(1, 5);
  eff->setFocus(Qt::MouseFocusReason);
  eff->setText("150");
  QTest::keyClick(eff, Qt::Key_Tab);
  ASSERT_EQ(prompts.errors.size(), 1u);
  tick += 300;  // tabbed away again at once: the focus moves on, the text stays
  QTest::keyClick(eff, Qt::Key_Tab);
  TMyEdit* ua = Field(1, 3);
  ua->setFocus(Qt::MouseFocusReason);
  ASSERT_EQ(app->ActiveEdit, ua);
  ASSERT_EQ(eff->text(), "150");
  tick += 2000;
  app->CalculateClick();
  EXPECT_EQ(app->Child(kThermalWindow), nullptr);
  EXPECT_EQ(prompts.errors.size(), 2u);
  EXPECT_TRUE(eff->hasFocus());
  EXPECT_FALSE(app->WindowMenuOpened());
  eff->setText("80");
  tick += 2000;
  ASSERT_TRUE(eff->GetValue());

  // A row greyed since takes no part in the run: its rejected text stops nothing.
  TInputForm& f = Sheet(1);
  f.Controls(11).Toggle->setCurrentIndex(0);  // "Pipe heat loss": Yes
  emit f.Controls(11).Toggle->activated(0);
  TMyEdit* inlet = Field(1, 12);
  inlet->setFocus(Qt::MouseFocusReason);
  inlet->setText("-1");
  EXPECT_FALSE(inlet->GetValue());
  f.Controls(11).Toggle->setCurrentIndex(1);
  emit f.Controls(11).Toggle->activated(1);
  ASSERT_FALSE(inlet->isEnabled());
  app->CalculateClick();
  EXPECT_NE(app->Child(kThermalWindow), nullptr);
  EXPECT_EQ(prompts.errors.size(), 3u);
}

TEST_F(MainWindowTest, CommandsTakeTheValueBeingTyped) {
  StartApp();
  QApplication::setActiveWindow(app.get());
  prompts.files = {Path("typed.SMN")};
  TMyEdit* ua = Field(1, 3);
  ua->setFocus(Qt::MouseFocusReason);
  ua->setText("345");  // no focus change before the command
  app->SaveAsClick();
  EXPECT_EQ(state.ParamValue(1, 2, 3), 345);
  EXPECT_FALSE(state.Modified);
  ProjectState saved;
  ReadProject(saved, Path("typed.SMN").toStdString());
  EXPECT_EQ(saved.ParamValue(1, 2, 3), 345);

  // A rejected value is not saved, and the field says why.
  ua->setFocus(Qt::MouseFocusReason);
  ua->setText("-5");
  tick += 2000;
  const QByteArray before = Bytes(Path("typed.SMN"));
  app->SaveClick();
  EXPECT_EQ(prompts.errors.size(), 1u);
  EXPECT_EQ(Bytes(Path("typed.SMN")), before);
  // Nor does a kind change drop it.
  tick += 2000;
  app->ChooseSystem(9);
  EXPECT_TRUE(Sheet(1).windowTitle().startsWith("Water Storage House Heating System"));
  EXPECT_EQ(prompts.errors.size(), 2u);
  ua->setText("346");
  app->ChooseSystem(9);
  EXPECT_EQ(state.ParamValue(1, 2, 3), 346);
  EXPECT_EQ(state.SheetKind[1], 9);
}

TEST_F(MainWindowTest, EditMenuFollowsTheFocusedField) {
  StartApp();
  QApplication::setActiveWindow(app.get());
  TMyEdit* usage = Field(1, 7);
  usage->setFocus(Qt::MouseFocusReason);
  usage->selectAll();
  app->EditMenuOpened();
  EXPECT_TRUE(app->CutItem->isEnabled());
  EXPECT_TRUE(app->CopyItem->isEnabled());
  EXPECT_TRUE(app->MonthlyItem->isEnabled());
  EXPECT_TRUE(app->CopyWindowItem->isEnabled());
  Field(1, 2)->setFocus(Qt::MouseFocusReason);  // single-valued: no monthly values
  Field(1, 2)->deselect();
  app->EditMenuOpened();
  EXPECT_FALSE(app->MonthlyItem->isEnabled());
  EXPECT_FALSE(app->CutItem->isEnabled());
  Sheet(1).Controls(4).Toggle->setFocus(Qt::MouseFocusReason);
  app->EditMenuOpened();
  EXPECT_FALSE(app->CopyItem->isEnabled());
  EXPECT_FALSE(app->PasteItem->isEnabled());
  EXPECT_TRUE(app->CopyWindowItem->isEnabled());
}

TEST_F(MainWindowTest, ExitAsksToSaveAModifiedProject) {
  StartApp();
  Field(1, 3)->setText("123");
  ASSERT_TRUE(Field(1, 3)->GetValue());
  prompts.answers = {MessageButton::Cancel};
  app->ExitClick();
  EXPECT_EQ(prompts.messages.back(), "Do you wish to save your current parameter file?");
  EXPECT_TRUE(app->isVisible());
  EXPECT_FALSE(QFile::exists(Path(kRecentListFile)));
  prompts.answers = {MessageButton::Cancel};  // the close box asks too
  app->close();
  EXPECT_TRUE(app->isVisible());
  prompts.answers = {MessageButton::Yes};  // then the save dialog is cancelled
  app->ExitClick();
  EXPECT_TRUE(app->isVisible());
  prompts.answers = {MessageButton::No};
  app->ExitClick();
  EXPECT_FALSE(app->isVisible());
  EXPECT_TRUE(QFile::exists(Path(kRecentListFile)));
}

TEST_F(MainWindowTest, HelpOpensTheBundledDocumentsOrSaysWhatIsMissing) {
  StartApp();
  app->ManualClick();
  EXPECT_EQ(prompts.messages.back(),
            ("The " + Path(kManualFile) + " file was not found.").toStdString());
  WriteFile(Path(kManualFile), "%PDF-1.4\n");
  app->ManualClick();
  ASSERT_EQ(prompts.opened.size(), 1u);
  EXPECT_EQ(prompts.opened[0].toLocalFile(), Path(kManualFile));
  prompts.openResult = false;
  app->ManualClick();
  EXPECT_EQ(prompts.messages.back(), "Error while loading Solmon_Manual.PDF file");
  app->ShowHelpTopic(1005);  // no help file: nothing happens, nothing fails
  EXPECT_EQ(prompts.opened.size(), 2u);
  app->HelpIndexClick();
  EXPECT_EQ(prompts.messages.back(),
            ("The " + Path(kHelpFile) + " file was not found.").toStdString());

  WriteFile(Path(kHelpFile), "<html></html>");
  app->HelpIndexClick();
  EXPECT_EQ(prompts.opened.back().toLocalFile(), Path(kHelpFile));
  app->ShowHelpTopic(701);
  EXPECT_EQ(prompts.opened.back().fragment(), "topic701");
}

}  // namespace
}  // namespace solmon::ui
