#include "core/files/project_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/model/catalogue.h"
#include "../support/project_fixtures.h"

namespace solmon {
namespace {

using testing::FileBytes;
using testing::ReadImage;
using testing::SampleProject;
using testing::TempDir;
using testing::WriteBytes;
using namespace solmon::testing;  // offsets

using Image = std::vector<std::uint8_t>;

void SetVersion(Image& image, const char* text) {
  std::fill_n(image.begin(), 16, 0);
  std::memcpy(image.data(), text, std::strlen(text));
}

template <class T>
void Put(Image& image, std::size_t at, T v) {
  PutLE(v, image.data() + at);
}

TEST(ProjectFile, StartsWithTheVersionText) {
  const Image image = ProjectImage(SampleProject());
  const Image head(image.begin(), image.begin() + 17);
  EXPECT_EQ(head, (Image{0x35, 0x2E, 0x38, 0x30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
}

TEST(ProjectFile, ReadingAndWritingAgainGivesTheSameBytes) {
  const Image image = ProjectImage(SampleProject());
  ProjectState s;
  const ProjectFileVersion v = ReadImage(s, image);
  EXPECT_EQ(v.number, 580);
  EXPECT_EQ(ProjectImage(s), image);
  EXPECT_EQ(s.Plots, SampleProject().Plots);
  EXPECT_EQ(s.LocationName, "DENVER, COLORADO");

  // Another version's file differs in the version text only.
  Image other = image;
  SetVersion(other, "7.25");
  ProjectState t;
  EXPECT_EQ(ReadImage(t, other).number, 725);
  EXPECT_EQ(ProjectImage(t), image);
}

TEST(ProjectFile, WithoutWindowsTheLayoutIsKept) {
  ProjectState s;
  ReadImage(s, ProjectImage(SampleProject()));
  EXPECT_EQ(s.ActiveSheetNo, 2);
  EXPECT_EQ(s.SheetVisible[1], 1);
  EXPECT_EQ(s.SheetVisible[2], 0);
  EXPECT_EQ(s.SheetRects[2], (SheetRect{50, 25, 470, 341}));
}

class FakeSheets : public WindowHooks {
 public:
  bool SheetWindowExists(int sheet) const override { return sheet <= 2; }
  bool SheetWindowVisible(int sheet) const override { return sheet == 2; }
  SheetRect SheetWindowRect(int sheet) const override {
    return {static_cast<short>(sheet), 2, 3, 4};
  }
  void SetSheetWindowVisible(int sheet, bool visible) override { shown[sheet] = visible; }
  int ActiveSheetWindow() const override { return 0; }  // a report is active
  int VerticalScrollThumbHeight() const override { return 17; }
  std::array<int, 4> shown{-1, -1, -1, -1};
};

TEST(ProjectFile, WindowsGiveTheLayoutWhereTheyExist) {
  FakeSheets windows;
  ProjectState s = SampleProject();
  s.SetWindows(&windows);
  const Image image = ProjectImage(s);
  EXPECT_EQ(GetLE<std::int16_t>(image.data() + kActiveSheetAt), 1);
  EXPECT_EQ(image[kSheetsAt + 2], 0);                            // sheet 1 hidden
  EXPECT_EQ(GetLE<std::int16_t>(image.data() + kSheetsAt + 3), 1);  // its window's left
  EXPECT_EQ(image[kSheetsAt + 13 + 2], 1);                       // sheet 2 shown
  EXPECT_EQ(image[kSheetsAt + 26 + 2], 1);  // sheet 3 has no window: as read
  EXPECT_EQ(GetLE<std::int16_t>(image.data() + kSheetsAt + 26 + 3), -4);

  ProjectState t;
  t.SetWindows(&windows);
  ReadImage(t, image);
  EXPECT_EQ(windows.shown[1], 0);
  EXPECT_EQ(windows.shown[2], 1);
  EXPECT_EQ(windows.shown[3], -1);
}

TEST(ProjectFile, AMissingSheetGetsTheDefaultRectangleAndIsWrittenEmpty) {
  FakeSheets windows;
  ProjectState s = SampleProject();
  s.SheetKind[2] = 0;
  s.SheetKind[3] = 0;
  const Image image = ProjectImage(s);
  ProjectState t;
  t.SetWindows(&windows);
  ReadImage(t, image);
  EXPECT_EQ(t.SheetRects[2], (SheetRect{25, 25, 445, 342}));
  EXPECT_EQ(t.SheetRects[3], (SheetRect{0, 0, 420, 317}));
  EXPECT_EQ(windows.shown[2], 0);
  for (std::size_t at = kSheetsAt + 13 + 2; at < kSheetsAt + 39; ++at)
    EXPECT_EQ(image[at], 0) << at;
}

TEST(ProjectFile, ReadingRules) {
  Image image = ProjectImage(SampleProject());
  Put<std::int16_t>(image, kActiveSheetAt, 7);
  // A leading control character of the weather file name is dropped.
  const char name[] = "\x05SAMPLE.WEA";
  image[kWeatherNameAt] = 11;
  std::memcpy(image.data() + kWeatherNameAt + 1, name, 11);
  ProjectState s;
  ReadImage(s, image);
  EXPECT_EQ(s.ActiveSheetNo, 1);
  EXPECT_EQ(s.WeatherFileName, "SAMPLE.WEA");
  EXPECT_FALSE(s.ResultsValid);

  Put<std::int16_t>(image, kLocationNumberAt, -1);
  ReadImage(s, image);
  EXPECT_EQ(s.LocationName, "All in SAMPLE.WEA");
  image[kWeatherNameAt] = 15;
  std::memcpy(image.data() + kWeatherNameAt + 1, "ABCDEFGHIJK.WEA", 15);
  ReadImage(s, image);
  EXPECT_EQ(s.LocationName, "All in ABCDEFGHIJK.WEA");  // 22 characters at most
}

TEST(ProjectFile, ReadingKeepsModifiedAndClearsResults) {
  ProjectState s;
  s.Modified = true;
  s.ResultsValid = true;
  ReadImage(s, ProjectImage(SampleProject()));
  EXPECT_TRUE(s.Modified);
  EXPECT_FALSE(s.ResultsValid);
}

TEST(ProjectFile, TheHigherSlotKeepsAnOwnerCode) {
  ProjectState p = SampleProject();
  p.MonthlyTables[1]->at(0) = DoubleToReal6(2305);  // slot 18 owns 2305 as well
  ProjectState s;
  ReadImage(s, ProjectImage(p));
  EXPECT_EQ(s.TableOwner(1), -1);
  EXPECT_EQ(s.TableOwner(18), 2305);
  EXPECT_EQ(s.TableOwner(4), -1);
  EXPECT_FALSE(s.MonthlyTables[2].has_value());
}

TEST(ProjectFile, PlotsAreOptional) {
  ProjectState p = SampleProject();
  const Image withPlots = ProjectImage(p);
  p.Plots.DisposeAllPlots();
  Image noSection = ProjectImage(p);
  noSection.resize(noSection.size() - 4);  // the file ends after the extra tables

  ProjectState s;
  ReadImage(s, withPlots);
  ReadImage(s, noSection);  // a project of its own: the plots of the last one are gone
  EXPECT_EQ(s.Plots.Count(), 0);
  ReadImage(s, withPlots, {.skipPlots = true});
  EXPECT_EQ(s.Plots.Count(), 0);
}

// A 5.70 file: eight kinds per sheet and no ICS test conditions.
Image OldFile(const ProjectState& p) {
  Image image = ProjectImage(p);
  SetVersion(image, "5.70");
  Image old(image.begin(), image.begin() + kParamBlockAt);
  for (int sheet = 0; sheet < 3; ++sheet)
    for (int kind = 0; kind < 8; ++kind) {
      const auto set = image.begin() + kParamBlockAt + (sheet * 9 + kind) * 186;
      old.insert(old.end(), set, set + 186);
    }
  old.insert(old.end(), image.begin() + kMonthlyCountAt, image.end());
  return old;
}

TEST(ProjectFile, AVersion570FileGetsKind9FromKind2) {
  ProjectState p = SampleProject();
  p.UnitSystem = 0;
  p.SetParamValue(1, 8, 0, 0);  // the ICS set is in SI units
  const Image old = OldFile(p);
  ASSERT_EQ(old.size(), ProjectImage(p).size() - (kParamBlockSize - kOldParamBlockSize));

  ProjectState s;
  EXPECT_EQ(ReadImage(s, old).number, 570);
  for (int row = 0; row <= 30; ++row) {
    EXPECT_EQ(s.ParamValue(2, 9, row), 0) << row;
    EXPECT_EQ(s.ParamValue(3, 9, row), 0) << row;
    EXPECT_EQ(s.ParamValue(1, 3, row), p.ParamValue(1, 3, row)) << row;
  }
  // Each kind-9 row holds kind 2's value of the same parameter.
  EXPECT_EQ(s.ParamValue(1, 9, 0), p.ParamValue(1, 2, 0));
  for (int row = 1; row <= SheetRowCount(1, 9); ++row) {
    int from = 1;
    while (CatalogueEntry(1, 2, from).param != CatalogueEntry(1, 9, row).param) ++from;
    EXPECT_EQ(s.ParamValue(1, 9, row), p.ParamValue(1, 2, from)) << row;
  }
  EXPECT_EQ(s.ParamValue(1, 9, 2), p.ParamValue(1, 2, 2));   // water volume, not fuel
  EXPECT_EQ(s.ParamValue(1, 9, 14), p.ParamValue(1, 2, 17));  // heat exchanger effectiveness
  EXPECT_EQ(s.ParamValue(1, 9, 15), 0);
  // The ICS test conditions in the SI units of the set.
  EXPECT_NEAR(s.ParamValue(1, 8, 21), 130.0 / 9, 1e-9);
  EXPECT_NEAR(s.ParamValue(1, 8, 23), 243.4, 1e-9);
  EXPECT_EQ(s.ParamValue(1, 8, 25), 16920);
  EXPECT_EQ(s.ParamValue(1, 8, 20), p.ParamValue(1, 8, 20));

  TempDir dir;
  WriteProject(s, dir.File("new.SMN"));
  const Image saved = FileBytes(dir.File("new.SMN"));
  EXPECT_EQ(std::string(saved.begin(), saved.begin() + 5), std::string("5.80\0", 5));
  EXPECT_EQ(saved.size(), ProjectImage(p).size());
  ProjectState again;
  ReadImage(again, saved);
  EXPECT_EQ(ProjectImage(again), saved);
}

TEST(ProjectFile, EnglishIcsTestConditionsBefore650) {
  ProjectState p = SampleProject();  // English
  for (int row = 21; row <= 25; ++row) p.SetParamValue(1, 8, row, 1);
  Image image = ProjectImage(p);
  SetVersion(image, "6.49");
  ProjectState s;
  ReadImage(s, image);
  EXPECT_EQ(s.ParamValue(1, 8, 21), 58);
  EXPECT_NEAR(s.ParamValue(1, 8, 23), 64.3, 1e-9);
  EXPECT_EQ(s.ParamValue(1, 8, 24), 41045);
  SetVersion(image, "6.50");
  ReadImage(s, image);
  EXPECT_EQ(s.ParamValue(1, 8, 21), 1);
}

TEST(ProjectFile, VersionNumbers) {
  int n = 0;
  EXPECT_TRUE(ParseVersionNumber("5.80", n));
  EXPECT_EQ(n, 580);
  EXPECT_TRUE(ParseVersionNumber("580", n));
  EXPECT_EQ(n, 580);
  EXPECT_FALSE(ParseVersionNumber("6.0.1", n));  // only the first "." goes
  for (const char* bad : {"", ".", "5.8a", " 5.80", "99999999999", "5,80"})
    EXPECT_FALSE(ParseVersionNumber(bad, n)) << bad;
}

struct Damage {
  const char* what;
  std::size_t at;
  std::vector<std::uint8_t> bytes;
  const char* message;  // expected in the error
};

class DamagedFile : public ::testing::TestWithParam<Damage> {};

// A damaged file leaves the open project exactly as it was, and the message
// names the file, the field and the byte offset.
TEST_P(DamagedFile, IsRefusedAndChangesNothing) {
  const Damage& d = GetParam();
  Image image = ProjectImage(SampleProject());
  if (d.at == SIZE_MAX) {
    image.resize(image.size() - 1);
  } else {
    std::copy(d.bytes.begin(), d.bytes.end(), image.begin() + d.at);
  }
  ProjectState open = SampleProject();
  open.Modified = true;
  const Image before = ProjectImage(open);
  try {
    ReadImage(open, image, {}, "damaged.SMN");
    FAIL() << "read succeeded";
  } catch (const ProjectFileError& e) {
    EXPECT_NE(std::string(e.what()).find(d.message), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("\"damaged.SMN\""), std::string::npos) << e.what();
  }
  EXPECT_EQ(ProjectImage(open), before);
  EXPECT_EQ(open.Plots, SampleProject().Plots);
  EXPECT_TRUE(open.Modified);
}

constexpr std::size_t kPlotsAt = kMonthlyCountAt + 2 + 3 * 80 + 234;
constexpr std::size_t kLine1At = kPlotsAt + 4 + 941 + 4;

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(
        Damage{"version", 0, {'x', '.', 'y', 0}, "version text at byte 0: \"x.y\""},
        Damage{"units", kUnitAt, {2}, "unit system at byte 16: 2 is outside 0..1"},
        Damage{"system kind", kSheetsAt, {10, 0}, "sheet 1 kind at byte 19: 10 is outside 1..9"},
        Damage{"collector kind", kSheetsAt + 13, {0xFF, 0xFF}, "sheet 2 kind at byte 32: -1"},
        Damage{"name length", kWeatherNameAt, {16}, "weather file name at byte 60"},
        Damage{"name with a path", kWeatherNameAt, {6, '.', '.', '/', 'e', 't', 'c'},
               "weather file name at byte 60"},
        Damage{"monthly count", kMonthlyCountAt, {19, 0}, "monthly table count at byte 5721: 19"},
        Damage{"negative count", kMonthlyCountAt, {0xFF, 0xFF}, "monthly table count at byte 5721: -1"},
        Damage{"slot number", kMonthlyCountAt + 2 + 80, {0, 0}, "monthly table 2 slot number at byte 5803: 0"},
        Damage{"plot count", kPlotsAt, {0xFF, 0xFF, 0xFF, 0x7F}, "plot count at byte 6197: 2147483647 items need"},
        Damage{"line count", kPlotsAt + 4 + 941, {0, 0, 0, 0x80}, "plot 1 line count at byte 7142: -2147483648 is negative"},
        Damage{"points", kLine1At, {0x11, 0x27}, "plot 1, line 1 point count at byte 7146: 10001"},
        Damage{"points past the end", kLine1At, {0x10, 0x27}, "plot 1, line 1 X values at byte 7410: the file ends"},
        Damage{"cut short", SIZE_MAX, {}, "plot 2 text item count at byte 9307: 1 items need at least 148 more bytes but the file has 147"}),
    [](const auto& info) {
      std::string n = info.param.what;
      for (char& c : n) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return n;
    });

TEST(ProjectFile, FileErrorsNameTheFile) {
  TempDir dir;
  ProjectState s;
  EXPECT_THROW(
      {
        try {
          ReadProject(s, dir.File("none.SMN"));
        } catch (const ProjectFileError& e) {
          EXPECT_NE(std::string(e.what()).find("none.SMN\": there is no such file"),
                    std::string::npos);
          throw;
        }
      },
      ProjectFileError);
  EXPECT_THROW(ReadProject(s, dir.Path().string()), ProjectFileError);
}

TEST(ProjectFile, ALineThatLacksItsPointsIsNotWritten) {
  TempDir dir;
  ProjectState s = SampleProject();
  WriteProject(s, dir.File("p.SMN"));
  const Image before = FileBytes(dir.File("p.SMN"));
  s.Modified = true;
  s.Plots.PlotList()[0].Lines[1].Y.pop_back();
  EXPECT_THROW(WriteProject(s, dir.File("p.SMN")), ProjectFileError);
  EXPECT_EQ(FileBytes(dir.File("p.SMN")), before);
  EXPECT_TRUE(s.Modified);
}

}  // namespace
}  // namespace solmon
