// The rules of the input sheets as the user meets them in the windows: the
// rows each choice greys, and the message of every validation rule.

#include <QApplication>
#include <QTest>
#include <set>

#include "ui_fixture.h"

namespace solmon::ui {
namespace {

using testing::UiTest;

class SheetRulesTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    StartApp();
    QApplication::setActiveWindow(app.get());
    app->EconomicsOn();
  }
  // Chooses an item as the user does.
  static void Choose(TInputForm& f, int row, int selection) {
    TToggle* t = f.Controls(row).Toggle;
    ASSERT_NE(t, nullptr) << "row " << row << " is no choice";
    t->setCurrentIndex(selection);
    emit t->activated(selection);
  }
  // The rows whose field or choice box the window shows greyed.
  static std::set<int> GreyedRows(const TInputForm& f) {
    std::set<int> rows;
    for (int i = 1; i <= f.NInfo(); ++i) {
      const auto& c = f.Controls(i);
      const QWidget* control = c.Toggle ? static_cast<const QWidget*>(c.Toggle) : c.Edit;
      if (!control->isEnabled()) rows.insert(i);
    }
    return rows;
  }
};

TEST_F(SheetRulesTest, EveryChoiceGreysTheRowsOfItsRule) {
  // Every choice row of every sheet kind, every item: the window greys
  // exactly the rows the sheet's rules disable, captions and units included.
  const auto check = [&](int w) {
    TInputForm& f = Sheet(w);
    for (int row = 1; row <= f.NInfo(); ++row) {
      if (!f.Controls(row).Toggle) continue;
      for (int item = 0; item < f.Controls(row).Toggle->count(); ++item) {
        Choose(f, row, item);
        std::set<int> disabled;
        for (int i = 1; i <= f.NInfo(); ++i) {
          if (!f.Model().Row(i).Enabled()) disabled.insert(i);
          EXPECT_EQ(f.Controls(i).Caption->isEnabled(), f.Model().Row(i).Enabled());
          EXPECT_EQ(f.Controls(i).UnitL->isEnabled(), f.Model().Row(i).Enabled());
        }
        EXPECT_EQ(GreyedRows(f), disabled)
            << f.windowTitle().toStdString() << " row " << row << " item " << item;
      }
    }
  };
  for (int kind = 1; kind <= 9; ++kind) {
    app->ChooseSystem(kind);
    check(kSystemWindow);
  }
  app->ChooseSystem(2);
  for (int kind = 1; kind <= 5; ++kind) {
    app->ChooseCollector(kind);
    check(kCollectorWindow);
  }
  check(kEconomicsWindow);
}

TEST_F(SheetRulesTest, ChoicesSwitchTheirRowsAsTheUserExpects) {
  app->ChooseCollector(1);
  TInputForm& collector = Sheet(2);
  Choose(collector, 13, 1);  // "Modify test values": No
  Choose(collector, 7, 2);   // "Incidence angle modifier calculation": Value(s)
  EXPECT_EQ(GreyedRows(collector), (std::set<int>{8, 9, 14, 15}));
  EXPECT_TRUE(collector.Controls(10).Edit->isEnabled());
  Choose(collector, 13, 0);  // "Modify test values": Yes
  EXPECT_EQ(GreyedRows(collector), (std::set<int>{8, 9}));

  app->ChooseSystem(6);
  TInputForm& pool = Sheet(1);
  Choose(pool, 9, 0);  // "Pool Location": Indoor
  EXPECT_FALSE(pool.Controls(10).Edit->isEnabled());  // "% of time shaded "
  EXPECT_FALSE(pool.Controls(11).Edit->isEnabled());  // "Average windspeed"
  EXPECT_TRUE(pool.Controls(12).Edit->isEnabled());
  EXPECT_TRUE(pool.Controls(13).Edit->isEnabled());

  // A greyed row is skipped by Down and keeps its value.
  pool.Controls(8).Edit->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(pool.Controls(8).Edit, Qt::Key_Down);
  EXPECT_TRUE(pool.Controls(9).Toggle->hasFocus());
  QTest::keyClick(pool.Controls(9).Toggle, Qt::Key_Down);
  EXPECT_TRUE(pool.Controls(12).Edit->hasFocus());
  Choose(pool, 9, 1);
  EXPECT_EQ(pool.Controls(10).Edit->text().toStdString(),
            FormatValue(state.ParamValue(1, 6, 10), pool.Model().Row(10).form));
}

struct RuleCase {
  int systemKind, collectorKind, w, row;
  const char* typed;
  const char* message;  // empty: accepted
  int choiceRow = 0, choiceItem = 0;  // a choice that enables the row first
};

TEST_F(SheetRulesTest, EveryValidationRuleSaysWhatIsWrong) {
  const RuleCase cases[] = {
      {2, 1, 2, 4, "1.5", "This parameter must be >= 0.000 and <= 1.000"},       // kind 1
      {2, 1, 3, 12, "40", "This parameter must be >= 0 and <= 39"},              // kind 2
      {2, 1, 3, 12, "39.4", ""},
      {1, 1, 1, 2, "0.1", "This parameter must be >= 0.13 and <= 1.00"},         // kind 4
      {2, 1, 1, 2, "10", "This parameter must be >= 37.50 and <= 300.00"},       // kind 5
      {2, 1, 1, 7, "0", "This parameter must have a positive value."},           // kind 6
      {2, 1, 1, 8, "-1", "This parameter value must >= 0."},                     // kind 7
      {2, 1, 1, 8, "0", ""},
      {2, 1, 1, 5, "100.6", "This parameter must be >= 0.00 and <= 100.00"},     // kind 8
      {2, 1, 1, 5, "100.5", ""},
      {2, 1, 1, 5, "-0.5", ""},
      {2, 1, 2, 6, "-10", "This parameter must be >= 0 and <= 180"},             // kind 13
      {2, 3, 2, 5, "0.5", "This parameter must be >= 1.0"},                      // kind 15
      {6, 1, 1, 7, "25", "This parameter must be >= 1.0 and <= 24.0", 6, 2},     // kind 19
      {2, 1, 1, 3, "-1", "Set Building UA to zero to signify a DHW system with no space heating."},
      {2, 1, 1, 3, "0", ""},                                                     // kind 22
      {2, 1, 2, 9, "0.6", "The incidence angle modifier constant should be between -0.1 and 0.5",
       7, 1},
      {2, 1, 1, 8, "", "This field is empty"},
      {2, 1, 1, 8, "1,5", "Illegal characters have been entered."},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " in sheet " + std::to_string(c.w) + " row " +
                 std::to_string(c.row));
    app->ChooseSystem(c.systemKind);
    app->ChooseCollector(c.collectorKind);
    TInputForm& f = Sheet(c.w);
    if (c.choiceRow) Choose(f, c.choiceRow, c.choiceItem);
    TMyEdit* e = f.Controls(c.row).Edit;
    const int kind = f.Model().Kind();
    const double before = state.ParamValue(c.w, kind, c.row);
    prompts.errors.clear();
    tick += 5000;
    e->setFocus(Qt::MouseFocusReason);
    e->selectAll();
    e->del();
    QTest::keyClicks(e, c.typed);
    QTest::keyClick(e, Qt::Key_Tab);
    if (*c.message) {
      ASSERT_EQ(prompts.errors.size(), 1u);
      EXPECT_EQ(prompts.errors[0], c.message);
      EXPECT_TRUE(e->hasFocus());
      EXPECT_EQ(state.ParamValue(c.w, kind, c.row), before);
      e->setText(QString::fromStdString(FormatValue(before, f.Model().Row(c.row).form)));
      tick += 5000;
      ASSERT_TRUE(e->GetValue());
    } else {
      EXPECT_TRUE(prompts.errors.empty()) << prompts.errors.front();
      EXPECT_FALSE(e->HasError());
    }
  }
}

}  // namespace
}  // namespace solmon::ui
