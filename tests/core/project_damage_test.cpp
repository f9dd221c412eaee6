// Damaged project files: every read gives either a usable project or a clear
// error, never a crash, and a failed read leaves the open project alone.

#include <gtest/gtest.h>

#include <random>

#include "core/files/project_file.h"
#include "../support/project_fixtures.h"

namespace solmon {
namespace {

using Image = std::vector<std::uint8_t>;
using testing::ReadImage;
using testing::SampleProject;

// After a successful read the project can be written and read again to the
// same bytes.
void ExpectUsable(ProjectState& s) {
  const Image again = ProjectImage(s);
  ProjectState t;
  ReadImage(t, again);
  EXPECT_EQ(ProjectImage(t), again);
}

TEST(DamagedProject, CutAtEveryOffset) {
  const Image full = ProjectImage(SampleProject());
  const std::size_t plotSectionAt = full.size() - [&] {
    ProjectState p = SampleProject();
    const std::size_t with = ProjectImage(p).size();
    p.Plots.DisposeAllPlots();
    return with - (ProjectImage(p).size() - 4);
  }();
  ProjectState open = SampleProject();
  const Image before = ProjectImage(open);
  for (std::size_t n = 0; n < full.size(); ++n) {
    const Image cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    if (n == plotSectionAt) {  // ends right after the extra tables: no plots
      ProjectState s;
      ReadImage(s, cut);
      EXPECT_EQ(s.Plots.Count(), 0);
      continue;
    }
    EXPECT_THROW(ReadImage(open, cut), ProjectFileError) << "cut at " << n;
  }
  EXPECT_EQ(ProjectImage(open), before);
}

TEST(DamagedProject, RandomByteFlips) {
  const Image full = ProjectImage(SampleProject());
  std::mt19937 rng(20240601);
  std::uniform_int_distribution<std::size_t> where(0, full.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  int read = 0, refused = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    Image damaged = full;
    const int flips = 1 + trial % 4;
    for (int i = 0; i < flips; ++i) damaged[where(rng)] = static_cast<std::uint8_t>(byte(rng));
    // Half of the trials aim at the counts and the plot section, where damage matters most.
    if (trial % 2) damaged[testing::kMonthlyCountAt + (trial % 7)] ^= 0x80;
    ProjectState s;
    try {
      ReadImage(s, damaged);
      ++read;
      ExpectUsable(s);
    } catch (const ProjectFileError&) {
      ++refused;
    }
  }
  EXPECT_GT(read, 0);
  EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace solmon
