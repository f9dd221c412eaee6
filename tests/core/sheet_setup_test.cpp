#include "core/model/sheet_setup.h"

#include <gtest/gtest.h>

#include "calc_fixture.h"
#include "core/model/units.h"

namespace solmon {
namespace {

using testing::SampleProject;
using testing::Set;

TEST(SheetSetup, SetInOtherUnitsIsConvertedAsTheSheetShowsIt) {
  ProjectState s = SampleProject(0);
  Set(s, 1, 2, 0, 1);  // the water-storage set holds English values
  Set(s, 1, 2, 8, 140);
  Set(s, 1, 2, 7, 79.26);  // shown with one decimal: 79.3
  Set(s, 1, 2, 9, -993);   // table-valued
  Set(s, 1, 1, 0, 1);      // another kind: not built
  Set(s, 1, 1, 8, 140);
  const double fuel = s.ParamValue(1, 2, 4);
  PrepareCurrentSheets(s);
  EXPECT_EQ(s.ParamValue(1, 2, 0), 0);
  EXPECT_EQ(s.ParamValue(1, 2, 8), Real6ToDouble(DoubleToReal6(ToSI(140, 0.555556, 32))));
  EXPECT_NEAR(s.ParamValue(1, 2, 8), 60, 1e-4);
  const Unit liters = UnitEntry(10);
  EXPECT_EQ(s.ParamValue(1, 2, 7), Real6ToDouble(DoubleToReal6(ToSI(79.3, liters.factor, 0))));
  EXPECT_EQ(s.ParamValue(1, 2, 9), -993);
  EXPECT_EQ(s.ParamValue(1, 2, 4), fuel);  // a choice
  EXPECT_EQ(s.ParamValue(1, 1, 8), 140);
  EXPECT_EQ(s.ParamValue(1, 1, 0), 1);
}

TEST(SheetSetup, AngleModifierRowsAreNotConverted) {
  ProjectState s = SampleProject(0);
  s.SheetKind[2] = 2;
  Set(s, 2, 2, 0, 1);
  const double perpendicular = s.ParamValue(2, 2, 8), parallel = s.ParamValue(2, 2, 9);
  const double flow = 11.06;  // lb/hr-ft^2
  Set(s, 2, 2, 10, flow);
  PrepareCurrentSheets(s);
  EXPECT_EQ(s.ParamValue(2, 2, 8), perpendicular);
  EXPECT_EQ(s.ParamValue(2, 2, 9), parallel);
  const Unit u = UnitEntry(29);
  EXPECT_EQ(s.ParamValue(2, 2, 10), Real6ToDouble(DoubleToReal6(ToSI(11.060, u.factor, 0))));
}

TEST(SheetSetup, TableReferencesAreResolvedAsTheSheetsShowThem) {
  ProjectState s = SampleProject(0);
  s.SheetKind[3] = 1;
  Set(s, 2, 1, 10, -995);  // modifier values: the angle table
  Set(s, 3, 1, 28, -991);  // depreciation: the schedule
  Set(s, 1, 2, 3, -993);   // building UA: monthly table 3, claimed by this row
  ValueTable t{};
  t[0] = DoubleToReal6(9999);
  s.MonthlyTables[3] = t;
  Set(s, 1, 2, 14, -996);  // a reference to an empty slot stays as it is
  Set(s, 1, 2, 10, -993);  // a row that cannot be monthly claims nothing
  PrepareCurrentSheets(s);
  EXPECT_EQ(s.ParamValue(2, 1, 10), -1006);
  EXPECT_EQ(s.ParamValue(3, 1, 28), -1008);
  EXPECT_EQ(s.TableOwner(3), 1203);
  EXPECT_EQ(s.ParamValue(1, 2, 14), -996);
  EXPECT_EQ(s.ParamValue(1, 2, 10), -993);
}

TEST(SheetSetup, ValueBeyondTheRangeLeavesTheSetAsItWas) {
  ProjectState s = SampleProject(0);
  Set(s, 1, 2, 0, 1);
  Set(s, 1, 2, 2, 1e37);  // gallons/ft^2 to liters/m^2 overflows the six-byte range
  const auto block = s.ParamBlock;
  EXPECT_THROW(PrepareCurrentSheets(s), Real6Overflow);
  EXPECT_EQ(s.ParamBlock, block);
}

}  // namespace
}  // namespace solmon
