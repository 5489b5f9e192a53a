#include "text/TextPrimitives.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "text/UnitScanner.h"

namespace shopcode {

namespace {

// Texts longer than an int can count are measured as INT_MAX; positions beyond it
// cannot be reported and count as not found.
int clampToInt(std::size_t n) {
  return n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n);
}

bool isLeadByte(unsigned char byte) {
  return byte >= 0x80;
}

}  // namespace

int byteLength(std::string_view text) {
  return clampToInt(text.size());
}

bool textEquals(std::string_view a, std::string_view b) {
  return a == b;
}

std::string concatTexts(std::initializer_list<std::string_view> parts) {
  std::size_t total = 0;
  for (std::string_view part : parts) total += part.size();
  std::string result;
  result.reserve(total);
  for (std::string_view part : parts) result.append(part);
  return result;
}

std::string leftPart(std::string_view text, int n) {
  if (n <= 0) return {};
  return std::string(text.substr(0, static_cast<std::size_t>(n)));
}

std::string rightPart(std::string_view text, int n) {
  if (n <= 0) return {};
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(n));
  return std::string(text.substr(text.size() - count));
}

std::string midPart(std::string_view text, int start, int n) {
  const std::int64_t offset = static_cast<std::int64_t>(start) - 1;  // start may be INT_MIN
  if (offset < 0 || static_cast<std::uint64_t>(offset) >= text.size() || n <= 0) return {};
  return std::string(text.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(n)));
}

int findText(std::string_view text, std::string_view needle) {
  if (needle.empty()) return text.empty() ? -1 : 1;
  UnitScanner scanner(text, needle, true);
  const std::size_t match = scanner.next(0);
  if (match == UnitScanner::npos || match >= static_cast<std::size_t>(INT_MAX)) return -1;
  return static_cast<int>(match) + 1;
}

std::string trimEnd(std::string_view text) {
  std::size_t runStart = 0;  // where the trailing run of blank units begins
  std::size_t i = 0;
  const std::size_t size = text.size();
  while (i < size) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!isLeadByte(byte)) {
      i += 1;
      if (byte != 0x20) runStart = i;
    } else if (i + 1 == size) {
      // An incomplete last unit: only that byte goes.
      return std::string(text.substr(0, size - 1));
    } else {
      const bool fullWidthSpace = byte == 0xA1 && static_cast<unsigned char>(text[i + 1]) == 0xA1;
      i += 2;
      if (!fullWidthSpace) runStart = i;
    }
  }
  return std::string(text.substr(0, runStart));
}

std::string replaceText(std::string_view text, std::string_view find, std::string_view replacement, int start,
                        std::optional<int> count, bool caseSensitive) {
  const std::int64_t skip = std::max<std::int64_t>(static_cast<std::int64_t>(start) - 1, 0);
  if (text.empty() || find.empty() || static_cast<std::uint64_t>(skip) >= text.size() ||
      (count && *count == 0)) {
    return std::string(text);
  }
  // A negative count never reaches 0: unlimited.
  std::int64_t remaining = count && *count > 0 ? *count : -1;
  UnitScanner scanner(text, find, caseSensitive);
  std::string result;
  result.reserve(text.size());
  std::size_t copied = static_cast<std::size_t>(skip);  // the first start - 1 bytes stay as they are
  result.append(text.substr(0, copied));
  while (remaining != 0) {
    const std::size_t match = scanner.next(copied);
    if (match == UnitScanner::npos) break;
    result.append(text.substr(copied, match - copied));
    result.append(replacement);
    copied = match + find.size();
    if (remaining > 0) --remaining;
  }
  result.append(text.substr(copied));
  return result;
}

TextList splitText(std::string_view text, std::string_view delimiter) {
  TextList parts;
  if (text.empty()) return parts;
  if (delimiter.empty()) {
    // An empty delimiter never cuts: the whole text is the one element.
    parts.emplace_back(text);
    return parts;
  }
  UnitScanner scanner(text, delimiter, true);
  std::size_t partStart = 0;
  for (;;) {
    const std::size_t match = scanner.next(partStart);
    if (match == UnitScanner::npos) break;
    parts.emplace_back(text.substr(partStart, match - partStart));
    partStart = match + delimiter.size();
  }
  if (partStart < text.size()) parts.emplace_back(text.substr(partStart));
  return parts;
}

std::string textFromBytes(std::string_view bytes) {
  return std::string(bytes.substr(0, std::min(bytes.find('\0'), bytes.size())));
}

std::string textToBytes(std::string_view text) {
  return std::string(text);
}

int truncateToInt(double x) {
  if (std::isnan(x)) return 0;
  const double truncated = std::trunc(x);
  if (truncated >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (truncated <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(truncated);
}

}  // namespace shopcode
