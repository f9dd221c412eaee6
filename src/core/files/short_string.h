#pragma once
// A length-prefixed short string of at most N characters, kept as its N + 1
// bytes so that the bytes after the text survive a read and a write.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace solmon {

template <std::size_t N>
struct ShortString {
  static_assert(N >= 1 && N <= 255);
  static constexpr std::size_t kImageSize = N + 1;
  std::array<std::uint8_t, N + 1> bytes{};

  ShortString() = default;
  explicit ShortString(std::string_view text) { SetText(text); }

  // The text, its length byte limited to N.
  std::string Text() const {
    const std::size_t len = std::min<std::size_t>(bytes[0], N);
    return std::string(reinterpret_cast<const char*>(bytes.data() + 1), len);
  }
  // Longer texts are cut to N characters; the bytes after the text are kept.
  void SetText(std::string_view text) {
    const std::size_t len = std::min(text.size(), N);
    bytes[0] = static_cast<std::uint8_t>(len);
    std::memcpy(bytes.data() + 1, text.data(), len);
  }

  template <class Io, class S>
  static void Fields(Io& io, std::size_t at, S& s) {
    io.Field(at, s.bytes);
  }
  friend bool operator==(const ShortString&, const ShortString&) = default;
};

}  // namespace solmon
