#pragma once
// Checks on the results store shared by the system-model tests.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_fixture.h"
#include "core/calc/results.h"
#include "core/calc/run_driver.h"
#include "core/model/project_state.h"

namespace solmon::testing {

// Every field of every record blank (-999), as after a stopped run.
inline bool ResultsAllBlank(const ProjectState& s) {
  for (int r = 1; r <= kYearRecord; ++r)
    for (int f = 1; f <= kResultFields; ++f)
      if (s.Results.MonthlyResults[r][f] != kNoValue) return false;
  return true;
}

// No NaN or infinity in any record or fuel-cost sum.
inline bool ResultsAllFinite(const ProjectState& s) {
  for (int r = 1; r <= kYearRecord; ++r)
    for (int f = 1; f <= kResultFields; ++f)
      if (!std::isfinite(s.Results.MonthlyResults[r][f])) return false;
  return std::isfinite(s.Results.FuelCostSolar) && std::isfinite(s.Results.FuelCostNoSolar);
}

// The sample as a passive project (kinds 4 and 5) in `units`, run: every
// month finite with f in 0..1 and no fifth field, the year the sum of its
// months' first three fields with f = 1 - Aux / Load, and the window or wall
// area as the collector area. `s` keeps the project for further checks.
inline void ExpectPassiveYearAddsUp(int kind, int units, ProjectState& s, RecordingPrompts& prompts) {
  s = SampleProject(units);
  s.SheetKind[1] = kind;
  s.SheetKind[2] = 0;  // no collector sheet
  ASSERT_EQ(RunCalculation(s, false, prompts), RunOutcome::Completed) << s.ErrorMessage;
  EXPECT_TRUE(s.ResultsValid);
  EXPECT_TRUE(ResultsAllFinite(s));
  const auto& r = s.Results.MonthlyResults;
  double sums[4] = {};
  for (int m = 1; m <= 12; ++m) {
    for (int f = 1; f <= 3; ++f) sums[f] += r[m][f];
    EXPECT_GE(r[m][4], 0) << m;
    EXPECT_LE(r[m][4], 1) << m;
    EXPECT_EQ(r[m][5], kNoValue) << m;
  }
  const double yearF = r[kYearRecord][4];
  for (int f = 1; f <= 3; ++f) EXPECT_DOUBLE_EQ(r[kYearRecord][f], sums[f]) << f;
  EXPECT_EQ(yearF, 1 - r[kYearRecord][3] / r[kYearRecord][2]);
  EXPECT_GT(yearF, 0.05);
  EXPECT_LT(yearF, 1);
  EXPECT_EQ(s.Results.CollectorArea, s.ParamValue(1, kind, 2));
}

// A value the sheets accept but no formula can use: a project that runs is
// changed in one row, and the run then stops naming `caption`, every result blank.
inline void ExpectStopNaming(const ProjectState& runs, int sheet, int kind, int row, double value,
                             const std::string& caption) {
  ProjectState t = runs;
  RecordingPrompts p;
  ASSERT_EQ(RunCalculation(t, false, p), RunOutcome::Completed);
  Set(t, sheet, kind, row, value);
  EXPECT_EQ(RunCalculation(t, false, p), RunOutcome::Stopped) << caption;
  EXPECT_NE(t.ErrorMessage.find(caption), std::string::npos) << t.ErrorMessage;
  EXPECT_TRUE(ResultsAllBlank(t)) << caption;
  EXPECT_FALSE(t.ResultsValid) << caption;
}

}  // namespace solmon::testing
