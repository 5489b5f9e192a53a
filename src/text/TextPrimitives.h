#pragma once
// Byte-based text operations. A text is a byte string in code page 936; positions and
// counts are 1-based byte positions and byte counts, -1 meaning "not found". Searching
// operations walk the text in scan units (a byte >= 0x80 takes the next byte with it).
// Every argument value has a result; a text longer than INT_MAX bytes has the length
// INT_MAX, and a match beyond that position is reported as not found.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shopcode {

using TextList = std::vector<std::string>;

int byteLength(std::string_view text);
bool textEquals(std::string_view a, std::string_view b);
std::string concatTexts(std::initializer_list<std::string_view> parts);
template <typename... T>
std::string concatTexts(const T&... parts) {
  return concatTexts({std::string_view(parts)...});
}
std::string leftPart(std::string_view text, int n);
std::string rightPart(std::string_view text, int n);
std::string midPart(std::string_view text, int start, int n);
int findText(std::string_view text, std::string_view needle);
std::string trimEnd(std::string_view text);
std::string replaceText(std::string_view text, std::string_view find, std::string_view replacement, int start,
                        std::optional<int> count, bool caseSensitive);
TextList splitText(std::string_view text, std::string_view delimiter);
std::string textFromBytes(std::string_view bytes);
std::string textToBytes(std::string_view text);
int truncateToInt(double x);

}  // namespace shopcode
