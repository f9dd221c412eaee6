#include "core/model/units.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "core/model/numbers.h"

namespace solmon {

const std::string& UnitText(int index) {
  static const std::array<std::string, kUnitCount> texts = {
      "||1.00000e+0|0",  // 1
      "degrees|degrees|1.00000e+0|0",  // 2
      "m^2/W-C|ft^2-hr-F/Btu|1.73064e+0|0",  // 3
      "m^2|ft^2|9.29000e-2|0",  // 4
      "m|ft|3.04300e-1|0",  // 5
      "C|F|5.55556e-1|32",  // 6
      "hours|hours|1.00000e+0|0",  // 7
      "kW-hr/day|Btu/day|2.93057e-4|0",  // 8
      "%|%|1.00000e+0|0",  // 9
      "liters|gallons|3.78544e+0|0",  // 10
      "$/kW-hr|$/kW-hr|1.00000e+0|0",  // 11
      "$/GJ|$/10^6Btu|1.05500e+0|0",  // 12
      "$/liter|$/gallon|2.64170e-1|0",  // 13
      "years|years|1.00000e+0|0",  // 14
      "$|$|1.00000e+0|0",  // 15
      "W/m-C|Btu/hr-ft-F|1.73100e+0|0",  // 16
      "kg/m^3|lb/ft^3|1.60184e+1|0",  // 17
      "kg/hr|lb/hr|4.53597e-1|0",  // 18
      "MJ/C|Btu/F|1.89900e-3|0",  // 19
      "kg/day|lb/day|4.53597e-1|0",  // 20
      "m^3/m^2|ft^3/ft^2|3.04300e-1|0",  // 21
      "$/m^3|$/100ft^3|3.53140e-1|0",  // 22
      "W/m^2-C|Btu/hr-ft^2-F|5.67790e+0|0",  // 23
      "W/C|Btu/hr-F|5.27500e-1|0",  // 24
      "$/m^2|$/ft^2|1.07640e+1|0",  // 25
      "kJ/kg-C|Btu/lb-F|4.18650e+0|0",  // 26
      "hr/day|hr/day|1.00000e+0|0",  // 27
      "GJ/day|10^6Btu/day|1.05500e+0|0",  // 28
      "kg/sec-m^2|lb/hr-ft^2|1.35630e-3|0",  // 29
      "m/sec|miles/hr|4.47000e-1|0",  // 30
      "liter/sec|cfm|4.71900e-1|0",  // 31
      "C|F|5.55556e-1|0",  // 32
      "kJ/day|Btu/day|1.05500e+0|0",  // 33
      "GJ|10^6Btu|1.05500e+0|0",  // 34
      "liters/m^2|gallons/ft^2|4.07427e+1|0",  // 35
      "kW|Btu/hr|0.0002931|0",  // 36
      "kJ/m^2-day|Btu/ft^2-day|11.36|0",  // 37
  };
  if (index < 1 || index > kUnitCount)
    throw std::out_of_range("no unit " + std::to_string(index));
  return texts[index - 1];
}

Unit UnitEntry(int index) {
  std::string_view text = UnitText(index);
  auto cut = [&text]() {
    const auto bar = text.find('|');
    std::string_view field = text.substr(0, bar);
    text = bar == std::string_view::npos ? std::string_view{} : text.substr(bar + 1);
    return std::string(field);
  };
  Unit u;
  u.si = cut();
  u.english = cut();
  u.factor = ParseNumber(cut()).value;
  u.offset = ParseNumber(cut()).value;
  return u;
}

}  // namespace solmon
