#pragma once
// Code page 936 texts to UTF-16 and back for the W functions, named explicitly so that
// nothing depends on the system's ANSI code page.
#include <string>
#include <string_view>

namespace shopcode::win32 {

std::wstring widenGbk(std::string_view text);
// The program's own UTF-8 literals (the controls' captions).
std::wstring widenUtf8(std::string_view utf8);
// Characters that code page 936 lacks come out as the system's default character.
std::string narrowGbk(std::wstring_view text);

// The lossless pair: what code page 936 lacks becomes a character reference ("&#128522;"),
// and reading such a text back gives the characters again (gbkWithReferences).
std::string narrowKeepingAll(std::wstring_view text);
std::wstring widenKeepingAll(std::string_view text);

}  // namespace shopcode::win32
