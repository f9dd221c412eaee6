#include "core/model/validation.h"

#include "core/model/catalogue.h"
#include "core/model/project_state.h"
#include "core/model/units.h"

namespace solmon {

namespace {

struct Rule {
  enum Test { None, Range, RoundedRange, Positive, NonNegative, AtLeastOne, Fixed } test;
  double lo = 0, hi = 0;
  const char* message = nullptr;  // for the tests with a message of their own
};

Rule RuleOf(int kind, int unitSystem) {
  const bool si = unitSystem != kEnglish;
  switch (kind) {
    case 1: return {Rule::Range, 0, 1};
    case 2: return {Rule::RoundedRange, 0, 39};
    case 4: return si ? Rule{Rule::Range, 0.125, 1} : Rule{Rule::Range, 0.41, 3.29};
    case 5: return si ? Rule{Rule::Range, 37.5, 300} : Rule{Rule::Range, 0.925, 7.4};
    case 6: return {Rule::Positive, 0, 0, "This parameter must have a positive value."};
    case 7: return {Rule::NonNegative, 0, 0, "This parameter value must >= 0."};
    case 8: return {Rule::RoundedRange, 0, 100};
    case 9: return {Rule::RoundedRange, 0, 12};
    case 12: return {Rule::Range, 0.5, 2};
    case 13: return {Rule::RoundedRange, 0, 180};
    case 14: return {Rule::Range, 0, 2};
    case 15: return {Rule::AtLeastOne, 1, 0, "This parameter must be >= 1.0"};
    case 19: return {Rule::RoundedRange, 1, 24};
    case 20: return {Rule::RoundedRange, 0, 100};
    case 22:
      return {Rule::NonNegative, 0, 0,
              "Set Building UA to zero to signify a DHW system with no space heating."};
    case 23:
      return {Rule::Fixed, -0.1, 0.5,
              "The incidence angle modifier constant should be between -0.1 and 0.5"};
    default: return {Rule::None};
  }
}

bool Accepted(const Rule& r, double v) {
  switch (r.test) {
    case Rule::Range:
    case Rule::Fixed: return v >= r.lo && v <= r.hi;
    case Rule::RoundedRange: {
      const double n = RoundHalfEven(v);
      return n >= r.lo && n <= r.hi;
    }
    case Rule::Positive: return v > 0;
    case Rule::NonNegative: return v >= 0;
    case Rule::AtLeastOne: return v >= 1;
    case Rule::None: return true;
  }
  return true;
}

}  // namespace

std::string ValidationMessage(int code, DecForm form, double value, int unitSystem) {
  const Rule r = RuleOf(ValidationKind(code), unitSystem);
  if (Accepted(r, value)) return {};
  if (r.message) return r.message;
  return "This parameter must be >= " + FormatValue(r.lo, form) + " and <= " +
         FormatValue(r.hi, form);
}

void ErrorCheck(ProjectState& s, int code, DecForm form, double value) {
  std::string message = ValidationMessage(code, form, value, s.UnitSystem);
  if (message.empty()) return;
  s.ErrorMessage = std::move(message);
  s.ErrorCode = kValidationErrorCode;
}

std::string TextValidationMessage(const std::string& text, int code, DecForm form,
                                  int unitSystem, double& value) {
  if (text.empty()) return kEmptyFieldMessage;
  const ParsedNumber n = ParseNumber(text);
  if (!n.ok()) return kIllegalCharactersMessage;
  value = n.value;
  return ValidationMessage(code, form, value, unitSystem);
}

}  // namespace solmon
