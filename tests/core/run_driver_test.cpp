#include "core/calc/run_driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "calc_fixture.h"
#include "core/calc/monthly_values.h"
#include "core/report/multi_location_file.h"
#include "core/weather/weather_file.h"

namespace solmon {
namespace {

using testing::RecordingPrompts;
using testing::SampleLocationEnglish;
using testing::SampleProject;
using testing::Set;

const auto& Records(const ProjectState& s) { return s.Results.MonthlyResults; }

void SetTable(ProjectState& s, int slot, int owner, double january, double step = 0) {
  ValueTable t{};
  t[0] = DoubleToReal6(owner);
  for (int m = 1; m <= 12; ++m) t[m] = DoubleToReal6(january + step * (m - 1));
  s.MonthlyTables[slot] = t;
}

struct FluidCase {
  int units, systemKind;
  double cp;
  bool asks;
};

class FluidCheckTest : public ::testing::TestWithParam<FluidCase> {};

TEST_P(FluidCheckTest, AsksOnlyOutsideTheBounds) {
  const FluidCase& t = GetParam();
  ProjectState s = SampleProject(t.units);
  s.SheetKind[1] = static_cast<std::int16_t>(t.systemKind);
  Set(s, 2, 1, 12, t.cp);
  RecordingPrompts prompts;
  prompts.answer = false;
  const RunOutcome outcome = RunCalculation(s, true, prompts);
  EXPECT_EQ(prompts.questions.size(), t.asks ? 1u : 0u);
  if (t.asks) {
    EXPECT_EQ(outcome, RunOutcome::Cancelled);
  }
  prompts.questions.clear();
  RunCalculation(s, false, prompts);  // later runs of a study do not ask
  EXPECT_TRUE(prompts.questions.empty());
}

INSTANTIATE_TEST_SUITE_P(Bounds, FluidCheckTest,
                         ::testing::Values(FluidCase{0, 1, 1.0, false}, FluidCase{0, 1, 1.3, true},
                                           FluidCase{0, 2, 4.19, false}, FluidCase{1, 2, 4.19, true},
                                           FluidCase{1, 1, 0.2, false}, FluidCase{1, 1, 0.3, false},
                                           FluidCase{1, 1, 0.19, true}, FluidCase{1, 1, 0.31, true},
                                           FluidCase{1, 2, 0.7, false}, FluidCase{1, 2, 1.1, false},
                                           FluidCase{1, 2, 1.11, true}, FluidCase{1, 7, 0.7, false},
                                           FluidCase{1, 7, 0.69, true}, FluidCase{1, 6, 2, true},
                                           FluidCase{1, 9, 5, false}, FluidCase{1, 3, 5, false},
                                           FluidCase{0, 2, 2.9, true}, FluidCase{0, 2, 2.94, false}));

TEST(FluidCheck, QuestionTextAndRejection) {
  ProjectState s = SampleProject(1);
  Set(s, 2, 1, 12, 4.19);
  RecordingPrompts prompts;
  prompts.answer = false;
  s.ResultsValid = false;
  const auto block = s.ParamBlock;
  EXPECT_EQ(RunCalculation(s, true, prompts), RunOutcome::Cancelled);
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0],
            "Check collector specific heat|The collector fluid specific heat is  4.19.  Is this value correct?");
  EXPECT_EQ(s.ParamBlock, block);
  EXPECT_FALSE(s.ResultsValid);
  EXPECT_EQ(Records(s)[1][1], 0);  // nothing was run
  prompts.answer = true;
  EXPECT_EQ(RunCalculation(s, true, prompts), RunOutcome::Completed);
  EXPECT_TRUE(s.ResultsValid);
}

TEST(MonthlyTables, AppliedDuringTheRunOnly) {
  ProjectState s = SampleProject(0);
  Set(s, 1, 2, 3, -993);  // "Building UA" from monthly table 3
  SetTable(s, 3, 1203, 200, 20);
  RecordingPrompts prompts;
  ASSERT_EQ(RunCalculation(s, false, prompts), RunOutcome::Completed);
  for (int m = 1; m <= 12; ++m) {
    const double ua = 200 + 20 * (m - 1);
    EXPECT_EQ(Records(s)[m][2], Real6ToDouble(s.DegDays[m]) * 86400 * ua / 1e9) << m;
  }
  EXPECT_EQ(s.ParamValue(1, 2, 3), -993);
}

TEST(MonthlyTables, LaterOfTwoOwnersAppliesFromTheNextMonth) {
  ProjectState s = SampleProject(0);
  SetTable(s, 2, 1203, 100);
  SetTable(s, 5, 1203, 500);
  ApplyMonthlyValues(s, 1);
  EXPECT_EQ(s.ParamValue(1, 2, 3), 100);  // the earlier table applied before it was met again
  EXPECT_EQ(s.TableOwner(2), -1);
  EXPECT_EQ(s.TableOwner(5), 1203);
  ApplyMonthlyValues(s, 2);
  EXPECT_EQ(s.ParamValue(1, 2, 3), 500);
}

TEST(MonthlyTables, SkipsTablesOfOtherKindsAngleRowsAndStrangeOwners) {
  ProjectState s = SampleProject(0);
  const auto block = s.ParamBlock;
  SetTable(s, 1, 1103, 100);   // kind 1 is not shown
  SetTable(s, 2, 2110, 0.5);   // the flat plate's modifier values: an angle row
  SetTable(s, 3, 1231, 7);     // beyond the catalogue
  SetTable(s, 4, 5101, 7);     // no such sheet
  SetTable(s, 6, 3104, 0.2);   // economics off
  ApplyMonthlyValues(s, 1);
  EXPECT_EQ(s.ParamBlock, block);
}

TEST(RunDriver, DanglingTableReferenceStopsNamingTheRow) {
  ProjectState s = SampleProject(0);
  Set(s, 1, 2, 3, -995);  // table 5 does not exist
  s.ResultsValid = true;
  const auto block = s.ParamBlock;
  RecordingPrompts prompts;
  EXPECT_EQ(RunCalculation(s, false, prompts), RunOutcome::Stopped);
  EXPECT_NE(s.ErrorMessage.find("\"Building UA (0 if only DHW)\" of the system sheet"), std::string::npos);
  EXPECT_EQ(s.ParamBlock, block);
  SetTable(s, 5, 1203, 300);  // once the table is there and owned, the run goes
  EXPECT_EQ(RunCalculation(s, false, prompts), RunOutcome::Completed);
}

TEST(RunDriver, AnUnknownSystemKindStops) {
  for (int kind : {0, 10}) {
    ProjectState s = SampleProject(0);
    RecordingPrompts prompts;
    ASSERT_EQ(RunCalculation(s, false, prompts), RunOutcome::Completed);
    s.SheetKind[1] = static_cast<std::int16_t>(kind);
    EXPECT_EQ(RunCalculation(s, false, prompts), RunOutcome::Stopped) << kind;
    EXPECT_NE(s.ErrorMessage.find("no known system kind"), std::string::npos);
    EXPECT_FALSE(s.ResultsValid);
    for (int r = 1; r <= 13; ++r) EXPECT_EQ(Records(s)[r][1], kNoValue);
  }
}

// A weather file of three locations beside a project that runs all of them.
class MultiLocationTest : public ::testing::Test {
 protected:
  MultiLocationTest() {
    const std::string path = testing::WriteTestWeatherFile(
        "THREE.WEA", {SampleLocationEnglish("ALPHA CITY", 43.1), SampleLocationEnglish("BETA TOWN", 30),
                      SampleLocationEnglish("GAMMA VILLE", 55.5)});
    s.ProgramDir = std::filesystem::path(path).parent_path().string() + "/";
    s.WeatherFileName = "THREE.WEA";
    s.LocationIndex = -3;
    options.Stream = &out;
    prompts.multi = &options;
  }
  // The line a single-location run of location n gives.
  std::string SingleLine(int n, double slope = 0) {
    ProjectState one = s;
    LoadLocation(one, n);
    one.LocationIndex = static_cast<std::int16_t>(n);
    if (slope != 0) one.SetParamValue(2, 1, 5, Real6ToDouble(one.Location.Latitude) + slope);
    RecordingPrompts p;
    EXPECT_EQ(RunCalculation(one, false, p), RunOutcome::Completed);
    std::ostringstream line;
    MultiLocationWriter(line, 2, options.Monthly, false).WriteLocation(one.Location.Name(), one.Results, one.Economics);
    return line.str();
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::string text = out.str(), line;
    for (std::size_t at = 0; (at = text.find("\r\n")) != std::string::npos; text.erase(0, at + 2))
      lines.push_back(text.substr(0, at + 2));
    return lines;
  }
  ProjectState s = SampleProject(0);
  RecordingPrompts prompts;
  MultiLocationOptions options;
  std::ostringstream out;
};

TEST_F(MultiLocationTest, OneLinePerLocationEqualToItsSingleRun) {
  const auto block = s.ParamBlock;
  ASSERT_EQ(RunCalculation(s, false, prompts), RunOutcome::Completed);
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "City\tSolar\tHeat\tDhw\tAux\tf  \t\r\n");
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(lines[n], SingleLine(n)) << n;
  EXPECT_EQ(s.LocationIndex, -3);
  EXPECT_EQ(s.ParamBlock, block);
  EXPECT_FALSE(s.ResultsValid);
  EXPECT_EQ(s.Location.Name(), "GAMMA VILLE");  // the last location read stays
}

TEST_F(MultiLocationTest, LoopsOverTheLocationsTheFileHoldsNow) {
  s.LocationIndex = -2;  // chosen when the file had two
  RunCalculation(s, false, prompts);
  EXPECT_EQ(Lines().size(), 4u);
  EXPECT_EQ(s.LocationIndex, -2);
}

TEST_F(MultiLocationTest, SlopeFollowsTheLatitudeDuringTheRunOnly) {
  options.FixedSlope = false;
  options.Slope = 10;
  options.Monthly = true;
  RunCalculation(s, false, prompts);
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 4u);
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(lines[n], SingleLine(n, 10)) << n;
  EXPECT_NE(lines[1], SingleLine(1));
  EXPECT_EQ(s.ParamValue(2, 1, 5), 55);
}

TEST_F(MultiLocationTest, MessagesNameTheLocation) {
  Set(s, 1, 2, 2, 20);  // storage out of range everywhere
  RunCalculation(s, false, prompts);
  ASSERT_EQ(prompts.messages.size(), 3u);
  EXPECT_EQ(prompts.messages[1].rfind("BETA TOWN: ", 0), 0u);
  EXPECT_NE(Lines()[2].find("   -999.0000\t"), std::string::npos);
}

TEST_F(MultiLocationTest, StoppedRunWritesNoLineForTheStoppedLocation) {
  Set(s, 1, 2, 5, 0);  // no efficiency of fuel usage
  EXPECT_EQ(RunCalculation(s, false, prompts), RunOutcome::Stopped);
  EXPECT_EQ(Lines().size(), 1u);  // the header
  EXPECT_EQ(s.ErrorCode, 0);
}

TEST_F(MultiLocationTest, CancelledDialogWritesNothing) {
  prompts.multi = nullptr;
  EXPECT_EQ(RunCalculation(s, false, prompts), RunOutcome::Cancelled);
  EXPECT_TRUE(out.str().empty());
}

TEST_F(MultiLocationTest, ParametersComeBackOnEveryWayOut) {
  Set(s, 1, 2, 3, -993);
  SetTable(s, 3, 1203, 200, 20);
  options.FixedSlope = false;
  options.Slope = 5;
  const auto block = s.ParamBlock;

  s.WeatherFileName = "MISSING.WEA";  // the weather file is gone
  EXPECT_THROW(RunCalculation(s, false, prompts), WeatherFileError);
  EXPECT_EQ(s.ParamBlock, block);
  EXPECT_EQ(s.LocationIndex, -3);

  s.WeatherFileName = "THREE.WEA";
  options.Stream = nullptr;  // the output file cannot be created
  options.FileName = (std::filesystem::temp_directory_path() / "no such dir" / "out.txt").string();
  EXPECT_THROW(RunCalculation(s, false, prompts), OutputFileError);
  EXPECT_EQ(s.ParamBlock, block);

  std::ostringstream broken;
  broken.setstate(std::ios::badbit);  // writing fails
  options.Stream = &broken;
  EXPECT_THROW(RunCalculation(s, false, prompts), OutputFileError);
  EXPECT_EQ(s.ParamBlock, block);
}

TEST_F(MultiLocationTest, WritesTheNamedFile) {
  options.Stream = nullptr;
  options.FileName = (std::filesystem::temp_directory_path() / "solmon_engine_tests" / "multi.txt").string();
  ASSERT_EQ(RunCalculation(s, false, prompts), RunOutcome::Completed);
  std::ifstream in(options.FileName, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text.rfind("City\tSolar\t", 0), 0u);
  EXPECT_NE(text.find("GAMMA VILLE\t"), std::string::npos);
}

}  // namespace
}  // namespace solmon
