#include "ui/win32/Gbk.h"

#include "text/CharacterReferences.h"
#include "text/CodePageConverter.h"

namespace shopcode::win32 {

// The text services' Windows backend does the converting; wchar_t and char16_t are both
// UTF-16 units on Windows, so only the string type changes here.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

namespace {
std::wstring wide(const std::u16string& units) {
  return std::wstring(units.begin(), units.end());
}
std::u16string units(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}
}  // namespace

std::wstring widenGbk(std::string_view text) {
  return wide(decodeCodePage(CodePageGbk, text));
}

std::wstring widenUtf8(std::string_view utf8) {
  return wide(decodeCodePage(CodePageUtf8, utf8));
}

std::string narrowGbk(std::wstring_view text) {
  return encodeCodePage(CodePageGbk, units(text));
}

std::string narrowKeepingAll(std::wstring_view text) {
  return gbkWithReferences(units(text));
}

std::wstring widenKeepingAll(std::string_view text) {
  return wide(charactersOfGbkWithReferences(text));
}

}  // namespace shopcode::win32
