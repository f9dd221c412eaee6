#include "core/model/validation.h"

#include <gtest/gtest.h>

#include "core/model/project_state.h"
#include "core/model/units.h"

namespace solmon {
namespace {

struct RuleCase {
  int code;
  int digits;
  int units;
  double value;
  const char* message;  // "" = accepted
};

class ValidationRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ValidationRules, MessageOrAcceptance) {
  const RuleCase& c = GetParam();
  const DecForm form{DecStyle::FixedDecimal, static_cast<std::int16_t>(c.digits)};
  EXPECT_EQ(ValidationMessage(c.code, form, c.value, c.units), c.message)
      << "code " << c.code << " value " << c.value;
}

constexpr const char* kPositive = "This parameter must have a positive value.";
constexpr const char* kNonNegative = "This parameter value must >= 0.";
constexpr const char* kUA = "Set Building UA to zero to signify a DHW system with no space heating.";
constexpr const char* kIAM = "The incidence angle modifier constant should be between -0.1 and 0.5";

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ValidationRules,
    ::testing::Values(
        RuleCase{1, 2, kSI, 0, ""}, RuleCase{-1, 2, kSI, 1, ""},
        RuleCase{-1, 2, kSI, 1.01, "This parameter must be >= 0.00 and <= 1.00"},
        RuleCase{1, 2, kSI, -0.01, "This parameter must be >= 0.00 and <= 1.00"},
        // Rounded kinds round halves to even.
        RuleCase{-2, 0, kSI, 39.4, ""},
        RuleCase{-2, 0, kSI, 39.5, "This parameter must be >= 0 and <= 39"},
        RuleCase{-4, 2, kSI, 0.1, "This parameter must be >= 0.13 and <= 1.00"},
        RuleCase{-4, 2, kSI, 0.125, ""},
        RuleCase{-4, 2, kEnglish, 0.4, "This parameter must be >= 0.41 and <= 3.29"},
        RuleCase{-4, 2, kEnglish, 3.29, ""}, RuleCase{-4, 2, kEnglish, 0.125, "This parameter must be >= 0.41 and <= 3.29"},
        RuleCase{-5, 2, kSI, 37.4, "This parameter must be >= 37.50 and <= 300.00"},
        RuleCase{-5, 2, kSI, 300, ""},
        RuleCase{-5, 2, kEnglish, 7.5, "This parameter must be >= 0.93 and <= 7.40"},
        RuleCase{-5, 2, kEnglish, 0.925, ""},
        RuleCase{6, 0, kSI, 0, kPositive}, RuleCase{-6, 0, kSI, 0.001, ""},
        RuleCase{7, 0, kSI, 0, ""}, RuleCase{-7, 1, kSI, -0.001, kNonNegative},
        RuleCase{8, 2, kSI, 100.5, ""}, RuleCase{8, 2, kSI, -0.5, ""},
        RuleCase{8, 2, kSI, 100.6, "This parameter must be >= 0.00 and <= 100.00"},
        RuleCase{-8, 0, kSI, -0.6, "This parameter must be >= 0 and <= 100"},
        RuleCase{9, 0, kSI, 12.5, ""}, RuleCase{9, 0, kSI, 12.6, "This parameter must be >= 0 and <= 12"},
        RuleCase{12, 1, kSI, 0.4, "This parameter must be >= 0.5 and <= 2.0"},
        RuleCase{13, 0, kSI, -10, "This parameter must be >= 0 and <= 180"},
        RuleCase{13, 0, kSI, 180.5, ""},
        RuleCase{14, 1, kSI, 2.1, "This parameter must be >= 0.0 and <= 2.0"},
        RuleCase{-15, 1, kSI, 0.99, "This parameter must be >= 1.0"},
        RuleCase{-15, 1, kSI, 1, ""},
        RuleCase{19, 1, kSI, 0.5, "This parameter must be >= 1.0 and <= 24.0"},
        RuleCase{19, 1, kSI, 1.5, ""}, RuleCase{19, 1, kSI, 24.5, ""},
        RuleCase{20, 0, kSI, 101, "This parameter must be >= 0 and <= 100"},
        RuleCase{22, 0, kSI, 0, ""}, RuleCase{22, 0, kSI, -1, kUA},
        RuleCase{-23, 3, kSI, 0.51, kIAM}, RuleCase{-23, 3, kSI, -0.1, ""},
        RuleCase{-23, 3, kSI, -0.11, kIAM},
        // Kinds without a rule accept any number.
        RuleCase{0, 1, kSI, -1e30, ""}, RuleCase{-10, 0, kSI, -5, ""},
        RuleCase{16, 3, kSI, 7, ""}, RuleCase{17, 3, kSI, -7, ""}, RuleCase{18, 0, kSI, 1e6, ""},
        RuleCase{3, 0, kSI, -1, ""}, RuleCase{21, 0, kSI, -1, ""}));

TEST(Validation, TextsThatAreNoNumbers) {
  const DecForm form{DecStyle::FixedDecimal, 1};
  double v = 0;
  EXPECT_EQ(TextValidationMessage("", 7, form, kSI, v), "This field is empty");
  EXPECT_EQ(TextValidationMessage("1,5", 7, form, kSI, v), "Illegal characters have been entered.");
  EXPECT_EQ(TextValidationMessage("12 ", 7, form, kSI, v), "Illegal characters have been entered.");
  EXPECT_EQ(TextValidationMessage(" 12", 7, form, kSI, v), "");
  EXPECT_EQ(v, 12);
  EXPECT_EQ(TextValidationMessage("-3", 7, form, kSI, v), "This parameter value must >= 0.");
}

TEST(Validation, ErrorCheckSetsTheVerdictOnlyOnRejection) {
  ProjectState s;
  const DecForm form{DecStyle::FixedDecimal, 2};
  ErrorCheck(s, 8, form, 50);
  EXPECT_EQ(s.ErrorMessage, "");
  EXPECT_EQ(s.ErrorCode, 0);
  ErrorCheck(s, 8, form, 150);
  EXPECT_EQ(s.ErrorMessage, "This parameter must be >= 0.00 and <= 100.00");
  EXPECT_EQ(s.ErrorCode, 100);
  s.UnitSystem = kEnglish;  // kinds 4 and 5 follow the unit system
  s.ErrorMessage.clear();
  ErrorCheck(s, -4, form, 2.0);
  EXPECT_EQ(s.ErrorMessage, "");
}

TEST(Validation, RepeatGuardMeasuresEitherWayOnAWrappingTick) {
  EXPECT_TRUE(WithinRepeatGuard(1500, 600));
  EXPECT_TRUE(WithinRepeatGuard(600, 1500));
  EXPECT_FALSE(WithinRepeatGuard(2000, 1000));
  EXPECT_FALSE(WithinRepeatGuard(1000, 2000));
  EXPECT_TRUE(WithinRepeatGuard(5, 0xFFFFFF00u));
}

}  // namespace
}  // namespace solmon
