#pragma once
// The 10-byte x87 extended real of the plot records: 64-bit mantissa with an
// explicit integer bit (bytes 0..7), then a 15-bit exponent with bias 16383
// and the sign bit (bytes 8..9), little-endian.
//
// The value is kept as the bytes it was read with. Drawing and arithmetic use
// the double (or long double) view; setting a value that equals the current
// view keeps the bytes, so an axis range computed in extended precision is
// written back exactly as it was read unless someone really changed it.

#include <array>
#include <cstdint>

namespace solmon {

class Extended {
 public:
  static constexpr std::size_t kImageSize = 10;

  Extended() = default;  // +0
  explicit Extended(long double value) { SetLong(value); }

  static Extended FromBytes(const std::array<std::uint8_t, 10>& bytes);
  const std::array<std::uint8_t, 10>& Bytes() const { return bytes_; }

  // Nearest double.
  double Value() const { return static_cast<double>(LongValue()); }
  // Exact where long double has at least a 64-bit mantissa.
  long double LongValue() const;

  // Both keep the bytes when the value equals the current view.
  void Set(double value);
  void SetLong(long double value);

  template <class Io, class E>
  static void Fields(Io& io, std::size_t at, E& e) {
    io.Field(at, e.bytes_);
  }
  friend bool operator==(const Extended&, const Extended&) = default;

 private:
  std::array<std::uint8_t, 10> bytes_{};
};

}  // namespace solmon
