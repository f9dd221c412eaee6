#pragma once
// Number display and entry, and the small numeric routines the calculation
// shares.

#include <cstdint>
#include <string>
#include <string_view>

namespace solmon {

enum class DecStyle : std::uint8_t { FloatDecimal = 0, FixedDecimal = 1, NoShow = 2 };

struct DecForm {
  DecStyle Style = DecStyle::FixedDecimal;
  std::int16_t Digits = 0;
};

// The text a user sees for a value: fixed with Digits decimals, or scientific
// ("1.500E+03"); magnitude 1e99 shows as "inf".
std::string FormatValue(long double value, DecForm form);

struct ParsedNumber {
  double value = 0;
  int errorPos = 0;  // 1-based position of the offending character, 0 on success
  bool ok() const { return errorPos == 0; }
};
// Locale-independent: "." is always the decimal separator; nothing may follow
// the number, not even a space.
ParsedNumber ParseNumber(std::string_view text);
// "INF" and "-INF" (any case) give +-1e99.
ParsedNumber ParseNumberOrInfinity(std::string_view text);

// The bound test of a dialog edit field. An empty text and a negative range
// kind always fail.
bool EditValueInRange(std::string_view text, double lo, double hi, int rangeKind, double& value);

std::string UpperCaseText(std::string_view text);
std::string TrimSpaces(std::string_view text, std::size_t maxLength = 255);

// Round to nearest, halves to the even neighbour.
double RoundHalfEven(double x);
long RoundToInt(double x);

double PowerOf(double exponent, double base);
double IntPower(int n, double x);
double Log10(double x);
double ArcSin(double x);
double ArcCos(double x);

}  // namespace solmon
