// The lossless conversion to code page 936: natively over iconv, under Wine over the Windows
// API, each checked against that platform's own services called directly.
#include "text/CharacterReferences.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/CodePageConverter.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace shopcode {
namespace {

std::string hex(std::string_view bytes) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F) {
      out.push_back(c);
    } else {
      out += "\\x";
      out.push_back(digits[b >> 4]);
      out.push_back(digits[b & 0xF]);
    }
  }
  return out;
}

struct ReferenceCase {
  const char* name;
  std::u16string units;
  std::string gbk;
};

TEST(CharacterReferences, CharactersWithoutAnExactFormBecomeDecimalReferences) {
  const ReferenceCase cases[] = {
      {"empty", u"", ""},
      {"ASCII, a typed reference included", u"abc &#65; <p>", "abc &#65; <p>"},
      {"Chinese", u"咨询中文", "\xD7\xC9\xD1\xAF\xD6\xD0\xCE\xC4"},
      {"emoji: one reference for the surrogate pair", u"😊", "&#128522;"},
      {"two emoji in a row", u"😊👍", "&#128522;&#128077;"},
      {"copyright, registered, bullet, won, sharp s", u"©®•₩ß", "&#169;&#174;&#8226;&#8361;&#223;"},
      // Windows writes à (A8 A4) for À: a look-alike, so it is a reference.
      {"capital A grave has only a best fit", u"À", "&#192;"},
      {"small a grave and e acute are in code page 936", u"àé", "\xA8\xA4\xA8\xA6"},
      {"euro sign and the single byte FF", u"€\uF8F5", "\x80\xFF"},
      {"a user-defined character", u"\uE05E", "\xAB\xA1"},
      {"the replacement character itself", u"\uFFFD", "&#65533;"},
      {"the last code point", u"\U0010FFFF", "&#1114111;"},
      {"lone high surrogate", std::u16string(u"a") + char16_t(0xD83D) + u"b", "a&#65533;b"},
      {"lone low surrogate", std::u16string(1, char16_t(0xDE0A)), "&#65533;"},
      {"high surrogate at the end", std::u16string(u"x") + char16_t(0xD83D), "x&#65533;"},
      {"pair in the wrong order", std::u16string{char16_t(0xDE0A), char16_t(0xD83D)}, "&#65533;&#65533;"},
      {"what a user typed: mixed", u"咨询 😊 ₩ é à ß",
       "\xD7\xC9\xD1\xAF &#128522; &#8361; \xA8\xA6 \xA8\xA4 &#223;"},
      {"an address", u"http://img.cn/😊.gif?a=1&b=©", "http://img.cn/&#128522;.gif?a=1&b=&#169;"},
  };
  for (const ReferenceCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(hex(gbkWithReferences(c.units)), hex(c.gbk));
  }
}

TEST(CharacterReferences, TextThatCodePage936HoldsGivesThePlainConversionsBytes) {
  const std::string gbk =
      "<a href=\"http://shop.example.com/\xD0\xC2\xC6\xB7\">\xB5\xE3\xD5\xE2\xC0\xEF</a>\r\n"
      "\x80 \xA1\xA1\xA8\xA4\xAB\xA1\xFF tb\xB5\xEA\xD6\xF7";
  std::u16string units = decodeCodePage(CodePageGbk, gbk);
  std::string expected = gbk;
  for (int i = 0; i < 6; ++i) units += units, expected += expected;
  EXPECT_EQ(gbkWithReferences(units), expected);
  EXPECT_EQ(gbkWithReferences(units), encodeCodePage(CodePageGbk, units));
}

TEST(CharacterReferences, ReadingBackGivesTheCharactersAgain) {
  const std::u16string texts[] = {
      u"",
      u"咨询 😊 ₩ é à ß ©®• À",
      u"😊5 &#6 & # ; &#; 😊😊",
      u"\U0010FFFF\U00010000 end",
      u"line\r\nnext €\uF8F5\uE05E",
  };
  for (const std::u16string& text : texts) {
    SCOPED_TRACE(hex(gbkWithReferences(text)));
    EXPECT_EQ(charactersOfGbkWithReferences(gbkWithReferences(text)), text);
  }
  // A lone surrogate comes back as the replacement character it was written as.
  EXPECT_EQ(charactersOfGbkWithReferences(gbkWithReferences(std::u16string{u'a', char16_t(0xD800)})),
            u"a\uFFFD");
}

TEST(CharacterReferences, OnlyTheReferencesTheConversionMakesAreReadBack) {
  struct Case {
    std::string text;
    std::u16string characters;
  } const cases[] = {
      {"&#128522;", u"😊"},
      {"&#169;x&#174;", u"©x®"},
      {"&&#169;;", u"&©;"},
      {"\xD6\xD0&#223;", u"中ß"},
      {"&#65;", u"&#65;"},              // A has its own form: typed, not made
      {"&#20013;", u"&#20013;"},        // 中 too
      {"&#x1F60A;", u"&#x1F60A;"},      // hexadecimal: never made
      {"&#0128522;", u"&#0128522;"},    // a leading zero: never made
      {"&#128522", u"&#128522"},        // no semicolon
      {"&#1114112;", u"&#1114112;"},    // past the last code point
      {"&#12345678;", u"&#12345678;"},  // eight digits
      {"&#55357;", u"&#55357;"},        // a surrogate is no character
      {"&#", u"&#"},
      {"&#;", u"&#;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(charactersOfGbkWithReferences(c.text), c.characters);
  }
}

// Every unit of the Basic Multilingual Plane beyond ASCII (surrogates aside), and what the
// platform itself gives for it: its code page 936 bytes when they read back as that unit.
struct PlatformForm {
  char16_t unit;
  std::string bytes;  // empty: no exact form
};

#ifdef _WIN32
std::vector<PlatformForm> platformForms() {
  std::vector<PlatformForm> forms;
  for (char32_t u = 0x80; u <= 0xFFFF; ++u) {
    if (u >= 0xD800 && u <= 0xDFFF) continue;
    const wchar_t unit = static_cast<wchar_t>(u);
    char bytes[8];
    const int length = WideCharToMultiByte(936, 0, &unit, 1, bytes, sizeof bytes, nullptr, nullptr);
    wchar_t back[4];
    const int units = length > 0 ? MultiByteToWideChar(936, 0, bytes, length, back, 4) : 0;
    const bool exact = units == 1 && back[0] == unit;
    forms.push_back({static_cast<char16_t>(u), exact ? std::string(bytes, length) : std::string()});
  }
  return forms;
}
#else
// glibc's CP936 lacks the user-defined areas and the byte FF that Windows maps into the
// Private Use Area (the backend adds them): those units are left to the cases above.
std::vector<PlatformForm> platformForms() {
  std::vector<PlatformForm> forms;
  iconv_t to = iconv_open("CP936", "UTF-16LE");
  iconv_t from = iconv_open("UTF-16LE", "CP936");
  EXPECT_NE(to, reinterpret_cast<iconv_t>(-1));  // NOLINT(performance-no-int-to-ptr)
  for (char32_t u = 0x80; u <= 0xFFFF; ++u) {
    if ((u >= 0xD800 && u <= 0xDFFF) || (u >= 0xE000 && u <= 0xF8FF)) continue;
    char source[2] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    char bytes[8], back[8];
    char* in = source;
    char* out = bytes;
    size_t inLeft = 2, outLeft = sizeof bytes;
    bool exact = iconv(to, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
    const size_t length = sizeof bytes - outLeft;
    if (exact) {
      in = bytes;
      inLeft = length;
      out = back;
      outLeft = sizeof back;
      exact = iconv(from, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1) &&
              sizeof back - outLeft == 2 && std::string(back, 2) == std::string(source, 2);
    }
    forms.push_back({static_cast<char16_t>(u), exact ? std::string(bytes, length) : std::string()});
  }
  iconv_close(to);
  iconv_close(from);
  return forms;
}
#endif

TEST(CharacterReferences, EveryUnitIsItsPlatformFormOrAReference) {
  const std::vector<PlatformForm> forms = platformForms();
  std::u16string all;
  std::string expected;
  int references = 0;
  for (const PlatformForm& form : forms) {
    all.push_back(form.unit);
    const std::string reference = "&#" + std::to_string(form.unit) + ";";
    expected += form.bytes.empty() ? reference : form.bytes;
    references += form.bytes.empty();
    EXPECT_EQ(hasExactGbkForm(form.unit), !form.bytes.empty()) << std::hex << static_cast<int>(form.unit);
  }
  EXPECT_EQ(gbkWithReferences(all), expected);
  // Code page 936 holds about 22,000 characters beyond ASCII: most of the plane needs references.
  EXPECT_GT(references, 35000);
  EXPECT_LT(references, static_cast<int>(forms.size()) - 20000);
  EXPECT_FALSE(hasExactGbkForm(0x1F60A));
  EXPECT_FALSE(hasExactGbkForm(0xD83D));
  EXPECT_TRUE(hasExactGbkForm('A'));
}

}  // namespace
}  // namespace shopcode
