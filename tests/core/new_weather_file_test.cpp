#include "core/weather/new_weather_file.h"

#include <gtest/gtest.h>

#include "../support/weather_fixtures.h"
#include "core/weather/monthly_climate.h"
#include "core/weather/weather_file.h"

namespace solmon {
namespace {

using testing::FileBytes;
using testing::MakeRecord;
using testing::TempDir;
using testing::WriteText;

class NewWeatherFile : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteWeatherFile(dir.File("A.WEA"), {MakeRecord("ONE AA", 1), MakeRecord("TWO AA", 2),
                                         MakeRecord("THREE AA", 3)});
    WriteWeatherFile(dir.File("B.wea"), {MakeRecord("FOUR BB", 4)});
  }
  std::string Dir() const { return dir.Path().string() + "/"; }
  TempDir dir, elsewhere;
};

TEST_F(NewWeatherFile, KeepsTheOrderOfCollectingAcrossFiles) {
  const std::vector<CollectedLocation> items = {
      {"A.WEA", 3, "THREE AA"}, {"A.WEA", 1, "ONE AA"}, {"B.wea", 1, "FOUR BB"},
      {"A.WEA", 3, "THREE AA"}};
  EXPECT_EQ(items[2].Text(), "B.wea\\FOUR BB");
  // Saved into another folder, the sources still come from the weather folder.
  const std::string target = elsewhere.File("NEW.wea");
  EXPECT_EQ(SaveNewWeatherFile(Dir(), items, target), 4);
  const auto records = ReadWeatherFile(target);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0], ReadLocation(dir.File("A.WEA"), 3));
  EXPECT_EQ(records[1], ReadLocation(dir.File("A.WEA"), 1));
  EXPECT_EQ(records[2], ReadLocation(dir.File("B.wea"), 1));
  EXPECT_EQ(records[3], records[0]);
}

TEST_F(NewWeatherFile, EmptyCollectionMakesAnEmptyFile) {
  const std::string target = dir.File("EMPTY.WEA");
  EXPECT_EQ(SaveNewWeatherFile(Dir(), {}, target), 0);
  EXPECT_EQ(std::filesystem::file_size(target), 0u);
}

TEST_F(NewWeatherFile, AFailureLeavesTheOldFileOfThatName) {
  const std::string target = dir.File("OLD.WEA");
  WriteText(target, "previous contents");
  const auto bytes = FileBytes(target);
  for (const CollectedLocation& bad :
       {CollectedLocation{"A.WEA", 7, "GONE"}, CollectedLocation{"MISSING.WEA", 1, "X"},
        CollectedLocation{"../A.WEA", 1, "X"}}) {
    EXPECT_THROW(SaveNewWeatherFile(Dir(), {{"A.WEA", 1, "ONE AA"}, bad}, target),
                 WeatherFileError)
        << bad.Text();
    EXPECT_EQ(FileBytes(target), bytes);
  }
}

TEST_F(NewWeatherFile, EpwFilesBecomeNewOrAppendedLocations) {
  const std::string epw = std::string(SOLMON_TEST_DATA) +
                          "/USA_CA_Long.Beach.AP.722970_TMYx.2007-2021.epw";
  const std::string fresh = dir.File("EPW.WEA");
  EpwImportResult r = ImportEpwFiles({epw}, fresh, true);  // appending to nothing: a new file
  EXPECT_EQ(r.kept, 0);
  ASSERT_EQ(r.names.size(), 1u);
  EXPECT_EQ(ReadWeatherFile(fresh).at(0).Name(), r.names[0]);

  const std::string existing = dir.File("A.WEA");
  r = ImportEpwFiles({epw, epw}, existing, true);
  EXPECT_EQ(r.kept, 3);
  const auto records = ReadWeatherFile(existing);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].Name(), "ONE AA");
  EXPECT_EQ(records[4].Name(), r.names[1]);

  // One bad file: nothing is written.
  const std::string bad = dir.File("bad.epw");
  WriteText(bad, "LOCATION,nowhere\n");
  const auto bytes = FileBytes(existing);
  EXPECT_ANY_THROW(ImportEpwFiles({epw, bad}, existing, true));
  EXPECT_EQ(FileBytes(existing), bytes);
  // Without appending the file is replaced.
  ImportEpwFiles({epw}, existing, false);
  EXPECT_EQ(CountLocations(existing), 1);
}

}  // namespace
}  // namespace solmon
