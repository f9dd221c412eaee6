#pragma once
// The 37 units with their SI and English names, and the conversion between
// the two unit systems: English = SI / factor + offset.

#include <string>

namespace solmon {

constexpr int kUnitCount = 37;
constexpr int kSI = 0;
constexpr int kEnglish = 1;

struct Unit {
  std::string si;
  std::string english;
  double factor = 1;
  double offset = 0;
  const std::string& Name(int unitSystem) const { return unitSystem == kEnglish ? english : si; }
};

// The table text of a unit index, "SI|English|factor|offset".
const std::string& UnitText(int index);
// Parses the table text. Throws std::out_of_range outside 1..37.
Unit UnitEntry(int index);

inline double ToEnglish(double si, double factor, double offset) { return si / factor + offset; }
inline double ToSI(double english, double factor, double offset) {
  return (english - offset) * factor;
}

}  // namespace solmon
