// Input sheet windows: building every kind, choices greying rows, the commit
// of typed values with its error dialog and one-second rule, unit switches.

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include "../support/report_recorder.h"
#include "ui_fixture.h"

namespace solmon::ui {
namespace {

using testing::UiTest;

class InputFormTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    StartApp();
    QApplication::setActiveWindow(app.get());
  }
  // Types into a field and moves the focus on with Tab.
  void TypeAndTab(TMyEdit* e, const QString& text) {
    e->setFocus(Qt::MouseFocusReason);
    e->selectAll();
    QTest::keyClicks(e, text);
    QTest::keyClick(e, Qt::Key_Tab);
  }
};

TEST_F(InputFormTest, EverySheetKindIsBuiltFromTheCatalogue) {
  for (int kind = 1; kind <= 9; ++kind) {
    app->ChooseSystem(kind);
    TInputForm& f = Sheet(1);
    EXPECT_EQ(f.windowTitle().toStdString(), SheetTitle(1, kind));
    ASSERT_EQ(f.NInfo(), SheetRowCount(1, kind));
    EXPECT_TRUE(f.Controls(1).Edit->isReadOnly());
    EXPECT_EQ(f.Controls(1).Edit->text(), "MADISON WI");
    for (int row = 2; row <= f.NInfo(); ++row) {
      const CatalogueRow e = CatalogueEntry(1, kind, row);
      const auto& c = f.Controls(row);
      EXPECT_EQ(c.Caption->text().toStdString(), e.caption);
      EXPECT_EQ(c.UnitL->text().toStdString(), UnitEntry(e.unit).si);
      if (IsChoiceCode(e.code)) {
        ASSERT_NE(c.Toggle, nullptr);
        EXPECT_EQ(c.Toggle->count(), static_cast<int>(ChoiceItems(e.code).size()));
        EXPECT_TRUE(c.Edit->isHidden());
        EXPECT_EQ(c.Caption->Tag, -row);
      } else {
        EXPECT_EQ(c.Toggle, nullptr);
        EXPECT_EQ(c.Caption->Tag, row);
      }
    }
    EXPECT_EQ(app->Sheet(2) != nullptr, kind != 4 && kind != 5 && kind != 8) << kind;
  }
  app->ChooseSystem(2);
  for (int kind = 1; kind <= 5; ++kind) {
    app->ChooseCollector(kind);
    EXPECT_EQ(Sheet(2).windowTitle().toStdString(), SheetTitle(2, kind));
    EXPECT_EQ(Sheet(2).NInfo(), SheetRowCount(2, kind));
  }
  app->EconomicsOn();
  EXPECT_EQ(Sheet(3).NInfo(), 28);
  EXPECT_EQ(Sheet(3).Controls(1).Toggle->currentText(), "Brief");
}

TEST_F(InputFormTest, AChoiceGreysItsRowsAndKeepsTheirValues) {
  app->ChooseSystem(1);
  TInputForm& f = Sheet(1);
  f.Controls(13).Toggle->setCurrentIndex(1);  // "Duct losses": No
  emit f.Controls(13).Toggle->activated(1);
  for (int row : {14, 15, 16}) EXPECT_FALSE(f.Controls(row).Edit->isEnabled()) << row;
  EXPECT_FALSE(f.Controls(17).Toggle->isEnabled());
  EXPECT_FALSE(f.Controls(14).Caption->isEnabled());
  EXPECT_EQ(state.ParamValue(1, 1, 13), 2);
  EXPECT_TRUE(state.Modified);
  f.Controls(13).Toggle->setCurrentIndex(0);
  emit f.Controls(13).Toggle->activated(0);
  EXPECT_TRUE(f.Controls(14).Edit->isEnabled());
  EXPECT_EQ(f.Controls(14).Edit->text(), "10.00");
  EXPECT_TRUE(f.Controls(17).Toggle->isEnabled());
}

TEST_F(InputFormTest, ARejectedValueShowsItsMessageAndKeepsTheFocus) {
  TMyEdit* eff = Field(1, 5);  // "Efficiency of fuel usage"
  TypeAndTab(eff, "100.6");
  ASSERT_EQ(prompts.errors.size(), 1u);
  EXPECT_EQ(prompts.errors[0], "This parameter must be >= 0.00 and <= 100.00");
  EXPECT_GE(prompts.beeps, 1);
  EXPECT_TRUE(eff->hasFocus());
  EXPECT_EQ(eff->selectedText(), "100.6");
  EXPECT_TRUE(eff->HasError());
  EXPECT_EQ(state.ParamValue(1, 2, 5), 50);
  EXPECT_FALSE(state.Modified);

  eff->selectAll();
  QTest::keyClicks(eff, "85");
  tick += 5000;
  QTest::keyClick(eff, Qt::Key_Tab);
  EXPECT_EQ(prompts.errors.size(), 1u);
  EXPECT_EQ(state.ParamValue(1, 2, 5), 85);
  EXPECT_TRUE(state.Modified);
  EXPECT_FALSE(eff->hasFocus());
}

TEST_F(InputFormTest, TabbingAwayTwiceWithinOneSecondShowsTheMessageOnce) {
  TMyEdit* ua = Field(1, 3);
  TypeAndTab(ua, "-1");
  ASSERT_EQ(prompts.errors.size(), 1u);
  EXPECT_EQ(prompts.errors[0],
            "Set Building UA to zero to signify a DHW system with no space heating.");
  tick += 400;
  QTest::keyClick(ua, Qt::Key_Tab);  // swallowed: the focus moves on, the flag stays
  EXPECT_EQ(prompts.errors.size(), 1u);
  EXPECT_TRUE(ua->HasError());
  ua->setFocus(Qt::MouseFocusReason);
  tick += 1000;
  QTest::keyClick(ua, Qt::Key_Tab);
  EXPECT_EQ(prompts.errors.size(), 2u);
}

TEST_F(InputFormTest, ACorrectionTypedWithinTheSecondIsStoredAtOnce) {
  TMyEdit* eff = Field(1, 5);
  TypeAndTab(eff, "150");
  ASSERT_EQ(prompts.errors.size(), 1u);
  tick += 300;
  eff->selectAll();
  QTest::keyClicks(eff, "85");
  QTest::keyClick(eff, Qt::Key_Tab);
  EXPECT_EQ(prompts.errors.size(), 1u);
  EXPECT_FALSE(eff->HasError());
  EXPECT_EQ(state.ParamValue(1, 2, 5), 85);
  // The sheet shows what the project holds, also after it is drawn again.
  app->SwitchUnits(1);
  app->SwitchUnits(0);
  EXPECT_EQ(eff->text(), "85.00");
}

TEST_F(InputFormTest, UpAndDownMoveBetweenTheSheetsControls) {
  TMyEdit* eff = Field(1, 5);
  eff->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(eff, Qt::Key_Down);
  EXPECT_TRUE(Sheet(1).Controls(6).Toggle->hasFocus());
  QTest::keyClick(Sheet(1).Controls(6).Toggle, Qt::Key_Up);
  EXPECT_TRUE(eff->hasFocus());
  EXPECT_EQ(app->ActiveEdit, eff);
}

TEST_F(InputFormTest, F1ShowsTheTopicOfTheFieldOrTheMenuItem) {
  WriteFile(Path(kHelpFile), "<html></html>");
  QTest::keyClick(Field(1, 5), Qt::Key_F1);  // parameter 5
  ASSERT_EQ(prompts.opened.size(), 1u);
  EXPECT_EQ(prompts.opened.back().toLocalFile(), Path(kHelpFile));
  EXPECT_EQ(prompts.opened.back().fragment(), "topic1005");
  QTest::keyClick(Sheet(1).Controls(4).Toggle, Qt::Key_F1);  // "Fuel", parameter 4
  EXPECT_EQ(prompts.opened.back().fragment(), "topic1004");
  app->RunMenu->setActiveAction(app->CalculateItem);
  QTest::keyClick(app->RunMenu, Qt::Key_F1);
  EXPECT_EQ(prompts.opened.back().fragment(), "topic701");
  EXPECT_EQ(prompts.opened.size(), 3u);
}

TEST_F(InputFormTest, TheFocusedRowsCaptionIsYellow) {
  TInputForm& f = Sheet(1);
  Field(1, 5)->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(f.Controls(5).Caption->palette().color(QPalette::Window), QColor(Qt::yellow));
  EXPECT_EQ(f.Controls(3).Caption->palette().color(QPalette::Window), QColor(Qt::white));
  f.HandleClick(-6);  // the caption of a choice row focuses its box
  EXPECT_TRUE(f.Controls(6).Toggle->hasFocus());
  EXPECT_EQ(app->ActiveEdit, nullptr);
  EXPECT_EQ(f.Controls(6).Caption->palette().color(QPalette::Window), QColor(Qt::yellow));
  EXPECT_EQ(f.Controls(5).Caption->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(InputFormTest, UnitSwitchConvertsTheSheetsAndKeepsAMonthlyRow) {
  state.MonthlyTables[2] = ValueTable{};
  state.SetParamValue(1, 2, 7, -992);
  app->ChooseSystem(9);
  app->ChooseSystem(2);  // rebuilt with the monthly row
  ASSERT_EQ(Sheet(1).Controls(7).Edit->text(), "Monthly");
  state.SetParamValue(1, 2, 8, 60);
  app->ChooseSystem(9);
  app->ChooseSystem(2);
  state.ResultsValid = true;
  state.Modified = false;
  app->SwitchUnits(1);
  TInputForm& g = Sheet(1);
  EXPECT_EQ(g.Controls(8).Edit->text(), "140.0");
  EXPECT_EQ(g.Controls(8).UnitL->text(), "F");
  EXPECT_EQ(g.Controls(7).Edit->text(), "Monthly");
  EXPECT_EQ(g.Controls(7).UnitL->text(), "gallons");
  EXPECT_EQ(state.ParamValue(1, 2, 7), -992);
  EXPECT_EQ(state.UnitSystem, 1);
  EXPECT_TRUE(state.Modified);
  EXPECT_FALSE(state.ResultsValid);
  app->SwitchUnits(0);
  EXPECT_EQ(g.Controls(8).Edit->text(), "60.0");
  EXPECT_EQ(g.Controls(8).UnitL->text(), "C");
}

TEST_F(InputFormTest, CopyWindowPutsTheSheetOnTheClipboard) {
  app->ChooseSystem(9);
  Sheet(1).BringToFront();
  QApplication::processEvents();
  app->CopyWindowClick();
  const QString text = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(text.startsWith("Active Domestic Hot Water System\rLocation\tMADISON WI\t\r"))
      << text.toStdString();
  EXPECT_TRUE(text.contains("Daily hot water usage\t10.0\tliters\r"));

  // Ctrl+A in a field is Copy Window too, not select-all.
  QGuiApplication::clipboard()->clear();
  TMyEdit* usage = Field(1, 5);
  usage->setFocus(Qt::MouseFocusReason);
  usage->deselect();
  QTest::keyClick(usage, Qt::Key_A, Qt::ControlModifier);
  EXPECT_FALSE(usage->hasSelectedText());
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Active Domestic Hot Water System"));
}

// A page of 60 lines, 100 dots apart.
class PageJob : public PrintJobHooks {
 public:
  void AdvanceLines(int n) override { line += n; }
  int PrintLineNo() const override { return line; }
  int PrintLineHeight() const override { return 100; }
  int PrintCharWidth() const override { return 50; }
  int PageLeftMargin() const override { return 200; }
  int line = 0;
};

TEST_F(InputFormTest, PrintingASheetLeavesOutItsGreyedRows) {
  TInputForm& f = Sheet(1);  // water storage: "Pipe heat loss" No greys rows 12 and 13
  f.Controls(11).Toggle->setCurrentIndex(1);
  emit f.Controls(11).Toggle->activated(1);
  solmon::testing::RecordingCanvas canvas;
  PageJob job;
  f.Print(canvas, job);
  const auto* title = canvas.Find("Water Storage House Heating System");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->face, TextFaceStyle::Bold);
  const auto* eff = canvas.Find("Efficiency of fuel usage");
  ASSERT_NE(eff, nullptr);
  EXPECT_GT(eff->y, title->y);
  EXPECT_NE(canvas.Find(f.Controls(5).Edit->text().toStdString()), nullptr);
  EXPECT_EQ(canvas.Find("     Inlet pipe UA"), nullptr);
  EXPECT_NE(canvas.Find("    Tank-side flowrate/area"), nullptr);
  EXPECT_GT(job.line, 10);
  EXPECT_EQ(app->Output.Canvas, nullptr);  // the window's own canvas again
}

TEST_F(InputFormTest, ClosingASheetOnlyHidesIt) {
  TInputForm* f = app->Sheet(2);
  f->close();
  EXPECT_EQ(app->Sheet(2), f);
  EXPECT_FALSE(f->IsVisible);
  EXPECT_FALSE(f->isVisible());
  app->ShowSheetWindow(2);
  EXPECT_TRUE(f->isVisible());
  EXPECT_TRUE(f->IsVisible);
}

}  // namespace
}  // namespace solmon::ui
