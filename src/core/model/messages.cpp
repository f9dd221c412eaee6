#include "core/model/messages.h"

#include <array>
#include <map>
#include <stdexcept>

namespace solmon {

const MessageBoxKind& MessageBoxKindOf(int kind) {
  using B = MessageButton;
  static const std::array<MessageBoxKind, kMessageBoxKinds> kinds = {{
      {"Error", {B::OK}},
      {"Information", {B::OK}},
      {"Warning", {B::OK, B::Cancel}},
      {"Error", {B::Yes, B::No}},
      {"Parameter Input Error", {B::OK}},
      {"Save File Confirmation", {B::Yes, B::No, B::Cancel}},
      {"Save File Confirmation", {B::OK, B::Cancel}},
      {"Import Data Confirmation", {B::Yes, B::No}},
  }};
  if (kind < 0 || kind >= kMessageBoxKinds)
    throw std::out_of_range("no message box kind " + std::to_string(kind));
  return kinds[kind];
}

std::string MessageText(int number) {
  // The calculation composes these in pairs: 30 or 31 states the problem,
  // 35 to 38 give the accepted range in the current units.
  static const std::map<int, std::string> texts = {
      {30, "Pebble bed volume per collector area is out of range and the month was skipped. "},
      {31, "Water volume per collector area is out of range and the month was skipped. "},
      {33, "The collector test flow rate correction is impossible with these values; "
           "the test values were left uncorrected."},
      {34, "The solar fraction iteration did not converge in 16 steps; the last estimate was used."},
      {35, "It must lie between 0.41 and 3.28 ft^3/ft^2."},
      {36, "It must lie between 0.125 and 1.0 m^3/m^2."},
      {37, "It must lie between 0.925 and 7.4 gallons/ft^2."},
      {38, "It must lie between 37.5 and 300 liters/m^2."},
  };
  const auto it = texts.find(number);
  return it != texts.end() ? it->second : "Error #" + std::to_string(number);
}

}  // namespace solmon
