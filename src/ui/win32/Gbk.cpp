#include "ui/win32/Gbk.h"

#include "text/CodePageConverter.h"

namespace shopcode::win32 {

// The text services' Windows backend does the converting; wchar_t and char16_t are both
// UTF-16 units on Windows, so only the string type changes here.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring widenGbk(std::string_view text) {
  const std::u16string units = decodeCodePage(CodePageGbk, text);
  return std::wstring(units.begin(), units.end());
}

std::wstring widenUtf8(std::string_view utf8) {
  const std::u16string units = decodeCodePage(CodePageUtf8, utf8);
  return std::wstring(units.begin(), units.end());
}

std::string narrowGbk(std::wstring_view text) {
  return encodeCodePage(CodePageGbk, std::u16string(text.begin(), text.end()));
}

}  // namespace shopcode::win32
