#include "core/weather/location_list.h"

#include <gtest/gtest.h>

#include "../support/weather_fixtures.h"
#include "core/weather/weather_file.h"

namespace solmon {
namespace {

using testing::MakeRecord;
using testing::TempDir;
using testing::WriteText;

std::vector<std::string> Texts(const std::vector<LocationListItem>& items) {
  std::vector<std::string> out;
  for (const auto& i : items) out.push_back(i.text);
  return out;
}

std::vector<LocationRecord> Colorado() {
  return {MakeRecord("  DENVER CO ", 39.7), MakeRecord("ALAMOSA CO", 37.4),
          MakeRecord("boulder CO", 40.0), MakeRecord("ZURICH", 47.4)};
}

TEST(LocationList, ByCityIgnoresCaseAndTrimsBlanks) {
  const auto items = BuildLocationList(Colorado(), false);
  EXPECT_EQ(Texts(items),
            (std::vector<std::string>{"ALAMOSA CO", "boulder CO", "DENVER CO", "ZURICH"}));
  EXPECT_EQ(items[0].number, 2);
  EXPECT_EQ(items[2].number, 1);
}

TEST(LocationList, ByStateMovesTheLastWordToTheFront) {
  const auto items = BuildLocationList(Colorado(), true);
  // The rearranged names keep a trailing blank; a name without a blank stays.
  EXPECT_EQ(Texts(items),
            (std::vector<std::string>{"CO ALAMOSA ", "CO boulder ", "CO DENVER ", "ZURICH"}));
  EXPECT_EQ(LocationListText("MADISON WI", true), "WI MADISON ");
  EXPECT_EQ(LocationListText("NEW YORK NY", true), "NY NEW YORK ");
}

TEST(LocationList, HighlightMatchesIgnoringCaseOnly) {
  const auto byCity = BuildLocationList(Colorado(), false);
  EXPECT_EQ(FindLocationItem(byCity, "denver co"), 2);
  // A state-sorted name is not found in the city-sorted list.
  EXPECT_EQ(FindLocationItem(byCity, "CO DENVER "), -1);
  EXPECT_EQ(FindLocationItem(BuildLocationList(Colorado(), true), "CO DENVER "), 2);
}

TEST(LocationList, LocationNumberOutsideTheFileBecomesOne) {
  EXPECT_EQ(ClampLocationIndex(80, 57), 1);
  EXPECT_EQ(ClampLocationIndex(0, 57), 1);
  EXPECT_EQ(ClampLocationIndex(-57, 57), 1);
  EXPECT_EQ(ClampLocationIndex(57, 57), 57);
}

TEST(WeatherFileList, WeatherFilesOfAnyCaseByNameAndOnlyUsableNames) {
  TempDir dir;
  for (const char* name : {"WORLD.WEA", "mine.wea", "US.WEA", "README.txt",
                           "A_VERY_LONG_NAME.WEA"})
    WriteText(dir.File(name), "");
  std::filesystem::create_directory(dir.File("DIR.WEA"));
  const auto files = ListWeatherFiles(dir.Path().string() + "/");
  EXPECT_EQ(files, (std::vector<std::string>{"US.WEA", "WORLD.WEA", "mine.wea"}));
  EXPECT_EQ(WeatherFileListIndex(files, "WORLD.WEA"), 1);
  EXPECT_EQ(WeatherFileListIndex(files, "world.wea"), 0);  // exact names only
  EXPECT_TRUE(ListWeatherFiles(dir.File("missing")).empty());
}

}  // namespace
}  // namespace solmon

namespace solmon {
namespace {

TEST(LocationList, ADamagedRecordEndsTheListWithItsProblem) {
  testing::TempDir dir;
  const std::string path = dir.File("BAD.WEA");
  WriteWeatherFile(path, {testing::MakeRecord("ONE", 1), testing::MakeRecord("TWO", 2),
                          testing::MakeRecord("THREE", 3)});
  std::vector<std::uint8_t> bytes = testing::FileBytes(path);
  bytes[kLocationRecordSize + 2] = 200;  // the second name's length byte
  testing::WriteBytes(path, bytes);
  std::string problem;
  const auto records = ReadLocationsForListing(path, problem);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].Name(), "ONE");
  EXPECT_NE(problem.find("location 2"), std::string::npos) << problem;
  ReadLocationsForListing(dir.File("NONE.WEA"), problem);
  EXPECT_FALSE(problem.empty());
}

}  // namespace
}  // namespace solmon
