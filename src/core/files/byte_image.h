#pragma once
// Little-endian byte images of packed records. A record lists its fields once,
// with their offsets, in a static template `Fields(io, at, record)`; the same
// list reads the record (ImageReader) and writes it (ImageWriter), so the two
// directions cannot drift apart. Every image is covered field by field in
// ascending order; a list with a gap or an overlap fails the first time it runs.

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace solmon {

template <class T>
T GetLE(const std::uint8_t* p) {
  static_assert(std::is_integral_v<T>);
  std::make_unsigned_t<T> v = 0;
  for (std::size_t i = sizeof(T); i-- > 0;) v = static_cast<decltype(v)>((v << 8) | p[i]);
  return static_cast<T>(v);
}

template <class T>
void PutLE(T value, std::uint8_t* p) {
  static_assert(std::is_integral_v<T>);
  auto v = static_cast<std::make_unsigned_t<T>>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i, v = static_cast<decltype(v)>(v >> 8))
    p[i] = static_cast<std::uint8_t>(v & 0xFF);
}

inline double GetDouble(const std::uint8_t* p) {
  return std::bit_cast<double>(GetLE<std::uint64_t>(p));
}
inline void PutDouble(double value, std::uint8_t* p) {
  PutLE(std::bit_cast<std::uint64_t>(value), p);
}

template <class T>
struct IsStdArray : std::false_type {};
// Enumerations are stored as their underlying integer.
template <class T, bool = std::is_enum_v<T>>
struct Integer {
  using type = T;
};
template <class T>
struct Integer<T, true> {
  using type = std::underlying_type_t<T>;
};
template <class T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};
template <class T>
struct IsByteArray : std::false_type {};
template <std::size_t N>
struct IsByteArray<std::array<std::uint8_t, N>> : std::true_type {};

// Bytes a field of type T occupies in an image.
template <class T>
constexpr std::size_t ImageSize() {
  if constexpr (std::is_integral_v<T> || std::is_enum_v<T>)
    return sizeof(T);
  else if constexpr (std::is_same_v<T, double>)
    return 8;
  else if constexpr (IsStdArray<T>::value)
    return std::tuple_size_v<T> * ImageSize<typename T::value_type>();
  else
    return T::kImageSize;
}

template <bool Writing>
class ImageIo {
 public:
  using Bytes = std::conditional_t<Writing, std::uint8_t*, const std::uint8_t*>;
  ImageIo(Bytes image, std::size_t size) : p_(image), size_(size) {}

  // T is const when writing.
  template <class T>
  void Field(std::size_t at, T& v) {
    using U = std::remove_const_t<T>;
    if constexpr (std::is_integral_v<U> || std::is_enum_v<U>) {
      using I = typename Integer<U>::type;
      Cover(at, sizeof(I));
      if constexpr (Writing)
        PutLE(static_cast<I>(v), p_ + at);
      else
        v = static_cast<U>(GetLE<I>(p_ + at));
    } else if constexpr (std::is_same_v<U, double>) {
      Cover(at, 8);
      if constexpr (Writing)
        PutDouble(v, p_ + at);
      else
        v = GetDouble(p_ + at);
    } else if constexpr (IsByteArray<U>::value) {
      Cover(at, v.size());
      if constexpr (Writing)
        std::memcpy(p_ + at, v.data(), v.size());
      else
        std::memcpy(v.data(), p_ + at, v.size());
    } else if constexpr (IsStdArray<U>::value) {
      constexpr std::size_t stride = ImageSize<typename U::value_type>();
      for (std::size_t i = 0; i < v.size(); ++i) Field(at + i * stride, v[i]);
    } else {
      U::Fields(*this, at, v);
    }
  }

  // A run-time pointer or handle: meaningless in an image. Written as zero,
  // dropped on reading.
  void Handle(std::size_t at, std::size_t n) {
    Cover(at, n);
    if constexpr (Writing) std::memset(p_ + at, 0, n);
  }

  // Throws std::logic_error unless the fields filled the whole image.
  void Finish() const {
    if (covered_ != size_) throw std::logic_error("record fields do not fill the record image");
  }

 private:
  void Cover(std::size_t at, std::size_t n) {
    if (at != covered_ || at + n > size_)
      throw std::logic_error("record field at offset " + std::to_string(at) +
                             " does not follow the previous field");
    covered_ += n;
  }

  Bytes p_;
  std::size_t size_, covered_ = 0;
};

using ImageReader = ImageIo<false>;
using ImageWriter = ImageIo<true>;

// A whole record image: R::Fields must cover R::kImageSize bytes from offset 0.
template <class R>
void WriteImage(const R& record, std::uint8_t* out) {
  ImageWriter io(out, R::kImageSize);
  R::Fields(io, 0, record);
  io.Finish();
}

template <class R>
R ReadImage(const std::uint8_t* in) {
  R record;
  ImageReader io(in, R::kImageSize);
  R::Fields(io, 0, record);
  io.Finish();
  return record;
}

}  // namespace solmon
