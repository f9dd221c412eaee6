#pragma once
// One location of a weather file: 455 bytes, English units in the file.

#include <array>
#include <cstdint>
#include <string>

#include "core/files/real6.h"

namespace solmon {

constexpr std::size_t kLocationRecordSize = 455;
constexpr std::size_t kLocationNameMax = 32;

using MonthlyReal6 = std::array<Real6, 13>;  // entry 0 unused, 1..12 January..December

struct LocationRecord {
  std::array<std::uint8_t, 2> Lead{};         // not interpreted, carried unchanged
  std::array<std::uint8_t, 33> NameBytes{};   // length byte and 32 characters
  Real6 Latitude;                             // degrees, north positive
  std::array<Real6, 3> Reserved{};            // not interpreted, carried unchanged
  Real6 DegDayBase;                           // base of the heating degree-days
  MonthlyReal6 HBar{};      // daily horizontal radiation
  MonthlyReal6 TAmb{};      // ambient temperature
  MonthlyReal6 HumRatio{};  // humidity ratio
  MonthlyReal6 TMains{};    // mains water temperature
  MonthlyReal6 Reflect{};   // ground reflectance

  // The name text (its length byte limited to 32).
  std::string Name() const;
  // Sets the name; longer names are cut to 32 characters. The bytes after the
  // text are left as they were.
  void SetName(const std::string& name);

  // Field-by-field images of the 455 bytes.
  void ToBytes(std::uint8_t* out) const;
  static LocationRecord FromBytes(const std::uint8_t* in);

  friend bool operator==(const LocationRecord&, const LocationRecord&) = default;
};

}  // namespace solmon
