#pragma once
// The search shared by findText, replaceText and splitText: the leftmost match of a needle
// that starts on a scan unit boundary (a byte >= 0x80 takes the next byte with it).
//
// Instead of stepping unit by unit, a vector scan skips to the next position whose first and
// last bytes fit the needle. Whether that position starts a unit follows from the bytes just
// before it: a byte below 0x80
// always ends a unit, so after it a boundary begins, and from there the run of bytes >= 0x80
// pairs up. Looking back never passes the last boundary already known, so every byte is
// looked at a bounded number of times and the whole search stays one linear pass.
#include <cstddef>
#include <cstring>
#include <string_view>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace shopcode {

class UnitScanner {
 public:
  static constexpr std::size_t npos = std::string_view::npos;

  UnitScanner(std::string_view text, std::string_view needle, bool caseSensitive)
      : text_(text), needle_(needle), caseSensitive_(caseSensitive) {
    if (needle.empty()) return;
    first_ = static_cast<unsigned char>(needle.front());
    last_ = static_cast<unsigned char>(needle.back());
    // Setting bit 0x20 folds exactly the two cases of a letter together and nothing else.
    if (!caseSensitive && isLetter(first_)) firstFold_ = 0x20;
    if (!caseSensitive && isLetter(last_)) lastFold_ = 0x20;
    first_ |= firstFold_;
    last_ |= lastFold_;
  }

  // The first match at or after `from`, counting only positions that the walk by units from
  // `from` reaches; `from` is where the caller's scan stands, a unit boundary by definition.
  std::size_t next(std::size_t from) const {
    const std::size_t m = needle_.size();
    if (m == 0 || text_.size() < m || from > text_.size() - m) return npos;
    const std::size_t last = text_.size() - m;  // the last position with m bytes left
    std::size_t known = from;                   // a unit boundary on the walk
    std::size_t pos = from;
    while (pos <= last) {
      const std::size_t q = candidate(pos, last);
      if (q == npos) return npos;
      std::size_t r = q;
      while (r > known && static_cast<unsigned char>(text_[r - 1]) >= 0x80) --r;
      if ((q - r) % 2 == 0) {
        if (matchesAt(q)) return q;
        known = q;
      } else {
        known = q + 1;  // q is the second byte of the unit that began at q - 1
      }
      pos = q + 1;
    }
    return npos;
  }

 private:
  static bool isLetter(unsigned char b) { return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'); }

  // The first position in [pos, last] whose first and last needle bytes fit; 32 positions at
  // a time where SSE2 is there (every x86-64).
  std::size_t candidate(std::size_t pos, std::size_t last) const {
    const char* data = text_.data();
    const std::size_t lastOffset = needle_.size() - 1;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(static_cast<char>(first_));
    const __m128i lastByte = _mm_set1_epi8(static_cast<char>(last_));
    const __m128i firstFold = _mm_set1_epi8(static_cast<char>(firstFold_));
    const __m128i lastFold = _mm_set1_epi8(static_cast<char>(lastFold_));
    const auto fits = [&](std::size_t at) {
      const auto* a = reinterpret_cast<const __m128i*>(data + at);
      const auto* b = reinterpret_cast<const __m128i*>(data + at + lastOffset);
      const __m128i firstFits = _mm_cmpeq_epi8(_mm_or_si128(_mm_loadu_si128(a), firstFold), first);
      const __m128i lastFits = _mm_cmpeq_epi8(_mm_or_si128(_mm_loadu_si128(b), lastFold), lastByte);
      return static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(firstFits, lastFits)));
    };
    for (; pos <= last && last - pos >= 31; pos += 32) {
      const unsigned mask = fits(pos) | fits(pos + 16) << 16;
      if (mask != 0) return pos + static_cast<std::size_t>(__builtin_ctz(mask));
    }
    for (; pos <= last && last - pos >= 15; pos += 16) {
      if (const unsigned mask = fits(pos)) return pos + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    for (; pos <= last; ++pos) {
      if ((static_cast<unsigned char>(data[pos]) | firstFold_) == first_ &&
          (static_cast<unsigned char>(data[pos + lastOffset]) | lastFold_) == last_) {
        return pos;
      }
    }
    return npos;
  }

  bool matchesAt(std::size_t q) const {
    if (caseSensitive_) return std::memcmp(text_.data() + q, needle_.data(), needle_.size()) == 0;
    for (std::size_t i = 0; i < needle_.size(); ++i) {
      if (fold(static_cast<unsigned char>(text_[q + i])) != fold(static_cast<unsigned char>(needle_[i]))) {
        return false;
      }
    }
    return true;
  }

  // Only the 26 ASCII capitals fold; every other byte compares exactly.
  static unsigned char fold(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + 0x20) : byte;
  }

  std::string_view text_;
  std::string_view needle_;
  bool caseSensitive_;
  unsigned char first_ = 0;
  unsigned char last_ = 0;
  unsigned char firstFold_ = 0;  // 0x20 where a letter's case does not count
  unsigned char lastFold_ = 0;
};

}  // namespace shopcode
