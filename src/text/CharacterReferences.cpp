#include "text/CharacterReferences.h"

#include <bitset>
#include <string_view>
#include <vector>

#include "text/CodePageConverter.h"

namespace shopcode {
namespace {

constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t LastCodePoint = 0x10FFFF;

bool isHighSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}
bool isSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDFFF;
}

using UnitSet = std::bitset<0x10000>;

bool readsBackAsItself(char16_t unit) {
  const std::u16string one(1, unit);
  return decodeCodePage(CodePageGbk, encodeCodePage(CodePageGbk, one)) == one;
}

// The pieces of `text` between the line feeds (nothing after the last one).
template <typename Char>
std::vector<std::basic_string_view<Char>> linesOf(std::basic_string_view<Char> text) {
  std::vector<std::basic_string_view<Char>> pieces;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(Char('\n'), start);
    if (end == std::basic_string_view<Char>::npos) return pieces;
    pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

// Asks the platform's own conversion, once, which units code page 936 holds exactly. Only a
// unit that some code reads as can be one: every code beyond ASCII is read in one call, then
// those units go to code page 936 and back in one call each way, each code and each unit
// followed by a line feed. Each is one whole character, and none but the line feed is the
// byte 0x0A, so the pieces between the line feeds line up; should they not, each unit is
// asked on its own.
UnitSet buildExactUnits() {
  UnitSet exact;
  for (char16_t unit = 0; unit < 0x80; ++unit) exact.set(unit);  // ASCII stands for itself
  std::string codes = "\x80\n\xFF\n";                            // the two single bytes beyond ASCII
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      codes += {static_cast<char>(lead), static_cast<char>(trail), '\n'};
    }
  }
  const std::u16string read = decodeCodePage(CodePageGbk, codes);
  UnitSet seen;
  std::u16string candidates;
  for (const std::u16string_view piece : linesOf(std::u16string_view(read))) {
    if (piece.size() != 1 || piece[0] < 0x80 || isSurrogate(piece[0]) || seen.test(piece[0])) continue;
    seen.set(piece[0]);
    candidates += {piece[0], u'\n'};
  }
  const std::u16string back = decodeCodePage(CodePageGbk, encodeCodePage(CodePageGbk, candidates));
  const auto asked = linesOf(std::u16string_view(candidates));
  const auto answered = linesOf(std::u16string_view(back));
  for (std::size_t i = 0; i < asked.size(); ++i) {
    const char16_t unit = asked[i][0];
    const bool same = asked.size() == answered.size() ? answered[i] == asked[i] : readsBackAsItself(unit);
    if (same) exact.set(unit);
  }
  return exact;
}

const UnitSet& exactUnits() {
  static const UnitSet exact = buildExactUnits();
  return exact;
}

void appendReference(std::u16string& out, char32_t codePoint) {
  char16_t digits[8];
  int count = 0;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + codePoint % 10);
    codePoint /= 10;
  } while (codePoint > 0);
  out += u"&#";
  while (count > 0) out.push_back(digits[--count]);
  out.push_back(u';');
}

void appendCodePoint(std::u16string& out, char32_t codePoint) {
  if (codePoint < 0x10000) {
    out.push_back(static_cast<char16_t>(codePoint));
    return;
  }
  out.push_back(static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF)));
}

bool isDigit(char16_t unit) {
  return unit >= u'0' && unit <= u'9';
}

// The code point of a reference as gbkWithReferences writes it, starting at `at` ("&#"
// already seen there), and the length of the reference; 0 when there is none.
std::size_t referenceAt(std::u16string_view units, std::size_t at, char32_t& codePoint) {
  constexpr std::size_t MaxDigits = 7;  // 1114111, the last code point
  const std::size_t first = at + 2;
  std::size_t end = first;
  char32_t value = 0;
  while (end < units.size() && end - first < MaxDigits && isDigit(units[end])) {
    value = value * 10 + (units[end] - u'0');
    ++end;
  }
  if (end == first || units[first] == u'0') return 0;
  if (end >= units.size() || units[end] != u';') return 0;
  if (value > LastCodePoint || isSurrogate(value) || hasExactGbkForm(value)) return 0;
  codePoint = value;
  return end + 1 - at;
}

}  // namespace

bool hasExactGbkForm(char32_t codePoint) {
  return codePoint < 0x10000 && exactUnits().test(codePoint);
}

std::string gbkWithReferences(std::u16string_view units) {
  const UnitSet& exact = exactUnits();
  std::size_t i = 0;
  while (i < units.size() && exact.test(units[i])) ++i;
  if (i == units.size()) return encodeCodePage(CodePageGbk, units);  // the common case

  // The references are ASCII and convert as themselves: one conversion of the whole text.
  std::u16string spelled(units.substr(0, i));
  spelled.reserve(units.size() + units.size() / 8 + 16);
  for (; i < units.size(); ++i) {
    const char16_t unit = units[i];
    if (exact.test(unit)) {
      spelled.push_back(unit);
      continue;
    }
    char32_t codePoint = unit;
    if (isHighSurrogate(unit) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
      codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    } else if (isSurrogate(unit)) {
      codePoint = Replacement;
    }
    appendReference(spelled, codePoint);
  }
  return encodeCodePage(CodePageGbk, spelled);
}

std::u16string charactersOfGbkWithReferences(std::string_view text) {
  std::u16string units = decodeCodePage(CodePageGbk, text);
  std::size_t next = units.find(u"&#");
  if (next == std::u16string::npos) return units;
  std::u16string out(units, 0, next);
  out.reserve(units.size());
  for (std::size_t i = next; i < units.size();) {
    char32_t codePoint = 0;
    const std::size_t length = units[i] == u'&' && i + 1 < units.size() && units[i + 1] == u'#'
                                   ? referenceAt(units, i, codePoint)
                                   : 0;
    if (length > 0) {
      appendCodePoint(out, codePoint);
      i += length;
    } else {
      out.push_back(units[i++]);
    }
  }
  return out;
}

}  // namespace shopcode
