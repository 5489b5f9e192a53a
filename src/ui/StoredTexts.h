#pragma once
// The three texts that start-up gives the window, kept only in scrambled form: the window
// caption, the hyperlink's caption, and the hyperlink's target (scrambled twice).
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace shopcode {

// The scrambled length of a plain text of `length` bytes.
constexpr std::size_t scrambledLength(std::size_t length) {
  return length >= 2 ? 2 * length : length;
}

// The inverse of `descramble` with the empty key, for a plain text without the marker "*":
// the plain bytes are interleaved k1, k(h+1), k2, ... in the order descramble reads them, and
// every kept byte is followed by a filler byte that descramble drops. `out` receives
// scrambledLength(length) bytes.
constexpr void scrambleInto(const char* plain, std::size_t length, char* out) {
  if (length < 2) {  // one byte comes back reversed, which is itself
    for (std::size_t i = 0; i < length; ++i) out[i] = plain[i];
    return;
  }
  std::size_t half = length / 2;
  for (std::size_t i = 0; i < length; ++i) {
    // Kept byte i is read back at position 2i (first half) or 2(i - h) + 1 (second half).
    std::size_t from = i < half ? 2 * i : i < 2 * half ? 2 * (i - half) + 1 : length - 1;
    out[2 * i] = plain[from];
    out[2 * i + 1] = static_cast<char>('a' + (i * 7) % 26);
  }
}

// A string literal scrambled at compile time; the array holds no terminator.
template <std::size_t N>
constexpr std::array<char, scrambledLength(N - 1)> scrambledLiteral(const char (&plain)[N]) {
  std::array<char, scrambledLength(N - 1)> out{};
  scrambleInto(plain, N - 1, out.data());
  return out;
}

struct StoredTexts {
  std::string caption;      // StoredCaptionText
  std::string linkCaption;  // StoredLinkCaptionText
  std::string linkTarget;   // StoredLinkTargetText: descrambled twice
};

// Built on first use; the same object for the life of the program.
const StoredTexts& storedTexts();

}  // namespace shopcode
