#pragma once
#include <string_view>

namespace shopcode {

// True when the bytes are well-formed UTF-8: no stray or missing continuation bytes, no
// overlong forms, no surrogates, nothing past U+10FFFF. The empty string and ASCII are.
bool isWellFormedUtf8(std::string_view bytes);

}  // namespace shopcode
