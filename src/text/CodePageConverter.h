#pragma once
// Conversion between code page 936 text, UTF-16 and UTF-8, giving exactly what the
// Windows code-page services give.
#include <string>
#include <string_view>

namespace shopcode {

inline constexpr unsigned CodePageGbk = 936;
inline constexpr unsigned CodePageUtf8 = 65001;

// The text read in `codePage`, as little-endian UTF-16 bytes with the terminating zero unit.
std::string toUtf16(std::string_view text, unsigned codePage);
// The string of a UTF-16 buffer (up to its first zero unit) written in `codePage`.
std::string fromUtf16(std::string_view utf16Buffer, unsigned codePage);
// The UTF-8 form of a code page 936 text.
std::string ansiToUtf8(std::string_view text);

// The backend, one per platform: plain conversions without terminators.
std::u16string decodeCodePage(unsigned codePage, std::string_view bytes);
std::string encodeCodePage(unsigned codePage, std::u16string_view units);

// A UTF-8 literal of the source code as code page 936 bytes.
std::string gbkFromUtf8(std::string_view utf8);

}  // namespace shopcode
