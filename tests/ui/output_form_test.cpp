// The report windows draw the results store of the last run and copy it as
// the clipboard text of the report renderer.

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScrollArea>

#include "core/report/thermal_report.h"
#include "ui/app/screen_scale.h"
#include "ui/report/output_form.h"
#include "../support/report_recorder.h"
#include "ui_fixture.h"

namespace solmon::ui {
namespace {

using testing::UiTest;

class OutputFormTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    StartApp();
    for (int m = 1; m <= 13; ++m)
      for (int f = 1; f <= 5; ++f) state.Results.MonthlyResults[m][f] = m * 1.5 + f;
    state.Results.MonthlyResults[2][3] = kNoValue;
    state.ResultsValid = true;
  }
};

TEST_F(OutputFormTest, TheThermalReportPaintsAndCopiesTheResults) {
  TOutputForm* report = app->EnsureReport(kThermalWindow);
  EXPECT_EQ(report->windowTitle(), "Thermal Output");
  EXPECT_FALSE(report->isVisible());
  report->BringToFront();
  QApplication::processEvents();
  EXPECT_EQ(report->HelpContext, 2102);
  // The grab paints the window, which sets the scroll range to the table.
  report->grab();
  EXPECT_GT(report->PaintBox1->height(), 13 * 17);
  EXPECT_EQ(report->PaintBox1->width(), Px(445 + 25));  // the right edge of the f column

  app->CopyWindowClick();
  ReportOutput out;
  const auto expected = ReportClipboardText(out, [&](ReportOutput& o) { DisplayThermal(state, o); });
  ASSERT_TRUE(expected.has_value());
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), *expected);
  EXPECT_NE(expected->find("Jan\t"), std::string::npos);
}

class OnePageJob : public PrintJobHooks {
 public:
  void AdvanceLines(int n) override { line += n; }
  int PrintLineNo() const override { return line; }
  int PrintLineHeight() const override { return 100; }
  int PrintCharWidth() const override { return 50; }
  int PageLeftMargin() const override { return 200; }
  int line = 0;
};

TEST_F(OutputFormTest, AReportPrintsOnThePrintersLines) {
  TOutputForm* report = app->EnsureReport(kThermalWindow);
  solmon::testing::RecordingCanvas canvas;
  OnePageJob job;
  report->Print(canvas, job);
  const auto* year = canvas.Find("Year");
  ASSERT_NE(year, nullptr);
  EXPECT_EQ(year->y, job.line * 100);  // the last line drawn
  EXPECT_GE(year->x, 200);             // inside the page margin
  EXPECT_NE(canvas.Find("Jan"), nullptr);
}

TEST_F(OutputFormTest, ResultsChangingHideTheReports) {
  TOutputForm* thermal = app->EnsureReport(kThermalWindow);
  TOutputForm* econ = app->EnsureReport(kEconomicWindow);
  EXPECT_EQ(econ->windowTitle(), "Economics Output");
  thermal->BringToFront();
  econ->BringToFront();
  Field(1, 3)->setText("444");
  ASSERT_TRUE(Field(1, 3)->GetValue());
  EXPECT_FALSE(thermal->isVisible());
  EXPECT_FALSE(econ->isVisible());
  EXPECT_FALSE(state.ResultsValid);
  EXPECT_FALSE(app->WindowMenuOpened() && app->ThermalWindowItem->isEnabled());
}

TEST_F(OutputFormTest, ClosingAReportOnlyHidesIt) {
  TOutputForm* thermal = app->EnsureReport(kThermalWindow);
  thermal->BringToFront();
  thermal->close();
  EXPECT_EQ(app->Report(kThermalWindow), thermal);
  EXPECT_FALSE(thermal->IsVisible);
  ASSERT_TRUE(app->WindowMenuOpened());
  EXPECT_TRUE(app->ThermalWindowItem->isEnabled());
  app->ThermalWindowItem->trigger();
  EXPECT_TRUE(thermal->isVisible());
}

}  // namespace
}  // namespace solmon::ui
