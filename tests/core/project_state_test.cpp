#include "core/model/project_state.h"

#include <gtest/gtest.h>

#include "core/model/messages.h"

namespace solmon {
namespace {

class RecordingWindows : public WindowHooks {
 public:
  void HideReportWindows() override { ++hides; }
  int hides = 0;
};

TEST(ProjectState, ParameterBlockLayout) {
  ProjectState s;
  EXPECT_EQ(s.ParamBlock.size(), 5022u);
  s.SetParamValue(2, 3, 4, 100.0);
  const std::size_t at = 1674 + 2 * 186 + 4 * 6;
  EXPECT_EQ(s.ParamBlock[at], 0x87);
  EXPECT_EQ(s.ParamBlock[at + 5], 0x48);
  s.SetParamValue(3, 9, 30, -1.0);  // the very last value of the block
  EXPECT_EQ(s.ParamBlock[5021], 0x80);
  EXPECT_THROW(s.ParamValue(4, 1, 1), std::out_of_range);
  EXPECT_THROW(s.ParamValue(1, 1, 31), std::out_of_range);
}

TEST(ProjectState, SetParamValueRoundsAndKeepsTheRowOnOverflow) {
  ProjectState s;
  s.SetParamValue(1, 2, 8, 0.1);
  EXPECT_NEAR(s.ParamValue(1, 2, 8), 0.1, 1e-12);
  EXPECT_NE(s.ParamValue(1, 2, 8), 0.1);
  s.SetParamValue(1, 2, 8, 60);
  EXPECT_THROW(s.SetParamValue(1, 2, 8, 1e40), Real6Overflow);
  EXPECT_EQ(s.ParamValue(1, 2, 8), 60);
}

TEST(ProjectState, KindsKeepTheirOwnSets) {
  ProjectState s;
  s.SheetKind[1] = 1;
  s.SetParamValue(1, 1, 3, 250);
  s.SheetKind[1] = 2;
  s.SetParamValue(1, 2, 3, 300);
  EXPECT_EQ(s.CurrentParamValue(1, 3), 300);
  s.SheetKind[1] = 1;
  EXPECT_EQ(s.CurrentParamValue(1, 3), 250);
}

TEST(ProjectState, OwnerCodes) {
  EXPECT_EQ(OwnerCode(1, 2, 8), 1208);
  const OwnerAddress a = DecodeOwnerCode(2513);
  EXPECT_EQ(a.sheet, 2);
  EXPECT_EQ(a.kind, 5);
  EXPECT_EQ(a.row, 13);
}

TEST(ProjectState, TableReferencesByValidationKind) {
  // -990 exactly is a reference, a value just above it a number.
  EXPECT_TRUE(IsTableReference(-990));
  EXPECT_FALSE(IsTableReference(-989.999));
  auto r = ProjectState::ResolveReference(7, -1006);  // kind 7 row: monthly table 16
  EXPECT_EQ(r.family, TableFamily::Monthly);
  EXPECT_EQ(r.number, 16);
  r = ProjectState::ResolveReference(16, -1006);
  EXPECT_EQ(r.family, TableFamily::Extra);
  EXPECT_EQ(r.number, 1);
  EXPECT_EQ(ProjectState::ResolveReference(17, -1007).number, 2);
  EXPECT_EQ(ProjectState::ResolveReference(18, -1008).number, 3);
  r = ProjectState::ResolveReference(6, -991);
  EXPECT_EQ(r.family, TableFamily::Monthly);
  EXPECT_EQ(r.number, 1);
  EXPECT_EQ(ProjectState::ResolveReference(-7, -991).family, TableFamily::None);
  EXPECT_EQ(ProjectState::ResolveReference(7, -990).family, TableFamily::None);  // no table 0
  EXPECT_EQ(ProjectState::ResolveReference(7, 12).family, TableFamily::None);
}

TEST(ProjectState, MonthlySlotsFillFromTheFirstAndReuseFreedOnes) {
  ProjectState s;
  EXPECT_EQ(s.AllocateMonthlyTable(), 1);
  EXPECT_EQ(s.AllocateMonthlyTable(), 1);  // still unowned (owner 0)
  (*s.MonthlyTables[1])[0] = DoubleToReal6(1208);
  EXPECT_EQ(s.AllocateMonthlyTable(), 2);
  (*s.MonthlyTables[2])[0] = DoubleToReal6(1209);
  s.FreeMonthlyTable(1);
  EXPECT_EQ(s.TableOwner(1), -1);
  EXPECT_EQ(s.AllocateMonthlyTable(), 1);
}

TEST(ProjectState, AllSlotsOwnedHandsOutTheLastAgain) {
  ProjectState s;
  for (int i = 1; i <= kMonthlySlots; ++i) {
    const int n = s.AllocateMonthlyTable();
    EXPECT_EQ(n, i);
    (*s.MonthlyTables[n])[0] = DoubleToReal6(1100 + i);
    (*s.MonthlyTables[n])[5] = DoubleToReal6(i);
  }
  EXPECT_EQ(s.AllocateMonthlyTable(), 18);
  EXPECT_EQ(s.TableOwner(18), 1118);  // the table is reused as it is
  EXPECT_EQ(Real6ToDouble((*s.MonthlyTables[18])[5]), 18);
}

TEST(ProjectState, ReleaseOtherOwnersKeepsOneTablePerRow) {
  ProjectState s;
  for (int i = 1; i <= 3; ++i) {
    s.MonthlyTables[i] = ValueTable{};
    (*s.MonthlyTables[i])[0] = DoubleToReal6(1203);
  }
  s.ReleaseOtherOwners(2, 1203);
  EXPECT_EQ(s.TableOwner(1), -1);
  EXPECT_EQ(s.TableOwner(2), 1203);
  EXPECT_EQ(s.TableOwner(3), -1);
}

TEST(ProjectState, InvalidateResultsHidesTheReports) {
  ProjectState s;
  s.InvalidateResults();  // no windows: nothing to hide
  RecordingWindows windows;
  s.SetWindows(&windows);
  s.ResultsValid = true;
  s.InvalidateResults();
  EXPECT_FALSE(s.ResultsValid);
  EXPECT_EQ(windows.hides, 1);
  s.MarkModified();
  EXPECT_TRUE(s.Modified);
}

TEST(Messages, OwnTextsForCalculationNumbersErrorFormOtherwise) {
  for (int n = 30; n <= 38; ++n) {
    if (n == 32) continue;
    EXPECT_NE(MessageText(n).rfind("Error #", 0), 0u) << n;
  }
  EXPECT_EQ(MessageText(32), "Error #32");
  EXPECT_EQ(MessageText(7), "Error #7");
  EXPECT_EQ(MessageBoxKindOf(5).caption, "Save File Confirmation");
  EXPECT_EQ(MessageBoxKindOf(5).buttons.size(), 3u);
  EXPECT_EQ(MessageBoxKindOf(7).caption, "Import Data Confirmation");
  EXPECT_EQ(MessageBoxKindOf(4).caption, "Parameter Input Error");
  EXPECT_THROW(MessageBoxKindOf(8), std::out_of_range);
}

}  // namespace
}  // namespace solmon
