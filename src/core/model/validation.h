#pragma once
// The rules a typed parameter value must meet before it enters the project,
// by the row's validation kind (the absolute value of its catalogue code).

#include <cstdint>
#include <string>

#include "core/model/numbers.h"

namespace solmon {

class ProjectState;

constexpr int kValidationErrorCode = 100;

inline constexpr const char* kEmptyFieldMessage = "This field is empty";
inline constexpr const char* kIllegalCharactersMessage = "Illegal characters have been entered.";
// A number that passes its rule but has no six-byte form.
inline constexpr const char* kTooLargeMessage = "This value is too large to be stored.";

// Empty when `value` meets the rule of the validation kind of `code` (its
// sign is ignored), otherwise the message. Bounds in messages are shown with
// `form`; kinds 4 and 5 depend on the unit system.
std::string ValidationMessage(int code, DecForm form, double value, int unitSystem);

// Sets ErrorMessage and ErrorCode when the value breaks the rule; otherwise
// leaves both as they are. Callers clear ErrorMessage first.
void ErrorCheck(ProjectState& s, int code, DecForm form, double value);

// The message for a typed text: empty, unparsable, or against the rule.
// `value` receives the number when the text parses.
std::string TextValidationMessage(const std::string& text, int code, DecForm form,
                                  int unitSystem, double& value);

// A rejection shown less than a second ago, measured either way round on a
// wrapping millisecond tick count, is not shown again.
inline bool WithinRepeatGuard(std::uint32_t now, std::uint32_t lastError) {
  return now - lastError < 1000u || lastError - now < 1000u;
}

}  // namespace solmon
