// The monthly values dialog opened from a sheet: OK, Constant and Cancel.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ui/sheets/monthly_dlg.h"
#include "ui_fixture.h"

namespace solmon::ui {
namespace {

using testing::UiTest;

class MonthlyDlgTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    StartApp();
    QApplication::setActiveWindow(app.get());
    dlg = app->MonthlyDlg;
  }
  // Opens the dialog for a field and acts in it while it runs.
  void WithDialog(TMyEdit* field, const std::function<void()>& act) {
    field->setFocus(Qt::MouseFocusReason);
    QTimer::singleShot(0, [act] { act(); });
    field->Form()->OpenMonthly(field);
  }
  TMonthlyDlg* dlg = nullptr;
};

TEST_F(MonthlyDlgTest, OkMakesTheFieldMonthly) {
  TMyEdit* usage = Field(1, 7);  // "     Daily hot water usage", 10.0
  QStringList seen;
  WithDialog(usage, [&] {
    for (int k = 1; k <= 12; ++k) seen << dlg->theEdit[k]->text();
    EXPECT_EQ(dlg->theLabel[1]->text(), "Jan");
    EXPECT_EQ(dlg->theLabel[12]->text(), "Dec");
    EXPECT_EQ(dlg->windowTitle(), "     Daily hot water usage");
    EXPECT_EQ(dlg->Units->text(), "liters");
    dlg->theEdit[3]->setText("150");
    dlg->OKBtn->click();
  });
  EXPECT_EQ(seen, QStringList(12, "10.0"));
  EXPECT_EQ(usage->text(), "Monthly");
  EXPECT_TRUE(usage->isReadOnly());
  const int n = usage->Info().EXNo;
  EXPECT_EQ(state.ParamValue(1, 2, 7), -990 - n);
  EXPECT_EQ(Real6ToDouble((*state.MonthlyTables[n])[3]), 150);
  EXPECT_TRUE(state.Modified);

  // A mouse press in the monthly field opens it again; Constant makes it one value.
  QTimer::singleShot(0, [&] {
    EXPECT_EQ(dlg->theEdit[3]->text(), "150.0");
    dlg->theEdit[1]->setText("180");
    dlg->ConstantBtn->click();
  });
  QTest::mouseClick(usage, Qt::LeftButton);
  EXPECT_EQ(usage->text(), "180");
  EXPECT_FALSE(usage->isReadOnly());
  EXPECT_EQ(state.ParamValue(1, 2, 7), 180);
  EXPECT_EQ(state.TableOwner(n), -1);
}

TEST_F(MonthlyDlgTest, CancelStoresNothing) {
  TMyEdit* usage = Field(1, 7);
  WithDialog(usage, [&] {
    dlg->theEdit[2]->setText("999");
    dlg->CancelBtn->click();
  });
  EXPECT_EQ(usage->text(), "10.0");
  EXPECT_EQ(state.ParamValue(1, 2, 7), 10);
  EXPECT_FALSE(state.Modified);
  usage->setText("12");
  EXPECT_TRUE(usage->GetValue());  // still an ordinary field
  EXPECT_EQ(state.ParamValue(1, 2, 7), 12);
}

TEST_F(MonthlyDlgTest, ABadEntryKeepsTheDialogOpen) {
  TMyEdit* usage = Field(1, 7);
  bool stillOpen = false;
  WithDialog(usage, [&] {
    dlg->theEdit[4]->setText("1,5");
    dlg->OKBtn->click();
    stillOpen = dlg->isVisible() && dlg->focusWidget() == dlg->theEdit[4];
    dlg->theEdit[1]->setText("x");
    dlg->ConstantBtn->click();
    stillOpen = stillOpen && dlg->isVisible();
    dlg->CancelBtn->click();
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(usage->text(), "10.0");
}

TEST_F(MonthlyDlgTest, ConstantOnTheAngleValuesSetsTheConstantRow) {
  state.SetParamValue(2, 1, 7, 3);  // "Value(s)"
  state.SetParamValue(2, 1, 10, -1006);
  app->ChooseCollector(2);
  app->ChooseCollector(1);
  TInputForm& f = Sheet(2);
  TMyEdit* values = f.Controls(10).Edit;
  ASSERT_EQ(values->text(), "Ang Dep");
  ASSERT_TRUE(values->isEnabled());
  WithDialog(values, [&] {
    EXPECT_EQ(dlg->theLabel[1]->text(), QString::fromUtf8("0\u00B0"));
    EXPECT_EQ(dlg->theLabel[10]->text(), QString::fromUtf8("90\u00B0"));
    EXPECT_FALSE(dlg->theEdit[11]->isVisibleTo(dlg));
    dlg->theEdit[1]->setText("0.1");
    dlg->ConstantBtn->click();
  });
  EXPECT_EQ(f.Controls(7).Toggle->currentText(), "Constant");
  EXPECT_EQ(f.Controls(9).Edit->text(), "0.100");
  EXPECT_EQ(app->focusWidget(), f.Controls(9).Edit);
  EXPECT_EQ(values->text(), "Ang Dep");
  EXPECT_FALSE(values->isEnabled());
  EXPECT_EQ(state.ParamValue(2, 1, 7), 2);
}

TEST_F(MonthlyDlgTest, TheEditMenusMonthlyOpensTheDialogForTheFocusedField) {
  app->EconomicsOn();
  TMyEdit* schedule = Sheet(3).Controls(28).Edit;
  schedule->setFocus(Qt::MouseFocusReason);
  QTimer::singleShot(0, [&] {
    EXPECT_EQ(dlg->theLabel[10]->text(), "Year 10");
    for (int k = 1; k <= 10; ++k) dlg->theEdit[k]->setText(QString::number(k));
    dlg->OKBtn->click();
  });
  app->MonthlyClick();
  EXPECT_EQ(schedule->text(), "Schedule");
  EXPECT_EQ(state.ParamValue(3, 1, 28), -1008);
  EXPECT_EQ(Real6ToDouble(state.ExtraTables[3][7]), 7);
}

}  // namespace
}  // namespace solmon::ui
