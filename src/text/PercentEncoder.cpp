#include "text/PercentEncoder.h"

#include "text/CodePageConverter.h"
#include "text/TextPrimitives.h"

namespace shopcode {

std::string encode(std::string_view text, const EventPump& pumpEvents) {
  static constexpr char hexDigits[] = "0123456789ABCDEF";
  const std::string bytes = textToBytes(ansiToUtf8(text));
  std::string result;
  result.reserve(bytes.size() * 3);
  // One append per byte instead of rebuilding the result: the same text in linear time.
  for (const char c : bytes) {
    const auto value = static_cast<unsigned char>(c);
    const char group[] = {'%', hexDigits[value >> 4], hexDigits[value & 0x0F]};
    result.append(group, sizeof group);
    if (pumpEvents) pumpEvents();
  }
  return result;
}

}  // namespace shopcode
