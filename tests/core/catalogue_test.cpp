#include "core/model/catalogue.h"

#include <gtest/gtest.h>

#include "core/model/project_state.h"
#include "core/model/units.h"

namespace solmon {
namespace {

TEST(Catalogue, FifteenTablesFitTheParameterSets) {
  int tables = 0;
  for (int sheet = 1; sheet <= 3; ++sheet)
    for (int kind = 1; kind <= kKindsPerSheet; ++kind) {
      if (!SheetKindExists(sheet, kind)) {
        EXPECT_THROW(SheetTitle(sheet, kind), std::out_of_range);
        continue;
      }
      ++tables;
      const int n = SheetRowCount(sheet, kind);
      EXPECT_LE(n, kValuesPerSet - 1);
      for (int row = 1; row <= n; ++row) {
        const CatalogueRow r = CatalogueEntry(sheet, kind, row);
        EXPECT_NO_THROW(UnitEntry(r.unit)) << sheet << kind << row;
        if (IsChoiceCode(r.code)) {
          EXPECT_FALSE(ChoiceItems(r.code).empty());
        }
      }
      EXPECT_THROW(SheetRowText(sheet, kind, n + 1), std::out_of_range);
    }
  EXPECT_EQ(tables, 15);
  EXPECT_EQ(SheetRowCount(3, 1), 28);
}

TEST(Catalogue, HeaderAndRowFields) {
  EXPECT_EQ(SheetRowText(1, 1, 0), "Pebble Bed Storage System|17|-256|8|0|19456|TRUE");
  EXPECT_EQ(SheetTitle(2, 3), "Compound Parabolic Concentrator");
  const CatalogueRow r = CatalogueEntry(1, 6, 15);
  EXPECT_EQ(r.caption, "Heater Capacity");
  EXPECT_EQ(r.unit, 36);
  EXPECT_EQ(r.code, 7);
  EXPECT_EQ(r.digits, 0);
  EXPECT_EQ(r.param, 122);
  EXPECT_EQ(CatalogueEntry(1, 8, 8).code, -108);
}

TEST(Catalogue, CaptionsKeepTheirSpacesAndPunctuation) {
  EXPECT_EQ(CatalogueEntry(1, 2, 6).caption, "Domestic hot water)");
  EXPECT_EQ(CatalogueEntry(3, 1, 2).caption, "Cost per unit area ");
  EXPECT_EQ(CatalogueEntry(1, 6, 10).caption, "% of time shaded ");
  EXPECT_EQ(CatalogueEntry(1, 1, 12).caption, "     Air-water heat exch effectiveness ");
  EXPECT_EQ(CatalogueEntry(2, 1, 8).caption, "    Number of glass covers");
}

TEST(Catalogue, RowNatures) {
  EXPECT_EQ(RowNatureOf(1, 1, CatalogueEntry(1, 4, 1).code), RowNature::Location);
  EXPECT_EQ(RowNatureOf(1, 4, CatalogueEntry(1, 1, 4).code), RowNature::Choice);
  EXPECT_EQ(RowNatureOf(2, 1, CatalogueEntry(2, 1, 1).code), RowNature::Numeric);
  EXPECT_EQ(RowNatureOf(1, 8, -116), RowNature::Choice);
  const int tankEnv = CatalogueEntry(1, 7, 10).code;  // "Tank environment temperature"
  EXPECT_EQ(tankEnv, 0);
  EXPECT_TRUE(CodeCanBeMonthly(tankEnv));
  EXPECT_FALSE(CodeCanBeMonthly(CatalogueEntry(2, 1, 1).code));
}

TEST(ChoiceLists, StoredNumbers) {
  // Flat-plate glass covers (list 117) store the number itself; ICS (116) the 1-based item.
  EXPECT_EQ(ChoiceStoredValue(CatalogueEntry(2, 1, 8).code, 0), 0);
  EXPECT_EQ(ChoiceStoredValue(CatalogueEntry(1, 8, 9).code, 0), 1);
  EXPECT_EQ(ChoiceItems(-117).front(), "0");
  EXPECT_EQ(ChoiceItems(-116).front(), "1");
  EXPECT_EQ(ChoiceSelection(-117, 3.0), 3);
  EXPECT_EQ(ChoiceSelection(-116, 3.0), 2);
  // Yes is 1, No is 2 in every Yes/No list.
  for (int code : {101, 102, 107, 110, 111, 114}) {
    EXPECT_EQ(ChoiceItems(code)[ChoiceSelection(code, 1)], "Yes");
    EXPECT_EQ(ChoiceItems(code)[ChoiceSelection(code, 2)], "No");
  }
  EXPECT_EQ(ChoiceItems(112).size(), 12u);
  EXPECT_EQ(ChoiceItems(104)[3], "Other");
}

bool Enabled(const std::vector<RowSwitch>& s, int off, SwitchTarget t) {
  bool state = false, seen = false;
  for (const auto& x : s)
    if (x.offset == off && x.target == t) state = x.enable, seen = true;
  EXPECT_TRUE(seen) << off;
  return state;
}

TEST(ChoiceLists, EnablingRules) {
  const auto ductsNo = ChoiceEnabling(102, 1);
  for (int off = 1; off <= 4; ++off) {
    EXPECT_FALSE(Enabled(ductsNo, off, SwitchTarget::Edit));
    EXPECT_FALSE(Enabled(ductsNo, off, SwitchTarget::Choice));
  }
  EXPECT_TRUE(Enabled(ChoiceEnabling(102, 0), 4, SwitchTarget::Choice));

  const auto values = ChoiceEnabling(-108, 2);  // "Value(s)"
  EXPECT_FALSE(Enabled(values, 1, SwitchTarget::Choice));
  EXPECT_FALSE(Enabled(values, 2, SwitchTarget::Edit));
  EXPECT_TRUE(Enabled(values, 3, SwitchTarget::Edit));
  const auto glazings = ChoiceEnabling(-108, 0);
  EXPECT_TRUE(Enabled(glazings, 1, SwitchTarget::Choice));
  EXPECT_FALSE(Enabled(glazings, 2, SwitchTarget::Edit));
  EXPECT_TRUE(Enabled(ChoiceEnabling(-108, 1), 2, SwitchTarget::Edit));

  const auto indoor = ChoiceEnabling(115, 0);
  EXPECT_FALSE(Enabled(indoor, 1, SwitchTarget::Edit));
  EXPECT_FALSE(Enabled(indoor, 2, SwitchTarget::Edit));
  EXPECT_TRUE(Enabled(indoor, 3, SwitchTarget::Edit));
  EXPECT_TRUE(Enabled(indoor, 4, SwitchTarget::Edit));
  EXPECT_TRUE(Enabled(ChoiceEnabling(115, 1), 1, SwitchTarget::Edit));

  EXPECT_FALSE(Enabled(ChoiceEnabling(113, 0), 1, SwitchTarget::Edit));
  EXPECT_TRUE(Enabled(ChoiceEnabling(113, 2), 1, SwitchTarget::Edit));
  EXPECT_TRUE(Enabled(ChoiceEnabling(114, 0), 6, SwitchTarget::Edit));
  EXPECT_EQ(ChoiceEnabling(107, 1).size(), 2u);
  EXPECT_TRUE(ChoiceEnabling(104, 0).empty());
}

TEST(ParametricDefaults, BySignedCode) {
  struct Case {
    int code;
    double first, last;
  };
  for (const Case c : {Case{0, 0.1, 0.5}, Case{7, 0.1, 0.9}, Case{2, 1, 35}, Case{3, 4, 25},
                       Case{12, 0.5, 1}, Case{5, 1, 1}, Case{20, 10, 90}, Case{9, 1, 12},
                       Case{21, 0, 0}, Case{13, 10, 80}, Case{15, 5, 10}, Case{19, 1, 24},
                       Case{22, 100, 100}, Case{-13, 0.1, 0.9}, Case{23, 0.1, 0.9}}) {
    const auto r = ParametricDefaults(c.code);
    EXPECT_EQ(r.first, c.first) << c.code;
    EXPECT_EQ(r.last, c.last) << c.code;
  }
}

TEST(Units, TableTextsAndConversions) {
  const Unit temp = UnitEntry(6);
  EXPECT_EQ(temp.si, "C");
  EXPECT_EQ(temp.english, "F");
  EXPECT_EQ(temp.factor, 0.555556);
  EXPECT_EQ(temp.offset, 32);
  EXPECT_DOUBLE_EQ(ToEnglish(20, temp.factor, temp.offset), 20 / 0.555556 + 32);
  EXPECT_DOUBLE_EQ(ToSI(68, temp.factor, temp.offset), (68 - 32) * 0.555556);
  EXPECT_NEAR(ToSI(68, temp.factor, temp.offset), 20.000016, 1e-12);
  const Unit diff = UnitEntry(32);
  EXPECT_NEAR(ToEnglish(10, diff.factor, diff.offset), 18.0, 1e-4);
  EXPECT_EQ(UnitEntry(5).factor, 0.3043);
  EXPECT_EQ(UnitEntry(21).factor, 0.3043);
  EXPECT_EQ(UnitEntry(3).factor, 1.73064);
  EXPECT_EQ(UnitEntry(36).factor, 0.0002931);
  EXPECT_EQ(UnitEntry(37).english, "Btu/ft^2-day");
  EXPECT_EQ(UnitEntry(1).si, "");
  EXPECT_THROW(UnitEntry(0), std::out_of_range);
  EXPECT_THROW(UnitEntry(38), std::out_of_range);
}

}  // namespace
}  // namespace solmon
