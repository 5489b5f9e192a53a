#pragma once
// Code page 936 texts that lose no character. Every code point that has no exact code page
// 936 form (its 936 bytes would not read back as the same character, as with a best-fit
// substitute or '?') stands as a decimal numeric character reference "&#N;", which HTML
// shows as the character itself. Text that code page 936 holds converts to exactly the
// bytes of the plain conversion.
#include <string>
#include <string_view>

namespace shopcode {

// True when code page 936 holds the code point itself (ASCII, Chinese, the euro sign, the
// user-defined areas, ...); false for everything it replaces or approximates.
bool hasExactGbkForm(char32_t codePoint);

// UTF-16 to code page 936 with a reference for every code point without an exact form:
// one reference per code point (a surrogate pair is one), "&#65533;" for a lone surrogate.
std::string gbkWithReferences(std::u16string_view units);

// The inverse: the characters of such a text. Only the references that gbkWithReferences
// makes are read back (decimal, no leading zero, a code point without an exact form), so a
// text such as "&#65;" or "&#x1F60A;" keeps its characters as they stand.
std::u16string charactersOfGbkWithReferences(std::string_view text);

}  // namespace shopcode
