#include "core/plot/extended.h"

#include <bit>
#include <cmath>
#include <limits>

#include "core/files/byte_image.h"

namespace solmon {

namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7FFF;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;

std::array<std::uint8_t, 10> Encode(bool negative, int exponent, std::uint64_t mantissa) {
  std::array<std::uint8_t, 10> b{};
  PutLE(mantissa, b.data());
  PutLE(static_cast<std::uint16_t>((negative ? 0x8000 : 0) | exponent), b.data() + 8);
  return b;
}

bool SameValue(long double a, long double b) {
  return a == b && std::signbit(a) == std::signbit(b);
}

}  // namespace

Extended Extended::FromBytes(const std::array<std::uint8_t, 10>& bytes) {
  Extended e;
  e.bytes_ = bytes;
  return e;
}

long double Extended::LongValue() const {
  const std::uint64_t mantissa = GetLE<std::uint64_t>(bytes_.data());
  const int top = GetLE<std::uint16_t>(bytes_.data() + 8);
  const bool negative = top & 0x8000;
  const int exponent = top & kMaxExponent;
  long double magnitude;
  if (exponent == kMaxExponent)
    magnitude = (mantissa << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                     : std::numeric_limits<long double>::quiet_NaN();
  else  // denormals have the exponent of the smallest normal
    magnitude = std::ldexp(static_cast<long double>(mantissa),
                           std::max(exponent, 1) - kBias - 63);
  return negative ? -magnitude : magnitude;
}

void Extended::Set(double value) {
  if (!SameValue(value, Value())) SetLong(value);
}

void Extended::SetLong(long double value) {
  if (SameValue(value, LongValue())) return;
  const bool negative = std::signbit(value);
  if (std::isnan(value)) {
    bytes_ = Encode(negative, kMaxExponent, kIntegerBit | (kIntegerBit >> 1));
    return;
  }
  const long double magnitude = std::fabs(value);
  if (magnitude == 0) {
    bytes_ = Encode(negative, 0, 0);
    return;
  }
  int e2 = 0;
  std::frexp(magnitude, &e2);  // magnitude = f * 2^e2, f in [0.5, 1)
  int exponent = e2 - 1 + kBias;
  if (exponent >= kMaxExponent || std::isinf(value)) {
    bytes_ = Encode(negative, kMaxExponent, kIntegerBit);
    return;
  }
  // 64 significant bits, nearest-even (exact when long double is the x87 type);
  // below the normal range the mantissa is scaled to the smallest exponent.
  const int scale = exponent >= 1 ? exponent : 1;
  long double m = std::rint(std::ldexp(magnitude, 63 - (scale - kBias)));
  if (m >= std::ldexp(1.0L, 64)) {  // rounding carried into a new leading bit
    m = std::ldexp(m, -1);
    if (++exponent >= kMaxExponent) {
      bytes_ = Encode(negative, kMaxExponent, kIntegerBit);
      return;
    }
  }
  const auto mantissa = static_cast<std::uint64_t>(m);
  if (exponent < 1) exponent = (mantissa & kIntegerBit) ? 1 : 0;
  bytes_ = Encode(negative, exponent, mantissa);
}

}  // namespace solmon
