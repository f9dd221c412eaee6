#include "core/files/safe_file.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "core/files/project_file.h"
#include "../support/project_fixtures.h"

namespace solmon {
namespace {

using testing::FileBytes;
using testing::SampleProject;
using testing::TempDir;

// Writes part of the data, then reports a full disk.
class FullDisk : public SaveOps {
 public:
  int Write(std::FILE* f, const std::uint8_t* data, std::size_t size) override {
    SaveOps::Write(f, data, size / 2);
    return ENOSPC;
  }
};

class FailingStep : public SaveOps {
 public:
  explicit FailingStep(int step, int err) : step_(step), err_(err) {}
  int Create(const std::string& p, std::FILE*& f) override {
    return step_ == 0 ? err_ : SaveOps::Create(p, f);
  }
  int Flush(std::FILE* f) override { return step_ == 1 ? err_ : SaveOps::Flush(f); }
  int Rename(const std::string& a, const std::string& b) override {
    return step_ == 2 ? err_ : SaveOps::Rename(a, b);
  }

 private:
  int step_, err_;
};

class SaveFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    path = dir.File("project.SMN");
    ProjectState first = SampleProject();
    WriteProject(first, path);
    previous = FileBytes(path);
    s = SampleProject();
    s.UnitSystem = 0;
    s.Modified = true;
  }
  // The save fails with a message holding `reason`, the old file is intact,
  // no temporary is left behind and the project is still modified.
  void ExpectFailure(SaveOps& ops, const std::string& reason) {
    try {
      WriteProject(s, path, ops);
      FAIL() << "save succeeded";
    } catch (const FileSaveError& e) {
      const std::string m = e.what();
      EXPECT_NE(m.find(path), std::string::npos) << m;
      EXPECT_NE(m.find(reason), std::string::npos) << m;
    }
    EXPECT_EQ(FileBytes(path), previous);
    EXPECT_TRUE(s.Modified);
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++files;
    EXPECT_EQ(files, 1);
  }
  TempDir dir;
  std::string path;
  std::vector<std::uint8_t> previous;
  ProjectState s;
};

TEST_F(SaveFailure, FullDisk) {
  FullDisk ops;
  ExpectFailure(ops, "the disk is full");
}

TEST_F(SaveFailure, ReadOnlyFolder) {
  FailingStep ops(0, EACCES);
  ExpectFailure(ops, "read-only");
}

TEST_F(SaveFailure, FlushAndRename) {
  FailingStep flush(1, EIO);
  ExpectFailure(flush, std::strerror(EIO));
  FailingStep rename(2, EXDEV);
  ExpectFailure(rename, std::strerror(EXDEV));
}

TEST_F(SaveFailure, ReadOnlyFile) {
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  SaveOps ops;
  ExpectFailure(ops, "the file is read-only");
}

TEST_F(SaveFailure, RealReadOnlyFolder) {
  namespace fs = std::filesystem;
  fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  if (std::FILE* probe = std::fopen(dir.File("probe").c_str(), "wb")) {
    std::fclose(probe);
    fs::remove(dir.File("probe"));
    GTEST_SKIP() << "permissions are not enforced for this user";
  }
  SaveOps ops;
  ExpectFailure(ops, "read-only");
}

TEST(SafeFile, NoSuchFolder) {
  TempDir dir;
  const std::string path = dir.File("missing/p.SMN");
  try {
    ReplaceFile(path, std::vector<std::uint8_t>{1, 2, 3});
    FAIL();
  } catch (const FileSaveError& e) {
    EXPECT_NE(std::string(e.what()).find("there is no such folder"), std::string::npos);
  }
}

TEST(SafeFile, ReplacesTheFileAndKeepsItsPermissions) {
  namespace fs = std::filesystem;
  TempDir dir;
  const std::string path = dir.File("p.SMN");
  ReplaceFile(path, std::vector<std::uint8_t>{1, 2, 3});
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // A leftover of a crashed save is neither reused nor a hindrance.
  testing::WriteBytes(path + ".saving~", {9});
  ReplaceFile(path, std::vector<std::uint8_t>{4, 5});
  EXPECT_EQ(FileBytes(path), (std::vector<std::uint8_t>{4, 5}));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(FileBytes(path + ".saving~"), (std::vector<std::uint8_t>{9}));
}

TEST(SafeFile, SaveClearsModified) {
  TempDir dir;
  ProjectState s = SampleProject();
  s.Modified = true;
  WriteProject(s, dir.File("p.SMN"));
  EXPECT_FALSE(s.Modified);
  EXPECT_EQ(FileBytes(dir.File("p.SMN")), ProjectImage(s));
}

}  // namespace
}  // namespace solmon
