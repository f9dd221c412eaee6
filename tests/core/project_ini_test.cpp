#include "core/files/project_ini.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "core/model/catalogue.h"

namespace solmon {
namespace {

std::string ShippedDefaults() {
  std::ifstream in(std::string(SOLMON_SOURCE_DIR) + "/data/defaults.ini");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void ReadText(ProjectState& s, const std::string& text) {
  std::istringstream in(text);
  ReadProjectIni(s, in, "defaults.ini");
}

// The first line matching `pattern` replaced by `line` (or removed when empty).
std::string Edited(const std::string& pattern, const std::string& line) {
  std::string text = ShippedDefaults();
  std::smatch m;
  const std::regex re("^" + pattern + "[^\n]*\n", std::regex::multiline);
  EXPECT_TRUE(std::regex_search(text, m, re)) << pattern;
  return text.replace(m.position(0), m.length(0), line.empty() ? "" : line + "\n");
}

TEST(DefaultsSource, FillsEveryParameterSet) {
  ProjectState s;
  ReadText(s, ShippedDefaults());
  EXPECT_EQ(s.UnitSystem, 0);
  EXPECT_EQ(s.SheetKind, (std::array<std::int16_t, 4>{0, 2, 1, 1}));
  EXPECT_EQ(s.WeatherFileName, "US.WEA");
  EXPECT_EQ(s.LocationIndex, 1);
  EXPECT_EQ(s.SheetRects[2], (SheetRect{560, 0, 1118, 330}));
  // Every row of every set holds something; choices a valid item.
  for (int sheet = 1; sheet <= 3; ++sheet)
    for (int kind = 1; kind <= SheetKindCount(sheet); ++kind)
      for (int row = sheet == 1 ? 2 : 1; row <= SheetRowCount(sheet, kind); ++row) {
        const CatalogueRow r = CatalogueEntry(sheet, kind, row);
        const double v = s.ParamValue(sheet, kind, row);
        if (IsChoiceCode(r.code)) {
          const int i = ChoiceSelection(r.code, v);
          EXPECT_TRUE(i >= 0 && i < static_cast<int>(ChoiceItems(r.code).size()))
              << sheet << " " << kind << " " << row;
        }
      }
  EXPECT_EQ(s.ParamValue(1, 2, 4), 2);  // Fuel: Gas
  EXPECT_EQ(s.ParamValue(2, 1, 8), 1);  // one glass cover (list 117 stores the number itself)
  EXPECT_EQ(s.ParamValue(3, 1, 28), -1008);
  // The ICS test conditions exactly as a reader of a 5.80 file sets them, so
  // that the shipped file reads back unchanged.
  const double ics[] = {130.0 / 9, 130.0 / 9, 243.4, 43305, 16920};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(s.ParamReal6(1, 8, 21 + i), DoubleToReal6(ics[i]));
  EXPECT_NEAR(Real6ToDouble(s.ExtraTables[3][2]), 32, 1e-9);
}

TEST(DefaultsSource, MonthlyTables) {
  const std::string text = Edited("7 = 250  ; Daily hot water usage", "7 = -992  ; Daily hot water usage") +
                           "[monthly 2]\nowner = 1.1.7\nvalues = 1 2 3 4 5 6 7 8 9 10 11 12\n";
  ProjectState s;
  ReadText(s, text);
  EXPECT_EQ(s.ParamValue(1, 1, 7), -992);
  EXPECT_EQ(s.TableOwner(2), 1107);
  EXPECT_EQ(Real6ToDouble((*s.MonthlyTables[2])[12]), 12);
  EXPECT_FALSE(s.MonthlyTables[1].has_value());
}

struct BadSource {
  const char* name;
  const char* pattern;  // line to replace
  const char* line;     // replacement ("" removes it)
  const char* message;
};

class BadDefaultsSource : public ::testing::TestWithParam<BadSource> {};

TEST_P(BadDefaultsSource, IsRefusedWithItsLine) {
  const BadSource& b = GetParam();
  ProjectState s;
  s.UnitSystem = 1;
  const auto before = s.ParamBlock;
  try {
    ReadText(s, Edited(b.pattern, b.line));
    FAIL() << "accepted";
  } catch (const ProjectIniError& e) {
    EXPECT_NE(std::string(e.what()).find(b.message), std::string::npos) << e.what();
    EXPECT_TRUE(std::regex_search(std::string(e.what()), std::regex("^defaults\\.ini:\\d+: ")))
        << e.what();
  }
  EXPECT_EQ(s.UnitSystem, 1);
  EXPECT_EQ(s.ParamBlock, before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDefaultsSource,
    ::testing::Values(
        BadSource{"rule", "5 = 80  ; Efficiency of fuel usage", "5 = 150  ; Efficiency of fuel usage",
                  "This parameter must be >= 0.00 and <= 100.00"},
        BadSource{"caption", "3 = 200  ; Building UA \\(0", "3 = 200  ; Collector area",
                  "must begin with \"Building UA (0 if only DHW)\""},
        BadSource{"missing_row", "17 = In  ; Leak location", "", "lacks row 17 \"Leak location\""},
        BadSource{"no_such_row", "17 = In  ; Leak location", "18 = In  ; Leak location",
                  "\"18\" is no row of Pebble Bed Storage System"},
        BadSource{"choice", "4 = Gas  ; Fuel", "4 = Coal  ; Fuel", "\"Coal\" is none of the choices Elec, Gas, Oil, Other"},
        BadSource{"choice_number", "4 = Gas  ; Fuel", "4 = 5  ; Fuel", "\"5\" is none of the choices"},
        BadSource{"monthly_reference", "3 = 200  ; Building UA \\(W", "3 = -991  ; Building UA",
                  "monthly table 1 does not belong to this row"},
        BadSource{"wrong_extra_table", "28 = -1008", "28 = -1006  ; Commercial depreciation schedule",
                  "refers to its table as -1008"},
        BadSource{"single_valued_row", "2 = 0.25", "2 = -991  ; Pebble bed volume / collector area",
                  "cannot hold a table"},
        BadSource{"weather_name", "weather_file", "weather_file = ../US.WEA", "holds a path"},
        BadSource{"unknown_key", "active_sheet", "active = 1", "[project] has no key \"active\""},
        BadSource{"unknown_section", "\\[extra 3\\]", "[extra 4]", "unknown section [extra 4]"},
        BadSource{"missing_set", "\\[sheet 2 kind 5\\]", "[sheet 2 kind 4]",
                  "[sheet 2 kind 4] is given twice"},
        BadSource{"window", "1 = 1 0 0 558 440", "1 = 1 0 0 558", "expected VISIBLE LEFT TOP"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace solmon
