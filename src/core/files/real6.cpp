#include "core/files/real6.h"

#include <cmath>
#include <cstring>

namespace solmon {

namespace {
constexpr int kBias = kReal6Bias;
constexpr std::uint64_t kFractionBits = kReal6FractionBits;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFractionBits) - 1;
}  // namespace

Real6 DoubleToReal6(double value) {
  Real6 out;
  if (value == 0.0 || std::isnan(value)) return out;  // NaN has no six-byte form; store zero
  if (std::isinf(value)) throw Real6Overflow();
  const bool negative = std::signbit(value);
  int exp2 = 0;
  // |value| = m * 2^exp2 with m in [0.5, 1): the hidden one sits at 2^(exp2-1).
  const double m = std::frexp(std::fabs(value), &exp2);
  // 53-bit integer mantissa; keep 40 significant bits, rounding half up.
  std::uint64_t mant53 = static_cast<std::uint64_t>(std::ldexp(m, 53));
  std::uint64_t mant40 = (mant53 + (std::uint64_t{1} << 12)) >> 13;
  int e = exp2 - 1 + kBias;
  if (mant40 >> 40) {  // rounding carried into a new leading bit
    mant40 >>= 1;
    ++e;
  }
  if (e <= 0) return out;  // below 2^-128: zero
  if (e > 255) throw Real6Overflow();
  std::uint64_t field = mant40 & kFractionMask;
  if (negative) field |= std::uint64_t{1} << kFractionBits;
  out.bytes[0] = static_cast<std::uint8_t>(e);
  for (int i = 1; i <= 5; ++i) {
    out.bytes[i] = static_cast<std::uint8_t>(field & 0xFF);
    field >>= 8;
  }
  return out;
}

void StoreReal6(Real6& dest, double value) { dest = DoubleToReal6(value); }

void Real6ToBytes(const Real6& r, std::uint8_t* p) { std::memcpy(p, r.bytes.data(), 6); }

}  // namespace solmon
