#include "core/weather/weather_file.h"

#include <gtest/gtest.h>

#include <random>

#include "../support/weather_fixtures.h"
#include "core/model/units.h"

namespace solmon {
namespace {

using testing::FileBytes;
using testing::MakeRecord;
using testing::TempDir;
using testing::WriteBytes;

std::vector<LocationRecord> ThreeLocations() {
  return {MakeRecord("PHOENIX AZ", 33.45), MakeRecord("CHICAGO IL", 41.77),
          MakeRecord("A TWENTY CHARACTER N", -33.95)};
}

ProjectState ProjectIn(const TempDir& dir, const std::string& file) {
  ProjectState s;
  s.SheetKind[1] = 1;
  s.UnitSystem = kEnglish;
  s.ProgramDir = dir.Path().string() + "/";
  s.WeatherFileName = file;
  return s;
}

bool SameLocation(const ProjectState& a, const ProjectState& b) {
  return a.Location == b.Location && a.DegDays == b.DegDays && a.TSky == b.TSky &&
         a.TSigma == b.TSigma && a.TMean == b.TMean;
}

TEST(WeatherFile, ThreeLocationsFillExactly1365Bytes) {
  TempDir dir;
  const std::string path = dir.File("THREE.WEA");
  WriteWeatherFile(path, ThreeLocations());
  EXPECT_EQ(std::filesystem::file_size(path), 1365u);
  EXPECT_EQ(CountLocations(path), 3);
  // Location 3 starts at byte 910: its name length byte sits at 912.
  const std::vector<std::uint8_t> bytes = FileBytes(path);
  EXPECT_EQ(bytes[912], 20);
  EXPECT_EQ(std::string(bytes.begin() + 913, bytes.begin() + 933), "A TWENTY CHARACTER N");
  EXPECT_EQ(ReadLocation(path, 3), ThreeLocations()[2]);
  EXPECT_EQ(ReadLocation(path, 3).Name(), "A TWENTY CHARACTER N");
  EXPECT_EQ(ReadWeatherFile(path), ThreeLocations());
}

TEST(WeatherFile, WriteLocationReplacesOrAppendsOnly) {
  TempDir dir;
  const std::string path = dir.File("THREE.WEA");
  WriteWeatherFile(path, ThreeLocations());
  const LocationRecord halifax = MakeRecord("HALIFAX NS", 44.65);
  WriteLocation(path, 2, halifax);
  WriteLocation(path, 4, halifax);
  EXPECT_EQ(CountLocations(path), 4);
  EXPECT_EQ(ReadLocation(path, 1), ThreeLocations()[0]);
  EXPECT_EQ(ReadLocation(path, 2), halifax);
  EXPECT_EQ(ReadLocation(path, 4), halifax);
  EXPECT_THROW(WriteLocation(path, 6, halifax), WeatherFileError);
  EXPECT_THROW(WriteLocation(path, 0, halifax), WeatherFileError);
  EXPECT_THROW(WriteLocation(dir.File("NONE.WEA"), 1, halifax), WeatherFileError);
  EXPECT_EQ(CountLocations(path), 4);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(WeatherFile, UninterpretedBytesAreCarriedUnchanged) {
  TempDir dir;
  std::vector<std::uint8_t> bytes(455);
  std::mt19937 random(7);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  bytes[2] = 10;  // a valid name length
  WriteBytes(dir.File("RAW.WEA"), bytes);
  const LocationRecord r = ReadLocation(dir.File("RAW.WEA"), 1);
  WriteWeatherFile(dir.File("COPY.WEA"), {r});
  EXPECT_EQ(FileBytes(dir.File("COPY.WEA")), bytes);
}

struct NameCase {
  const char* name;
  bool acceptable;
};

void PrintTo(const NameCase& c, std::ostream* os) {
  for (const char ch : std::string(c.name)) *os << (ch < 0x20 || ch == 0x7f ? '?' : ch);
}

class WeatherFileNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(WeatherFileNames, OnlyBareShortNamesAreAccepted) {
  const NameCase c = GetParam();
  EXPECT_EQ(WeatherFileNameProblem(c.name).empty(), c.acceptable) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WeatherFileNames,
    ::testing::Values(NameCase{"US.WEA", true}, NameCase{"FIFTEEN_CHARS.W", true},
                      NameCase{"SIXTEEN_CHARS.WE", false}, NameCase{"", false},
                      NameCase{"../US.WEA", false}, NameCase{"..", false},
                      NameCase{"dir/US.WEA", false}, NameCase{"dir\\US.WEA", false},
                      NameCase{"C:US.WEA", false}, NameCase{"/etc/passwd", false},
                      NameCase{"US\n.WEA", false}, NameCase{"US\x7f.WEA", false}));

TEST(WeatherFile, PathCutsTheNameTo15BeforeChecking) {
  ProjectState s;
  s.ProgramDir = "/opt/solmon/";
  s.WeatherFileName = "EIGHTEEN_CHARS.WEA";
  EXPECT_EQ(WeatherFilePath(s), "/opt/solmon/EIGHTEEN_CHARS.");
  s.ProgramDir = "/opt/solmon";
  s.WeatherFileName = "US.WEA";
  EXPECT_EQ(WeatherFilePath(s), "/opt/solmon/US.WEA");
  s.WeatherFileName = "../../etc/x";
  EXPECT_THROW(WeatherFilePath(s), WeatherFileError);
}

// Damaged files: every failure is a WeatherFileError with a message, and the
// project keeps the location it had.
struct DamageCase {
  const char* label;
  std::vector<std::uint8_t> (*bytes)();
  int location;
  const char* messagePart;
};

std::vector<std::uint8_t> GoodFile(std::size_t records) {
  std::vector<std::uint8_t> bytes(records * 455);
  for (std::size_t i = 0; i < records; ++i) MakeRecord("X", 40).ToBytes(bytes.data() + i * 455);
  return bytes;
}

void PrintTo(const DamageCase& c, std::ostream* os) {
  *os << c.label;
}

class DamagedWeatherFiles : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedWeatherFiles, GiveAnErrorAndChangeNothing) {
  const DamageCase c = GetParam();
  TempDir dir;
  WriteBytes(dir.File("GOOD.WEA"), GoodFile(1));
  WriteBytes(dir.File("BAD.WEA"), c.bytes());
  ProjectState s = ProjectIn(dir, "GOOD.WEA");
  s.UnitSystem = kSI;
  LoadLocation(s, 1);
  const ProjectState before = s;
  s.WeatherFileName = "BAD.WEA";
  try {
    LoadLocation(s, c.location);
    FAIL() << c.label << " was loaded";
  } catch (const WeatherFileError& e) {
    EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
  }
  EXPECT_TRUE(SameLocation(s, before)) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedWeatherFiles,
    ::testing::Values(
        DamageCase{"truncated",
                   [] {
                     auto b = GoodFile(3);
                     b.resize(1000);
                     return b;
                   },
                   3, "holds 2 locations and 90 trailing bytes"},
        DamageCase{"empty", [] { return std::vector<std::uint8_t>{}; }, 1, "holds 0 locations"},
        DamageCase{"number zero", [] { return GoodFile(2); }, 0, "location 0 is not in"},
        DamageCase{"number past the end", [] { return GoodFile(2); }, 3, "holds 2 locations"},
        DamageCase{"name length 33",
                   [] {
                     auto b = GoodFile(1);
                     b[2] = 33;
                     return b;
                   },
                   1, "name length is 33"},
        DamageCase{"value out of range",
                   [] {
                     auto b = GoodFile(1);
                     b[65 + 6] = 0xFF;  // HBar[1] near 2^126: too large once in SI
                     return b;
                   },
                   1, "out of range"}));

TEST(WeatherFile, UnreadableFilesGiveErrors) {
  TempDir dir;
  ProjectState s = ProjectIn(dir, "MISSING.WEA");
  EXPECT_THROW(LoadLocation(s, 1), WeatherFileError);
  EXPECT_THROW(CountLocations(dir.File("MISSING.WEA")), WeatherFileError);
  std::filesystem::create_directory(dir.File("DIR.WEA"));
  EXPECT_THROW(CountLocations(dir.File("DIR.WEA")), WeatherFileError);
  EXPECT_THROW(ReadLocation(dir.File("DIR.WEA"), 1), WeatherFileError);
  s.WeatherFileName = "../GOOD.WEA";
  EXPECT_THROW(LoadLocation(s, 1), WeatherFileError);
}

TEST(WeatherFile, GarbageNeverCrashes) {
  TempDir dir;
  std::mt19937 random(2024);
  for (int trial = 0; trial < 200; ++trial) {
    std::vector<std::uint8_t> bytes(455 * (1 + trial % 3) + trial % 7);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    WriteBytes(dir.File("JUNK.WEA"), bytes);
    for (const int unit : {kSI, kEnglish}) {
      ProjectState s = ProjectIn(dir, "JUNK.WEA");
      s.UnitSystem = static_cast<std::uint8_t>(unit);
      s.SheetKind[1] = static_cast<std::int16_t>(1 + trial % 9);
      const ProjectState before = s;
      try {
        LoadLocation(s, 1);
      } catch (const WeatherFileError&) {
        EXPECT_TRUE(SameLocation(s, before));
      }
    }
  }
}

}  // namespace
}  // namespace solmon
