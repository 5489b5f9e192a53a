#pragma once
// The search shared by findText, replaceText and splitText: the leftmost match of a needle
// that starts on a scan unit boundary (a byte >= 0x80 takes the next byte with it).
//
// Instead of stepping unit by unit, memchr skips to the next byte that could begin a match.
// Whether that byte starts a unit follows from the bytes just before it: a byte below 0x80
// always ends a unit, so after it a boundary begins, and from there the run of bytes >= 0x80
// pairs up. Looking back never passes the last boundary already known, so every byte is
// looked at a bounded number of times and the whole search stays one linear pass.
#include <cstddef>
#include <cstring>
#include <string_view>

namespace shopcode {

class UnitScanner {
 public:
  static constexpr std::size_t npos = std::string_view::npos;

  UnitScanner(std::string_view text, std::string_view needle, bool caseSensitive)
      : text_(text), needle_(needle), caseSensitive_(caseSensitive) {
    const auto first = static_cast<unsigned char>(needle.empty() ? 0 : needle[0]);
    first_ = first;
    other_ = first;
    if (!caseSensitive && first >= 'A' && first <= 'Z') other_ = first + 0x20;
    if (!caseSensitive && first >= 'a' && first <= 'z') other_ = first - 0x20;
  }

  // The first match at or after `from`, counting only positions that the walk by units from
  // `from` reaches; `from` is where the caller's scan stands, a unit boundary by definition.
  std::size_t next(std::size_t from) {
    const std::size_t m = needle_.size();
    if (m == 0 || text_.size() < m || from > text_.size() - m) return npos;
    const std::size_t last = text_.size() - m;  // the last position with m bytes left
    std::size_t known = from;                    // a unit boundary on the walk
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
  // The first position in [pos, last] whose byte may begin a match.
  std::size_t candidate(std::size_t pos, std::size_t last) {
    if (first_ == other_) return find(first_, pos, last);
    // Two spellings of a letter: remember both next hits so no byte is searched twice.
    if (nextFirst_ == unset || (nextFirst_ != npos && nextFirst_ < pos)) nextFirst_ = find(first_, pos, last);
    if (nextOther_ == unset || (nextOther_ != npos && nextOther_ < pos)) nextOther_ = find(other_, pos, last);
    return nextFirst_ < nextOther_ ? nextFirst_ : nextOther_;
  }

  std::size_t find(unsigned char byte, std::size_t pos, std::size_t last) const {
    const void* hit = std::memchr(text_.data() + pos, byte, last - pos + 1);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data()) : npos;
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

  static constexpr std::size_t unset = npos - 1;
  std::string_view text_;
  std::string_view needle_;
  bool caseSensitive_;
  unsigned char first_ = 0;
  unsigned char other_ = 0;
  std::size_t nextFirst_ = unset;
  std::size_t nextOther_ = unset;
};

}  // namespace shopcode
