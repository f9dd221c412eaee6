#pragma once
// Six-byte reals: the number format of every parameter, weather value and
// project file field. Byte 0 is the exponent (bias 129, 0 means zero), bytes
// 1..5 a little-endian 40-bit field whose top bit is the sign and whose other
// 39 bits are the fraction below the hidden leading one.

#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace solmon {

struct Real6 {
  std::array<std::uint8_t, 6> bytes{};
  friend bool operator==(const Real6&, const Real6&) = default;
};

// Raised when a magnitude of 2^127 or more is stored.
class Real6Overflow : public std::overflow_error {
 public:
  Real6Overflow() : std::overflow_error("Floating point overflow") {}
};

constexpr int kReal6Bias = 129;
constexpr std::uint64_t kReal6FractionBits = 39;

// Exact: every six-byte real is a double. Inline because the calculation reads
// parameters and weather values this way thousands of times per run.
inline double Real6ToDouble(const Real6& r) {
  const int e = r.bytes[0];
  if (e == 0) return 0.0;
  std::uint64_t field = 0;
  for (int i = 5; i >= 1; --i) field = (field << 8) | r.bytes[i];
  // Every six-byte exponent is a normal double exponent: the bits move over.
  const std::uint64_t sign = (field >> kReal6FractionBits) & 1;
  const std::uint64_t fraction = field & ((std::uint64_t{1} << kReal6FractionBits) - 1);
  const std::uint64_t bits = (sign << 63) | (static_cast<std::uint64_t>(e - kReal6Bias + 1023) << 52) |
                             (fraction << (52 - kReal6FractionBits));
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Rounds to 40 significant bits (half up in magnitude); magnitudes below
// 2^-128 become zero. Throws Real6Overflow; nothing is produced then.
Real6 DoubleToReal6(double value);

// Stores into `dest` only when the conversion succeeds, so that an overflow
// leaves the previous value in place. Throws Real6Overflow.
void StoreReal6(Real6& dest, double value);

// Raw access for byte images.
inline Real6 Real6FromBytes(const std::uint8_t* p) {
  Real6 r;
  std::memcpy(r.bytes.data(), p, 6);
  return r;
}
void Real6ToBytes(const Real6& r, std::uint8_t* p);

}  // namespace solmon
