#pragma once
// The text primitives written straight from their rules, one byte or unit at a time, with
// no shortcuts: the model that the fuzz targets compare the real operations with.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace model {

using Text = std::string;

inline bool lead(Text const& t, std::int64_t i) {
  return static_cast<unsigned char>(t[i]) >= 0x80;
}

inline std::int64_t len(Text const& t) {
  return static_cast<std::int64_t>(t.size());
}

inline Text left(Text const& t, std::int64_t n) {
  Text r;
  for (std::int64_t i = 0; i < n && i < len(t); ++i) r += t[i];  // n <= 0: nothing
  return r;
}

inline Text right(Text const& t, std::int64_t n) {
  Text r;
  for (std::int64_t i = len(t) - n < 0 ? 0 : len(t) - n; i < len(t); ++i) r += t[i];
  return r;
}

inline Text mid(Text const& t, std::int64_t start, std::int64_t n) {
  Text r;
  const std::int64_t p = start - 1;
  if (p < 0 || p >= len(t) || n <= 0) return r;
  for (std::int64_t i = p; i < len(t) && i < p + n; ++i) r += t[i];
  return r;
}

inline bool equalAt(Text const& t, std::int64_t at, Text const& needle, bool caseSensitive) {
  if (at + len(needle) > len(t)) return false;
  for (std::int64_t k = 0; k < len(needle); ++k) {
    unsigned char a = t[at + k], b = needle[k];
    if (!caseSensitive) {
      if (a >= 'A' && a <= 'Z') a += 32;
      if (b >= 'A' && b <= 'Z') b += 32;
    }
    if (a != b) return false;
  }
  return true;
}

inline int find(Text const& t, Text const& needle) {
  if (needle.empty()) return t.empty() ? -1 : 1;
  std::int64_t i = 0;
  while (len(t) - i >= len(needle)) {
    if (equalAt(t, i, needle, true)) return static_cast<int>(i + 1);
    if (lead(t, i)) {
      if (i == len(t) - 1) break;
      i += 2;
    } else {
      i += 1;
    }
  }
  return -1;
}

inline Text trim(Text const& t) {
  std::int64_t i = 0, runStart = -1;
  while (i < len(t)) {
    if (lead(t, i) && i == len(t) - 1) return left(t, len(t) - 1);
    const bool blank = t[i] == ' ' || (lead(t, i) && t[i] == '\xA1' && t[i + 1] == '\xA1');
    if (blank && runStart < 0) runStart = i;
    if (!blank) runStart = -1;
    i += lead(t, i) ? 2 : 1;
  }
  return runStart < 0 ? t : left(t, runStart);
}

inline Text replace(Text const& t, Text const& find, Text const& repl, std::int64_t start,
                    std::optional<int> count, bool caseSensitive) {
  const std::int64_t s = start - 1 > 0 ? start - 1 : 0;
  if (t.empty() || find.empty() || s >= len(t) || (count && *count == 0)) return t;
  std::int64_t remaining = count ? *count : -1;
  Text out = left(t, s);
  std::int64_t i = s;
  while (len(t) - i >= len(find)) {
    if (equalAt(t, i, find, caseSensitive)) {
      out += repl;
      i += len(find);
      if (remaining > 0 && --remaining == 0) break;
    } else {
      const std::int64_t unit = lead(t, i) && i + 1 < len(t) ? 2 : 1;
      out += t.substr(i, unit);
      i += unit;
    }
  }
  return out + t.substr(i);
}

inline std::vector<Text> split(Text const& t, Text const& delim) {
  std::vector<Text> parts;
  if (t.empty()) return parts;
  std::int64_t i = 0, partStart = 0;
  while (len(t) - i >= len(delim)) {
    if (equalAt(t, i, delim, true)) {
      parts.push_back(t.substr(partStart, i - partStart));
      i += len(delim);
      partStart = i;
      continue;
    }
    if (lead(t, i) && i == len(t) - 1) break;
    i += lead(t, i) ? 2 : 1;
  }
  if (partStart < len(t)) parts.push_back(t.substr(partStart));
  return parts;
}

}  // namespace model
