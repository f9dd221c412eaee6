#include "core/model/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace solmon {

namespace {

constexpr int kSignificant = 18;  // digits of the decimal expansion that rounding sees

struct Decimal {
  bool negative = false;
  std::string digits;  // kSignificant digits, the first non-zero unless the value is 0
  int exp10 = 0;       // value = d1.d2d3... x 10^exp10
};

Decimal Expand(long double value) {
  Decimal d;
  d.negative = value < 0;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*Le", kSignificant - 1, std::fabs(value));
  const std::string s(buf);
  const auto e = s.find('e');
  d.digits = s.substr(0, 1) + s.substr(2, e - 2);
  d.exp10 = std::stoi(s.substr(e + 1));
  if (value == 0) d.exp10 = 0;
  return d;
}

// Keeps the digits up to and including position `keep` (count from the first
// digit, may be <= 0), rounding half away from zero on the next digit.
// Returns the kept digit string, possibly one longer after a carry.
std::string RoundDigits(const std::string& digits, int keep, bool& carried) {
  carried = false;
  if (keep >= static_cast<int>(digits.size())) return digits + std::string(keep - digits.size(), '0');
  if (keep < 0) return "";
  std::string kept = digits.substr(0, keep);
  if (digits[keep] >= '5') {
    int i = keep - 1;
    for (; i >= 0; --i) {
      if (kept[i] == '9') {
        kept[i] = '0';
      } else {
        ++kept[i];
        break;
      }
    }
    if (i < 0) {
      kept.insert(kept.begin(), '1');
      carried = true;
    }
  }
  return kept;
}

std::string FormatFixed(long double value, int digits) {
  const Decimal d = Expand(value);
  bool carried = false;
  // Digits kept: those before the point (exp10 + 1) and `digits` after it.
  std::string kept = RoundDigits(d.digits, d.exp10 + 1 + digits, carried);
  const int intDigits = d.exp10 + 1 + (carried ? 1 : 0);
  std::string intPart, fracPart;
  if (intDigits <= 0) {
    intPart = "0";
    // Leading zeros of the fraction, then what was kept (a carry at keep 0
    // gives "1" here, standing for one unit in the last decimal).
    const std::string tail = kept.empty() ? "" : kept;
    fracPart = std::string(std::max(0, -intDigits), '0') + tail;
  } else {
    intPart = kept.substr(0, intDigits);
    fracPart = kept.substr(intDigits);
  }
  fracPart.resize(digits, '0');
  std::string text = (d.negative ? "-" : "") + intPart;
  if (digits > 0) text += "." + fracPart;
  return text;
}

// Sign position, one digit, ".", `decimals` digits, "E", sign, four digits.
std::string FormatScientific(long double value, int decimals) {
  const Decimal d = Expand(value);
  bool carried = false;
  std::string kept = RoundDigits(d.digits, 1 + decimals, carried);
  int exp10 = d.exp10 + (carried ? 1 : 0);
  if (value == 0) exp10 = 0;
  kept.resize(1 + decimals, '0');
  char expText[16];
  std::snprintf(expText, sizeof expText, "%c%04d", exp10 < 0 ? '-' : '+', std::abs(exp10));
  std::string text(1, d.negative ? '-' : ' ');
  text += kept[0];
  text += '.';
  text.append(kept, 1, std::string::npos);
  text += 'E';
  text += expText;
  return text;
}

std::string TrimLeft(std::string s) {
  const auto p = s.find_first_not_of(' ');
  return p == std::string::npos ? std::string{} : s.substr(p);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatValue(long double value, DecForm form) {
  std::string text;
  const long double magnitude = std::fabs(value);
  const bool hugeOrTiny =
      magnitude > 6.6e35L || (magnitude != 0 && std::fabs(std::floor(std::log10(magnitude))) >= 36);
  if (form.Style == DecStyle::FixedDecimal && !hugeOrTiny) {
    text = FormatFixed(value, std::max<int>(0, form.Digits));
  } else if (form.Style == DecStyle::FixedDecimal) {
    text = TrimLeft(FormatScientific(value, 12));
  } else {
    const int width = std::max(form.Digits + 9, 10);
    text = TrimLeft(FormatScientific(value, width - 9));
    const auto e = text.find('E');
    for (int i = 0; i < 2 && e + 2 < text.size() && text[e + 2] == '0'; ++i) text.erase(e + 2, 1);
    if (form.Digits <= 0 && e >= 2) text.erase(e - 2, 2);
  }
  if (magnitude == 1e99L || static_cast<double>(magnitude) == 1e99) text = value < 0 ? "-inf" : "inf";
  return text;
}

ParsedNumber ParseNumber(std::string_view text) {
  ParsedNumber r;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::string normal;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') normal += '-';
    ++i;
  }
  const std::size_t numberStart = i;
  std::string intDigits, fracDigits;
  while (i < text.size() && IsDigit(text[i])) intDigits += text[i++];
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) fracDigits += text[i++];
  }
  std::string exponent;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) exponent += text[i++];
    const std::size_t expDigitsStart = i;
    while (i < text.size() && IsDigit(text[i])) exponent += text[i++];
    if (i == expDigitsStart) {
      r.errorPos = static_cast<int>(i) + 1;
      return r;
    }
  }
  if (i < text.size() || i == numberStart) {
    r.errorPos = static_cast<int>(i) + 1;
    return r;
  }
  normal += (intDigits.empty() ? "0" : intDigits) + "." + (fracDigits.empty() ? "0" : fracDigits);
  if (!exponent.empty()) normal += "e" + exponent;
  double v = 0;
  const auto res = std::from_chars(normal.data(), normal.data() + normal.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    // Too large becomes infinite (the store then reports the overflow); too small is 0.
    const bool large = !exponent.empty() && exponent[0] != '-';
    v = large ? HUGE_VAL : 0.0;
    if (normal[0] == '-') v = -v;
  }
  r.value = v;
  return r;
}

ParsedNumber ParseNumberOrInfinity(std::string_view text) {
  const std::string upper = UpperCaseText(text);
  if (upper == "INF") return {1e99, 0};
  if (upper == "-INF") return {-1e99, 0};
  return ParseNumber(text);
}

bool EditValueInRange(std::string_view text, double lo, double hi, int rangeKind, double& value) {
  value = 0;
  if (text.empty() || rangeKind < 0) return false;
  const ParsedNumber p = ParseNumber(text);
  if (!p.ok()) return false;
  const double v = p.value;
  bool ok = true;
  switch (rangeKind) {
    case 1: ok = v > lo; break;
    case 2: ok = v >= lo; break;
    case 3:
    case 6: ok = lo <= v && v <= hi; break;
    case 4: ok = v <= hi; break;
    case 5: ok = lo < v && v < hi; break;
    case 7: ok = lo <= v && v < hi; break;
    default: break;
  }
  if (ok) value = v;
  return ok;
}

std::string UpperCaseText(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string TrimSpaces(std::string_view text, std::size_t maxLength) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  std::string out(text.substr(first, last - first + 1));
  if (out.size() > maxLength) out.resize(maxLength);
  return out;
}

double RoundHalfEven(double x) { return std::nearbyint(x); }
long RoundToInt(double x) { return std::lrint(x); }

double PowerOf(double exponent, double base) {
  return base > 0 ? std::exp(exponent * std::log(base)) : 0.0;
}

double IntPower(int n, double x) {
  double r = 1;
  if (n > 0)
    for (int i = 0; i < n; ++i) r *= x;
  else
    for (int i = 0; i < -n; ++i) r /= x;
  return r;
}

double Log10(double x) { return std::log(x) / 2.3025851; }

double ArcSin(double x) {
  constexpr double kLimit = 0.9999999999999;
  if (x > kLimit) x = kLimit;
  if (x < -kLimit) x = -kLimit;
  return std::atan(x / std::sqrt(1 - x * x));
}

double ArcCos(double x) { return 1.5708 - ArcSin(x); }

}  // namespace solmon
