#pragma once
// Constants of the monthly solar geometry, shared by the weather derivations
// and the radiation on the collector plane.

#include <array>

namespace solmon {

constexpr double kDegreeFactor = 0.017453;  // degrees to radians (multiply)
constexpr double kDayFactor =
    7.639437155554888;  // 24 / 3.1415927, daily extraterrestrial radiation
constexpr std::array<double, 2> kSolarConstant = {4871,
                                                  428};  // kJ/m^2-hr (SI), Btu/ft^2-hr (English)

// Entry 0 unused; 1..12 January..December. February always has 28 days.
constexpr std::array<int, 13> kMonthDays = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// One declination per month, in degrees (no day-of-year formula).
constexpr std::array<double, 13> kMonthDeclination = {0,  -21, -13, -2,  9,   19, 23,
                                                      21, 13,  2,   -10, -19, -23};

}  // namespace solmon
