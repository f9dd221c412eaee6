// Calculate (F2): the run of the open project, the fluid question, the
// report windows it shows and the calculation messages after the run.

#include <QApplication>
#include <QMdiArea>
#include <QTimer>

#include "../core/calc_fixture.h"
#include "ui/report/output_form.h"
#include "ui/weather/multicity_output_dlg.h"
#include "ui_fixture.h"

namespace solmon::ui {
namespace {

using testing::UiTest;

class CalculateTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    seed = solmon::testing::SampleProject();
    seed.SheetKind[3] = 1;
    for (int w = 1; w <= 3; ++w) seed.SheetRects[w] = {short(20 * w), short(20 * w), 560, 400};
  }
  void Start() {
    WriteProject(seed, (programDir + kDefaultsFile).toStdString());
    StartApp();
  }
  ProjectState seed;
};

TEST_F(CalculateTest, ShowsTheThermalAndEconomicReports) {
  Start();
  app->CalculateClick();
  EXPECT_TRUE(state.ResultsValid);
  TOutputForm* thermal = app->Report(kThermalWindow);
  TOutputForm* econ = app->Report(kEconomicWindow);
  ASSERT_NE(thermal, nullptr);
  ASSERT_NE(econ, nullptr);
  EXPECT_TRUE(thermal->isVisible());
  EXPECT_TRUE(econ->isVisible());
  EXPECT_EQ(app->MdiArea()->activeSubWindow(), econ);
  EXPECT_GT(state.Results.MonthlyResults[13][1], 0);  // some solar energy in the year
  EXPECT_TRUE(prompts.messages.empty());
  const auto text = thermal->CopyText();
  ASSERT_TRUE(text.has_value());
  EXPECT_NE(text->find("Year\t"), std::string::npos);

  // Any change hides the reports again.
  Field(1, 3)->setText("260");
  ASSERT_TRUE(Field(1, 3)->GetValue());
  EXPECT_FALSE(thermal->isVisible());
  EXPECT_FALSE(econ->isVisible());
}

TEST_F(CalculateTest, TheReportsOpenBesideTheSheetsWhenThereIsRoom) {
  seed.SheetRects[1] = {0, 0, 550, 430};  // the shipped layout
  seed.SheetRects[2] = {560, 0, 1110, 335};
  seed.SheetRects[3] = {560, 335, 1110, 745};
  Start();
  app->resize(1900, 1000);
  QApplication::processEvents();
  app->CalculateClick();
  const QRect thermal = app->Report(kThermalWindow)->geometry();
  const QRect econ = app->Report(kEconomicWindow)->geometry();
  EXPECT_FALSE(thermal.intersects(econ));
  for (int w = 1; w <= 3; ++w) {
    EXPECT_FALSE(thermal.intersects(Sheet(w).geometry())) << w;
    EXPECT_FALSE(econ.intersects(Sheet(w).geometry())) << w;
  }
}

TEST_F(CalculateTest, OpeningAProjectHidesTheReportsOfTheOldOne) {
  Start();
  app->CalculateClick();
  ASSERT_TRUE(app->Report(kThermalWindow)->isVisible());
  prompts.files = {Path(kDefaultsFile)};
  app->OpenClick();
  EXPECT_FALSE(app->Report(kThermalWindow)->isVisible());
  EXPECT_FALSE(app->Report(kEconomicWindow)->isVisible());
  EXPECT_FALSE(state.ResultsValid);
  ASSERT_TRUE(app->WindowMenuOpened());
  EXPECT_FALSE(app->ThermalWindowItem->isEnabled());
}

TEST_F(CalculateTest, TheFluidQuestionCanStopTheRun) {
  seed.SetParamValue(2, 1, 12, 1.3);  // kJ/kg-C: implausible for a liquid system
  Start();
  prompts.yesNo = false;
  app->CalculateClick();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].rfind("Check collector specific heat: The collector fluid "
                                      "specific heat is  1.30.  Is this value correct?", 0),
            0u);
  EXPECT_FALSE(state.ResultsValid);
  ASSERT_NE(app->Report(kThermalWindow), nullptr);
  EXPECT_FALSE(app->Report(kThermalWindow)->isVisible());
  prompts.yesNo = true;
  app->CalculateClick();
  EXPECT_TRUE(app->Report(kThermalWindow)->isVisible());
}

TEST_F(CalculateTest, CalculationMessagesAreShownAfterTheRun) {
  seed.SetParamValue(1, 2, 2, 500);  // liters/m^2: beyond what the storage correlation covers
  Start();
  app->CalculateClick();
  ASSERT_FALSE(prompts.messages.empty());
  EXPECT_EQ(prompts.kinds.back(), 1);
  EXPECT_NE(prompts.messages.back().find(MessageText(31)), std::string::npos);
}

TEST_F(CalculateTest, AllLocationsAskForTheOutputAndShowNoReports) {
  seed.LocationIndex = -3;
  seed.WeatherFileName = "US.WEA";
  Start();
  bool asked = false;
  QTimer::singleShot(0, [&] {
    asked = app->MulticityOutputDlg->isVisible();
    app->MulticityOutputDlg->reject();
  });
  app->CalculateClick();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(app->Report(kThermalWindow)->isVisible());
  EXPECT_FALSE(state.ResultsValid);
}

}  // namespace
}  // namespace solmon::ui
