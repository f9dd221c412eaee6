#include "core/model/sheet_model.h"

#include <gtest/gtest.h>

#include <set>

#include "../support/sample_project.h"
#include "core/model/validation.h"

namespace solmon {
namespace {

class CountingWindows : public WindowHooks {
 public:
  void HideReportWindows() override { ++hides; }
  int hides = 0;
};

class SheetModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::FillSampleProject(s);
    s.SetWindows(&windows);
  }
  SheetModel Sheet(int w, int kind) {
    s.SheetKind[w] = static_cast<std::int16_t>(kind);
    return SheetModel(s, w);
  }
  ProjectState s;
  CountingWindows windows;
};

// ---- building ---------------------------------------------------------

struct TableId {
  int sheet, kind;
};
class EverySheetKind : public SheetModelTest, public ::testing::WithParamInterface<TableId> {};

TEST_P(EverySheetKind, RowsFollowTheCatalogue) {
  const auto [w, kind] = GetParam();
  SheetModel m = Sheet(w, kind);
  const int n = SheetRowCount(w, kind);
  EXPECT_EQ(m.NInfo(), n);
  EXPECT_EQ(m.Title(), SheetTitle(w, kind));
  EXPECT_EQ(s.RowCount[w][kind], n);
  for (int i = 1; i <= n; ++i) {
    const CatalogueRow e = CatalogueEntry(w, kind, i);
    const SheetRow& r = m.Row(i);
    EXPECT_EQ(r.Caption, e.caption);
    EXPECT_EQ(r.HelpNo, e.param + 1000);
    EXPECT_EQ(r.form.Digits, e.digits);
    if (w == 1 && i == 1) {
      EXPECT_EQ(r.Kind, RowKind::Location);
      EXPECT_EQ(r.Text, "MADISON WI");
    } else if (IsChoiceCode(e.code)) {
      EXPECT_EQ(r.Kind, RowKind::Choice);
      EXPECT_EQ(r.TestType(), e.code);
      EXPECT_EQ(r.ValueText(), ChoiceItems(e.code)[ValidationKind(e.code) == 117 ? 1 : 0]);
    } else {
      EXPECT_EQ(r.Kind, RowKind::Numeric);
      EXPECT_EQ(r.TestType(), ValidationKind(e.code));
      EXPECT_EQ(r.CanBeMonthly, e.code >= 0);
      EXPECT_EQ(r.Text, FormatValue(testing::SampleValue(e.code), r.form));
      EXPECT_FALSE(r.IsMonthly);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EverySheetKind,
                         ::testing::Values(TableId{1, 1}, TableId{1, 2}, TableId{1, 3},
                                           TableId{1, 4}, TableId{1, 5}, TableId{1, 6},
                                           TableId{1, 7}, TableId{1, 8}, TableId{1, 9},
                                           TableId{2, 1}, TableId{2, 2}, TableId{2, 3},
                                           TableId{2, 4}, TableId{2, 5}, TableId{3, 1}));

TEST_F(SheetModelTest, TableValuedRowsAreResolvedWhenBuilt) {
  s.SetParamValue(2, 1, 10, -995);   // kind 16: always the first angle table
  s.SetParamValue(3, 1, 28, -990);   // kind 18: the schedule
  s.SetParamValue(1, 2, 7, -993);    // "Daily hot water usage": monthly table 3
  s.SetParamValue(1, 2, 8, -994);    // monthly table 4, which does not exist
  s.SetParamValue(1, 2, 10, -993);   // a single-valued row cannot be monthly
  s.MonthlyTables[3] = ValueTable{};
  SheetModel collector = Sheet(2, 1);
  EXPECT_EQ(collector.Row(10).Text, "Ang Dep");
  EXPECT_EQ(collector.Row(10).EXNo, 16);
  EXPECT_EQ(s.ParamValue(2, 1, 10), -1006);
  SheetModel econ = Sheet(3, 1);
  EXPECT_EQ(econ.Row(28).Text, "Schedule");
  EXPECT_EQ(s.ParamValue(3, 1, 28), -1008);
  SheetModel sys = Sheet(1, 2);
  EXPECT_EQ(sys.Row(7).Text, "Monthly");
  EXPECT_EQ(sys.Row(7).EXNo, 3);
  EXPECT_EQ(s.TableOwner(3), 1207);
  for (int row : {8, 10}) {
    EXPECT_TRUE(sys.Row(row).IsMonthly);
    EXPECT_EQ(sys.Row(row).Text, "");
    EXPECT_EQ(sys.Row(row).EXNo, 0);
  }
}

TEST_F(SheetModelTest, AnAngleReferenceInAMonthlyRowIsAMonthlyTable) {
  s.SetParamValue(1, 2, 8, -1006);  // kind 7: monthly table 16, not an angle table
  s.MonthlyTables[16] = ValueTable{};
  SheetModel m = Sheet(1, 2);
  EXPECT_EQ(m.Row(8).Text, "Monthly");
  EXPECT_EQ(m.Row(8).EXNo, 16);
}

TEST_F(SheetModelTest, ASetInOtherUnitsIsConvertedWhenItsSheetIsBuilt) {
  s.SetParamValue(1, 2, 0, 1);    // English marker
  s.SetParamValue(1, 2, 8, 140);  // F
  s.SetParamValue(1, 2, 7, -991);
  s.MonthlyTables[1] = ValueTable{};
  (*s.MonthlyTables[1])[1] = DoubleToReal6(50);
  s.SetParamValue(1, 1, 0, 1);  // a set not shown keeps its marker
  SheetModel m = Sheet(1, 2);
  EXPECT_EQ(s.ParamValue(1, 2, 0), 0);
  EXPECT_EQ(m.Row(8).Text, "60.0");
  EXPECT_NEAR(s.ParamValue(1, 2, 8), 60.0, 1e-4);
  EXPECT_EQ(m.Row(8).UnitName(m.Units()), "C");
  EXPECT_EQ(m.Row(7).Text, "Monthly");
  EXPECT_EQ(Real6ToDouble((*s.MonthlyTables[1])[1]), 50);  // tables are never converted
  EXPECT_EQ(s.ParamValue(1, 1, 0), 1);
  EXPECT_FALSE(s.Modified);
}

TEST_F(SheetModelTest, UnitSwitchConvertsTheShownTextAndKeepsMonthlyRows) {
  s.UnitSystem = kEnglish;
  s.SetParamValue(1, 2, 0, 1);
  s.SetParamValue(1, 2, 8, 140);
  s.SetParamValue(1, 2, 9, 68.04);  // shown as 68.0, converted from what is shown
  s.SetParamValue(1, 2, 7, -991);
  s.MonthlyTables[1] = ValueTable{};
  SheetModel m = Sheet(1, 2);
  m.ConvertUnits(kEnglish, kSI);
  EXPECT_EQ(m.Row(8).Text, "60.0");
  EXPECT_EQ(m.Row(8).UnitName(m.Units()), "C");
  EXPECT_EQ(m.Row(9).Text, "20.0");
  EXPECT_NEAR(s.ParamValue(1, 2, 9), 20.000016, 1e-6);
  EXPECT_EQ(m.Row(7).Text, "Monthly");
  EXPECT_EQ(s.ParamValue(1, 2, 7), -991);
  EXPECT_EQ(s.ParamValue(1, 2, 0), 0);
  m.ConvertUnits(kSI, kSI);  // nothing
  EXPECT_EQ(m.Row(8).Text, "60.0");
}

TEST_F(SheetModelTest, UnitSwitchKeepsTheStoredValueOfARejectedText) {
  SheetModel m = Sheet(1, 2);
  m.Row(8).Text = "abc";
  m.ConvertUnits(kSI, kEnglish);
  EXPECT_EQ(m.Row(8).Text, "50.0");  // 10 C, not 0 C
}

// ---- choices ------------------------------------------------------------

struct EnablingCase {
  int sheet, kind, row, selection;
  std::set<int> disabled;  // rows of the sheet disabled afterwards
};
class ChoiceEnablingRules : public SheetModelTest,
                            public ::testing::WithParamInterface<EnablingCase> {};

TEST_P(ChoiceEnablingRules, DisabledRows) {
  const EnablingCase& c = GetParam();
  SheetModel m = Sheet(c.sheet, c.kind);
  m.ChoiceChanged(c.row, c.selection);
  std::set<int> disabled;
  for (int i = 1; i <= m.NInfo(); ++i)
    if (!m.Row(i).Enabled()) disabled.insert(i);
  EXPECT_EQ(disabled, c.disabled) << "code " << m.Row(c.row).Code;
}

INSTANTIATE_TEST_SUITE_P(
    EveryCode, ChoiceEnablingRules,
    ::testing::Values(
        EnablingCase{1, 2, 6, 1, {7, 8, 9, 10}},        // 101 "No"
        EnablingCase{1, 2, 6, 0, {}},                   // 101 "Yes"
        EnablingCase{1, 1, 13, 1, {14, 15, 16, 17}},    // 102 greys the leak location choice too
        EnablingCase{1, 1, 17, 2, {}},                  // 103
        EnablingCase{1, 1, 4, 3, {}},                   // 104
        EnablingCase{3, 1, 1, 2, {}},                   // 105
        EnablingCase{2, 2, 7, 1, {}},                   // 106
        EnablingCase{1, 2, 11, 1, {12, 13}},            // 107
        EnablingCase{2, 1, 7, 0, {9, 10}},              // 108 "Glazings"
        EnablingCase{2, 1, 7, 1, {8, 10}},              // 108 "Constant"
        EnablingCase{2, 1, 7, 2, {8, 9}},               // 108 "Value(s)"
        EnablingCase{1, 8, 8, 2, {9, 10}},              // 108 on the ICS sheet
        EnablingCase{2, 1, 13, 1, {14, 15}},            // 110
        EnablingCase{3, 1, 27, 1, {28}},                // 111
        EnablingCase{1, 6, 4, 11, {}},                  // 112
        EnablingCase{1, 6, 6, 0, {7}},                  // 113 "None"
        EnablingCase{1, 6, 6, 2, {}},                   // 113 "Bubble"
        EnablingCase{1, 1, 6, 1, {7, 8, 9, 10, 11, 12}},  // 114
        EnablingCase{1, 6, 9, 0, {10, 11}},             // 115 "Indoor"
        EnablingCase{1, 6, 9, 1, {12, 13}},             // 115 "Outdoor"
        EnablingCase{1, 4, 3, 3, {}},                   // 116
        EnablingCase{2, 1, 8, 4, {}}));                 // 117

TEST_F(SheetModelTest, ChoiceStoresItsNumberAndInvalidatesOnChange) {
  SheetModel m = Sheet(1, 1);
  s.ResultsValid = true;
  EXPECT_FALSE(m.ChoiceChanged(13, 0));  // same as last seen
  EXPECT_TRUE(s.ResultsValid);
  EXPECT_FALSE(s.Modified);
  EXPECT_TRUE(m.ChoiceChanged(13, 1));  // "No"
  EXPECT_FALSE(s.ResultsValid);
  EXPECT_EQ(windows.hides, 1);
  EXPECT_EQ(s.ParamValue(1, 1, 13), 2);
  EXPECT_TRUE(s.Modified);
  m.ChoiceChanged(13, 0);  // back to "Yes": the duct rows come back with their values
  EXPECT_TRUE(m.Row(14).Enabled());
  EXPECT_EQ(m.Row(14).Text, "10.00");
}

TEST_F(SheetModelTest, GlassCoverListStoresTheItemItself) {
  s.SetParamValue(2, 1, 8, 0);
  SheetModel flat = Sheet(2, 1);
  EXPECT_EQ(flat.Row(8).Selection, 0);
  flat.ChoiceChanged(8, 3);
  EXPECT_EQ(s.ParamValue(2, 1, 8), 3);
  s.SetParamValue(1, 8, 9, 1);
  SheetModel ics = Sheet(1, 8);  // the ICS list 116 stores 1 for "1"
  EXPECT_EQ(ics.Row(9).ValueText(), "1");
}

TEST_F(SheetModelTest, AStoredChoiceNamingNoItemShowsNoneAndIsNotRewritten) {
  s.SetParamValue(1, 1, 4, 9);
  SheetModel m = Sheet(1, 1);
  EXPECT_EQ(m.Row(4).Selection, -1);
  m.ApplyAllChoices();
  EXPECT_EQ(s.ParamValue(1, 1, 4), 9);
  EXPECT_EQ(m.Row(4).ValueText(), "");
}

// ---- commit -------------------------------------------------------------

TEST_F(SheetModelTest, AcceptedValueIsStoredAndInvalidatesResults) {
  SheetModel m = Sheet(1, 2);
  s.ResultsValid = true;
  m.Row(5).Text = "85.5";
  EXPECT_EQ(m.GetValue(5, 0), CommitOutcome::Stored);
  EXPECT_EQ(s.ParamValue(1, 2, 5), 85.5);
  EXPECT_TRUE(s.Modified);
  EXPECT_FALSE(s.ResultsValid);
  EXPECT_EQ(windows.hides, 1);
  s.Modified = false;
  s.ResultsValid = true;
  EXPECT_EQ(m.GetValue(5, 0), CommitOutcome::Unchanged);
  m.Row(7).Text = "10.0";  // as stored (10), and 0.1 rounding does not count as a change
  EXPECT_EQ(m.GetValue(7, 0), CommitOutcome::Unchanged);
  EXPECT_FALSE(s.Modified);
  EXPECT_TRUE(s.ResultsValid);
}

struct RejectCase {
  int row;  // of the water-storage system sheet
  const char* text;
  const char* message;
};
class RejectedTexts : public SheetModelTest, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(RejectedTexts, LeaveTheProjectUnchanged) {
  const RejectCase& c = GetParam();
  SheetModel m = Sheet(1, 2);
  const double before = s.ParamValue(1, 2, c.row);
  m.Row(c.row).Text = c.text;
  EXPECT_EQ(m.GetValue(c.row, 5000), CommitOutcome::Rejected);
  EXPECT_EQ(s.ErrorMessage, c.message);
  EXPECT_TRUE(m.Row(c.row).HasError);
  EXPECT_EQ(s.ParamValue(1, 2, c.row), before);
  EXPECT_FALSE(s.Modified);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, RejectedTexts,
    ::testing::Values(RejectCase{5, "", "This field is empty"},
                      RejectCase{5, "1,5", "Illegal characters have been entered."},
                      RejectCase{5, "100.6", "This parameter must be >= 0.00 and <= 100.00"},
                      RejectCase{2, "10", "This parameter must be >= 37.50 and <= 300.00"},
                      RejectCase{3, "-1", "Set Building UA to zero to signify a DHW system with "
                                          "no space heating."},
                      RejectCase{7, "0", "This parameter must have a positive value."},
                      RejectCase{8, "-2", "This parameter value must >= 0."},
                      RejectCase{8, "1e40", "This value is too large to be stored."}));

TEST_F(SheetModelTest, ARejectionIsNotRepeatedWithinOneSecond) {
  SheetModel m = Sheet(1, 2);
  m.Row(5).Text = "150";
  EXPECT_EQ(m.GetValue(5, 10'000), CommitOutcome::Rejected);
  m.MarkRejected(5, 12'000);  // after the message was closed
  EXPECT_EQ(m.GetValue(5, 12'500), CommitOutcome::Swallowed);
  EXPECT_TRUE(m.Row(5).HasError);
  EXPECT_EQ(m.GetValue(5, 11'100), CommitOutcome::Swallowed);  // either direction
  EXPECT_EQ(m.GetValue(5, 13'000), CommitOutcome::Rejected);
  m.MarkRejected(5, 13'000);
  // A corrected text is a new entry: stored at once, not lost to the guard.
  m.Row(5).Text = "90";
  EXPECT_EQ(m.GetValue(5, 13'100), CommitOutcome::Stored);
  EXPECT_FALSE(m.Row(5).HasError);
  EXPECT_EQ(m.StoredValue(5), 90);
  // A new wrong text is checked at once too, and then guarded in its turn.
  m.Row(5).Text = "101";
  EXPECT_EQ(m.GetValue(5, 13'200), CommitOutcome::Rejected);
  m.MarkRejected(5, 13'200);
  m.Row(5).Text = "102";
  EXPECT_EQ(m.GetValue(5, 13'300), CommitOutcome::Rejected);
  m.MarkRejected(5, 13'300);
  EXPECT_EQ(m.GetValue(5, 13'400), CommitOutcome::Swallowed);
  EXPECT_EQ(m.StoredValue(5), 90);
}

TEST_F(SheetModelTest, LocationAndTableFieldsAreNotCommitted) {
  s.SetParamValue(1, 2, 7, -991);
  s.MonthlyTables[1] = ValueTable{};
  SheetModel m = Sheet(1, 2);
  m.Row(1).Text = "";
  EXPECT_EQ(m.GetValue(1, 0), CommitOutcome::NotCommitted);
  EXPECT_EQ(m.GetValue(7, 0), CommitOutcome::NotCommitted);
  EXPECT_EQ(s.ParamValue(1, 2, 7), -991);
}

TEST_F(SheetModelTest, AFieldOfAMissingTableTakesANumber) {
  s.SetParamValue(1, 2, 7, -994);
  SheetModel m = Sheet(1, 2);
  m.Row(7).Text = "150";
  EXPECT_EQ(m.GetValue(7, 0), CommitOutcome::Stored);
  EXPECT_FALSE(m.Row(7).IsMonthly);
  EXPECT_EQ(s.ParamValue(1, 2, 7), 150);
}

// ---- monthly values -----------------------------------------------------

TEST_F(SheetModelTest, MonthlyOkMakesTheRowMonthly) {
  s.SetParamValue(1, 2, 7, 200);
  SheetModel m = Sheet(1, 2);
  MonthlyDialogData d = m.OpenMonthly(7);
  ASSERT_EQ(d.N, 12);
  EXPECT_EQ(d.Captions[1], "Jan");
  EXPECT_EQ(d.Captions[12], "Dec");
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(d.Entries[k], "200.0");
  const int n = m.Row(7).EXNo;
  ASSERT_GE(n, 1);
  d.Entries[3] = "150";
  ASSERT_TRUE(m.AcceptMonthly(7, d.Entries).ok());
  EXPECT_EQ(m.Row(7).Text, "Monthly");
  EXPECT_TRUE(m.Row(7).IsMonthly);
  EXPECT_EQ(s.ParamValue(1, 2, 7), -990 - n);
  EXPECT_EQ(s.TableOwner(n), 1207);
  EXPECT_EQ(Real6ToDouble((*s.MonthlyTables[n])[3]), 150);
  EXPECT_EQ(Real6ToDouble((*s.MonthlyTables[n])[4]), 200);
  EXPECT_TRUE(s.Modified);
}

TEST_F(SheetModelTest, MonthlyOkKeepsTheDialogOnABadEntry) {
  SheetModel m = Sheet(1, 2);
  MonthlyDialogData d = m.OpenMonthly(5);  // efficiency, 0..100
  d.Entries[2] = "x";
  EXPECT_EQ(m.AcceptMonthly(5, d.Entries).entry, 2);
  d.Entries[2] = "50";
  d.Entries[6] = "120";
  const EntryProblem p = m.AcceptMonthly(5, d.Entries);
  EXPECT_EQ(p.entry, 6);
  EXPECT_EQ(p.message, "This parameter must be >= 0.00 and <= 100.00");
  EXPECT_FALSE(m.Row(5).IsMonthly);
  EXPECT_EQ(s.ParamValue(1, 2, 5), 50);
}

TEST_F(SheetModelTest, MonthlyConstantFreesTheTable) {
  SheetModel m = Sheet(1, 2);
  MonthlyDialogData d = m.OpenMonthly(7);
  ASSERT_TRUE(m.AcceptMonthly(7, d.Entries).ok());
  const int n = m.Row(7).EXNo;
  d = m.OpenMonthly(7);
  int focus = 0;
  EXPECT_FALSE(m.ConstantMonthly(7, "abc", focus).ok());
  ASSERT_TRUE(m.ConstantMonthly(7, "180", focus).ok());
  EXPECT_EQ(focus, 7);
  EXPECT_EQ(m.Row(7).Text, "180");
  EXPECT_FALSE(m.Row(7).IsMonthly);
  EXPECT_EQ(m.Row(7).EXNo, 0);
  EXPECT_EQ(s.ParamValue(1, 2, 7), 180);
  EXPECT_EQ(s.TableOwner(n), -1);
}

TEST_F(SheetModelTest, MonthlyCancelLeavesAnOrdinaryField) {
  SheetModel m = Sheet(1, 2);
  const MonthlyDialogData d = m.OpenMonthly(7);
  m.CancelMonthly(7, d);
  EXPECT_EQ(m.Row(7).EXNo, 0);
  EXPECT_EQ(m.Row(7).Text, "10.0");
  EXPECT_EQ(s.ParamValue(1, 2, 7), 10);
  m.Row(7).Text = "12";
  EXPECT_EQ(m.GetValue(7, 0), CommitOutcome::Stored);
}

TEST_F(SheetModelTest, MonthlyOpenOnATextThatIsNoNumberBeeps) {
  SheetModel m = Sheet(1, 2);
  m.Row(7).Text = "x";
  EXPECT_TRUE(m.OpenMonthly(7).Beep);
}

TEST_F(SheetModelTest, AngleTableConstantGoesToTheConstantRow) {
  s.SetParamValue(2, 1, 7, 3);  // "Value(s)"
  s.SetParamValue(2, 1, 10, -1006);
  SheetModel m = Sheet(2, 1);
  m.ApplyAllChoices();
  MonthlyDialogData d = m.OpenMonthly(10);
  ASSERT_EQ(d.N, 10);
  EXPECT_EQ(d.Captions[1], "0\u00B0");
  EXPECT_EQ(d.Captions[10], "90\u00B0");
  int focus = 0;
  ASSERT_TRUE(m.ConstantMonthly(10, "0.1", focus).ok());
  EXPECT_EQ(focus, 9);
  EXPECT_EQ(s.ParamValue(2, 1, 9), Real6ToDouble(DoubleToReal6(0.1)));
  EXPECT_EQ(m.Row(9).Text, "0.100");
  EXPECT_EQ(m.Row(7).Selection, 1);
  EXPECT_EQ(s.ParamValue(2, 1, 7), 2);
  EXPECT_TRUE(m.Row(9).Enabled());
  EXPECT_FALSE(m.Row(10).Enabled());
  EXPECT_EQ(m.Row(10).Text, "Ang Dep");
  EXPECT_TRUE(m.Row(10).IsMonthly);
  EXPECT_EQ(s.ParamValue(2, 1, 10), -1006);
  // The constant row keeps its own rule.
  EXPECT_EQ(m.ConstantMonthly(10, "0.6", focus).message,
            "The incidence angle modifier constant should be between -0.1 and 0.5");
}

TEST_F(SheetModelTest, DepreciationScheduleGoesToTheThirdExtraTable) {
  SheetModel m = Sheet(3, 1);
  MonthlyDialogData d = m.OpenMonthly(28);
  ASSERT_EQ(d.N, 10);
  EXPECT_EQ(d.Captions[1], "Year 1");
  EXPECT_EQ(d.Captions[10], "Year 10");
  for (int k = 1; k <= 10; ++k) d.Entries[k] = std::to_string(k * 2);
  ASSERT_TRUE(m.AcceptMonthly(28, d.Entries).ok());
  EXPECT_EQ(m.Row(28).Text, "Schedule");
  EXPECT_EQ(m.Row(28).EXNo, 18);
  EXPECT_EQ(s.ParamValue(3, 1, 28), -1008);
  EXPECT_EQ(Real6ToDouble(s.ExtraTables[3][10]), 20);
  EXPECT_FALSE(s.MonthlyTables[18].has_value());
}

TEST(PrepareCurrentSheets, ConvertsOnlyTheSheetsOfTheCurrentKinds) {
  ProjectState s;
  testing::FillSampleProject(s);
  s.SheetKind = {0, 2, 3, 0};
  s.UnitSystem = kEnglish;
  PrepareCurrentSheets(s);
  EXPECT_EQ(s.ParamValue(1, 2, 0), 1);
  EXPECT_NEAR(s.ParamValue(1, 2, 8), 50.0, 1e-4);  // 10 C
  EXPECT_EQ(s.ParamValue(2, 3, 0), 1);
  EXPECT_EQ(s.ParamValue(2, 1, 0), 0);
  EXPECT_EQ(s.ParamValue(3, 1, 0), 0);  // economics off
}

}  // namespace
}  // namespace solmon
