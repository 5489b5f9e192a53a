#include "text/CodePageConverter.h"

#include <algorithm>

namespace shopcode {

// The results are those of MultiByteToWideChar / WideCharToMultiByte called with the source
// length -1, but every size comes from the code page actually converted (not the ANSI code
// page) and the UTF-8 form is always complete, whatever its length.

std::string toUtf16(std::string_view text, unsigned codePage) {
  text = text.substr(0, text.find('\0'));  // a text ends at its first zero byte
  const std::u16string units = decodeCodePage(codePage, text);
  std::string buffer(units.size() * 2, '\0');
  char* out = buffer.data();
  for (const char16_t unit : units) {
    *out++ = static_cast<char>(unit & 0xFF);
    *out++ = static_cast<char>(unit >> 8);
  }
  buffer.append(2, '\0');  // the terminator unit
  return buffer;
}

std::string fromUtf16(std::string_view utf16Buffer, unsigned codePage) {
  const std::size_t available = utf16Buffer.size() / 2;  // an odd last byte is no unit
  std::u16string units;
  units.reserve(available);
  for (std::size_t i = 0; i < available; ++i) {
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>(utf16Buffer[2 * i]) |
                                            static_cast<unsigned char>(utf16Buffer[2 * i + 1]) << 8);
    if (unit == 0) break;  // the string ends at its first zero unit
    units.push_back(unit);
  }
  std::string text = encodeCodePage(codePage, units);
  text.resize(std::min(text.find('\0'), text.size()));
  return text;
}

std::string ansiToUtf8(std::string_view text) {
  return fromUtf16(toUtf16(text, CodePageGbk), CodePageUtf8);
}

std::string gbkFromUtf8(std::string_view utf8) {
  return fromUtf16(toUtf16(utf8, CodePageUtf8), CodePageGbk);
}

}  // namespace shopcode
