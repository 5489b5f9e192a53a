#include "text/PercentEncoder.h"

#include "text/CharacterReferences.h"
#include "text/CodePageConverter.h"
#include "text/TextPrimitives.h"

namespace shopcode {

std::string encode(std::string_view text, const EventPump& pumpEvents) {
  static constexpr char hexDigits[] = "0123456789ABCDEF";
  // For a text without such references this is exactly ansiToUtf8's result.
  const std::string bytes =
      textToBytes(encodeCodePage(CodePageUtf8, charactersOfGbkWithReferences(textFromBytes(text))));
  // Written in place, one group per byte, instead of rebuilding the result each time: the
  // same text in linear time.
  std::string result(bytes.size() * 3, '\0');
  char* out = result.data();
  for (const char c : bytes) {
    const auto value = static_cast<unsigned char>(c);
    *out++ = '%';
    *out++ = hexDigits[value >> 4];
    *out++ = hexDigits[value & 0x0F];
    if (pumpEvents) pumpEvents();
  }
  return result;
}

}  // namespace shopcode
