#pragma once
// Six-byte reals: the number format of every parameter, weather value and
// project file field. Byte 0 is the exponent (bias 129, 0 means zero), bytes
// 1..5 a little-endian 40-bit field whose top bit is the sign and whose other
// 39 bits are the fraction below the hidden leading one.

#include <array>
#include <cstdint>
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

// Exact: every six-byte real is a double.
double Real6ToDouble(const Real6& r);

// Rounds to 40 significant bits (half up in magnitude); magnitudes below
// 2^-128 become zero. Throws Real6Overflow; nothing is produced then.
Real6 DoubleToReal6(double value);

// Stores into `dest` only when the conversion succeeds, so that an overflow
// leaves the previous value in place. Throws Real6Overflow.
void StoreReal6(Real6& dest, double value);

// Raw access for byte images.
Real6 Real6FromBytes(const std::uint8_t* p);
void Real6ToBytes(const Real6& r, std::uint8_t* p);

}  // namespace solmon
