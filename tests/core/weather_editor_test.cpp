#include "core/weather/weather_editor.h"

#include <gtest/gtest.h>

#include "../support/weather_fixtures.h"
#include "core/model/units.h"
#include "core/weather/weather_file.h"
#include "core/weather/weather_grid.h"

namespace solmon {
namespace {

using testing::FileBytes;
using testing::MakeRecord;
using testing::TempDir;

class WeatherEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<LocationRecord> records;
    for (int i = 1; i <= 10; ++i)
      records.push_back(MakeRecord("CITY " + std::to_string(i) + " ST", 30 + i,
                                   {.hBar = 900.0 + i, .tAmb = 40.0 + i}));
    WriteWeatherFile(path, records);
    s.SheetKind[1] = 2;
    s.ProgramDir = dir.Path().string() + "/";
    s.WeatherFileName = "TEN.WEA";
  }
  void Load(int n, int units) {
    s.UnitSystem = static_cast<std::uint8_t>(units);
    s.LocationIndex = static_cast<std::int16_t>(n);
    LoadLocation(s, n);
  }

  TempDir dir;
  std::string path = dir.File("TEN.WEA");
  ProjectState s;
  WeatherEditSession session;
};

TEST_F(WeatherEditor, CancelPutsBackRecordDerivedTablesAndNumber) {
  Load(4, kEnglish);
  const ProjectState before = s;
  ASSERT_FALSE(session.Begin(s, true));
  EXPECT_EQ(s.LocationIndex, 11);
  SetGridCell(s, 1, 2, "80");
  SetBaseTemperature(s, "50");
  s.Location.SetName("CHANGED");
  session.Cancel(s);
  EXPECT_EQ(s.Location, before.Location);
  EXPECT_EQ(s.DegDays, before.DegDays);
  EXPECT_EQ(s.TSky, before.TSky);
  EXPECT_EQ(s.LocationIndex, 4);
}

TEST_F(WeatherEditor, AddModeAppendsTheNewLocationAsNumberEleven) {
  Load(2, kEnglish);
  ASSERT_FALSE(session.Begin(s, true));
  ASSERT_EQ(s.LocationIndex, 11);
  ASSERT_TRUE(session.ApplyNameAndLatitude(s, "NEW PLACE XX", "12.5"));
  ASSERT_FALSE(session.Archive(s));
  ASSERT_EQ(CountLocations(path), 11);
  const LocationRecord added = ReadLocation(path, 11);
  EXPECT_EQ(added.Name(), "NEW PLACE XX");
  EXPECT_EQ(Real6ToDouble(added.Latitude), 12.5);
  EXPECT_EQ(added.HBar, ReadLocation(path, 2).HBar);  // a copy of the current values
}

TEST_F(WeatherEditor, AddModeOnAMissingFileSaysSoAndChangesNothing) {
  Load(2, kEnglish);
  s.WeatherFileName = "GONE.WEA";
  const auto message = session.Begin(s, true);
  ASSERT_TRUE(message);
  EXPECT_EQ(*message, "Unexpected file I/O error #2 while attempting to open file " +
                          dir.File("GONE.WEA"));
  EXPECT_EQ(s.LocationIndex, 2);
}

TEST_F(WeatherEditor, ArchiveInSIWritesEnglishValuesAndLeavesTheGridInSI) {
  Load(3, kSI);
  ASSERT_FALSE(session.Begin(s, false));
  ASSERT_EQ(SetGridCell(s, 1, 2, "20"), CellEdit::Changed);  // 68 F
  ASSERT_EQ(SetGridCell(s, 2, 1, ""), CellEdit::Changed);    // no value
  ASSERT_TRUE(session.ApplyNameAndLatitude(s, "CITY 3 ST", "33"));
  const ProjectState shown = s;
  ASSERT_FALSE(session.Archive(s));
  const LocationRecord written = ReadLocation(path, 3);
  EXPECT_NEAR(Real6ToDouble(written.TAmb[1]), 68, 1e-9);
  EXPECT_EQ(Real6ToDouble(written.HBar[2]), -999);
  EXPECT_NEAR(Real6ToDouble(written.HBar[1]), 903, 1e-6);
  EXPECT_NEAR(Real6ToDouble(written.TAmb[5]), 43, 1e-9);
  EXPECT_EQ(s.Location, shown.Location);  // still SI, bit for bit
  EXPECT_EQ(s.UnitSystem, kSI);
  EXPECT_EQ(ReadLocation(path, 4), MakeRecord("CITY 4 ST", 34, {.hBar = 904, .tAmb = 44}));
}

TEST_F(WeatherEditor, ArchiveToAReadOnlyFileSaysSoAndWritesNothing) {
  Load(1, kSI);
  ASSERT_FALSE(session.Begin(s, false));
  SetGridCell(s, 1, 2, "25");
  ASSERT_TRUE(session.ApplyNameAndLatitude(s, "CITY 1 ST", "31"));
  const auto bytes = FileBytes(path);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read);
  const auto message = session.Archive(s);
  ASSERT_TRUE(message);
  EXPECT_EQ(message->rfind("Unexpected file I/O error #", 0), 0u) << *message;
  EXPECT_NE(message->find(" while attempting to open file " + path), std::string::npos);
  EXPECT_EQ(FileBytes(path), bytes);
  EXPECT_EQ(Real6ToDouble(s.Location.TAmb[1]), 25);  // the grid keeps the SI value
}

TEST_F(WeatherEditor, OkTakesTheNameThenRefusesALatitudeThatIsNoNumber) {
  Load(1, kEnglish);
  ASSERT_FALSE(session.Begin(s, false));
  EXPECT_FALSE(session.ApplyNameAndLatitude(s, "RENAMED", "4O"));
  EXPECT_EQ(s.Location.Name(), "RENAMED");
  EXPECT_EQ(Real6ToDouble(s.Location.Latitude), 31);
  EXPECT_FALSE(session.ApplyNameAndLatitude(s, "RENAMED", "123"));
  EXPECT_TRUE(session.ApplyNameAndLatitude(s, std::string(40, 'N'), " -12.25 "));
  EXPECT_EQ(s.Location.Name(), std::string(32, 'N'));
  EXPECT_EQ(Real6ToDouble(s.Location.Latitude), -12.25);
  EXPECT_TRUE(s.Modified);
}

TEST_F(WeatherEditor, EditedHumidityReachesThePoolModelsSkyTemperature) {
  s.SheetKind[1] = 6;
  Load(1, kSI);
  ASSERT_FALSE(session.Begin(s, false));
  const auto sky = s.TSky;
  ASSERT_EQ(SetGridCell(s, 7, 3, "0.02"), CellEdit::Changed);
  ASSERT_TRUE(session.ApplyNameAndLatitude(s, "CITY 1 ST", "31"));
  EXPECT_GT(Real6ToDouble(s.TSky[7]), Real6ToDouble(sky[7]));  // moister air, warmer sky
  EXPECT_EQ(s.TSky[1], sky[1]);
}

}  // namespace
}  // namespace solmon
