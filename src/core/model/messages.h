#pragma once
// Message boxes (shown by the desktop program) and the numbered calculation
// messages.

#include <string>
#include <vector>

namespace solmon {

enum class MessageButton { OK = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageBoxKind {
  std::string caption;
  std::vector<MessageButton> buttons;
};

constexpr int kMessageBoxKinds = 8;
// Kinds 0..7. Throws std::out_of_range otherwise.
const MessageBoxKind& MessageBoxKindOf(int kind);

// Our text for a numbered message; "Error #n" for a number without one.
std::string MessageText(int number);

}  // namespace solmon
