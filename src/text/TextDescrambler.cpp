#include "text/TextDescrambler.h"

#include <vector>

#include "text/CodePageConverter.h"
#include "text/TextPrimitives.h"

namespace shopcode {

namespace {

constexpr unsigned MessageStyleOk = 0;  // MB_OK with no icon

// The odd-position bytes, reordered as k1, k(h+1), k2, k(h+2), ..., with an odd last one at the end.
std::string joinKeptBytes(std::string_view scrambled) {
  std::vector<char> kept;
  kept.reserve(scrambled.size() / 2 + 1);
  for (std::size_t i = 0; i < scrambled.size(); i += 2) kept.push_back(scrambled[i]);
  const std::size_t half = kept.size() / 2;
  std::string joined;
  joined.reserve(kept.size());
  for (std::size_t j = 0; j < half; ++j) {
    joined.push_back(kept[j]);
    joined.push_back(kept[j + half]);
  }
  if (kept.size() % 2 == 1) joined.push_back(kept.back());
  return joined;
}

}  // namespace

std::string descramble(std::string_view scrambled, std::string_view key, const ShowMessage& showMessage) {
  if (scrambled.size() <= 3) return std::string(scrambled.rbegin(), scrambled.rend());
  std::string joined = joinKeptBytes(scrambled);
  const int marker = findText(joined, "*");
  if (marker == -1) return joined;
  const std::string afterMarker = trimEnd(rightPart(joined, byteLength(joined) - marker));
  if (textEquals(afterMarker, key)) return midPart(joined, 1, marker - 1);
  static const std::string message = gbkFromUtf8("密码错误，请核对！");
  if (showMessage) showMessage(message, MessageStyleOk);
  return {};
}

}  // namespace shopcode
