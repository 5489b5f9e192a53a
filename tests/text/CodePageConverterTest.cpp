#include "text/CodePageConverter.h"

#include <gtest/gtest.h>

#include <string>

namespace shopcode {
namespace {

std::string repeat(const std::string& piece, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += piece;
  return result;
}

struct Utf8Case {
  std::string gbk;
  std::string utf8;
};

TEST(CodePageConverter, AnsiToUtf8) {
  const Utf8Case cases[] = {
      {"", ""},
      {"Hello, world! 0123 ~", "Hello, world! 0123 ~"},
      {"\xD6\xD0", "\xE4\xB8\xAD"},  // 中
      {repeat("\xD6\xD0", 10), repeat("\xE4\xB8\xAD", 10)},
      {"a\xD6\xD0\xCE\xC4\x62", "a\xE4\xB8\xAD\xE6\x96\x87\x62"},
      {"\xA1\xA1", "\xE3\x80\x80"},              // the full-width space
      {"\x80", "\xE2\x82\xAC"},                  // one euro sign still fitted
      {"\x80\x80", "\xE2\x82\xAC\xE2\x82\xAC"},  // two did not: now the complete form
      {repeat("\x80", 100) + "a", repeat("\xE2\x82\xAC", 100) + "a"},
      {"\xAA\xA1", "\xEE\x80\x80"},  // a user-defined character: U+E000
      {"\xFE\x50", "\xEE\xA0\x95"},  // U+E815
      {"\xFF", "\xEF\xA3\xB5"},      // U+F8F5
  };
  for (const Utf8Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.gbk));
    EXPECT_EQ(ansiToUtf8(c.gbk), c.utf8);
  }
  EXPECT_EQ(ansiToUtf8(std::string("ab\0cd", 5)), "ab");  // a text ends at its first zero byte
}

TEST(CodePageConverter, ToUtf16HoldsExactlyTheUnitsAndTheTerminator) {
  EXPECT_EQ(toUtf16("ab", CodePageGbk), std::string("a\0b\0\0\0", 6));
  EXPECT_EQ(toUtf16("", CodePageGbk), std::string("\0\0", 2));
  // Sized from code page 936 itself: two characters are two units, whatever the ANSI code page.
  EXPECT_EQ(toUtf16("\xD6\xD0\xCE\xC4", CodePageGbk), std::string("\x2D\x4E\x87\x65\0\0", 6));
  EXPECT_EQ(toUtf16("\x80", CodePageGbk), std::string("\xAC\x20\0\0", 4));
  EXPECT_EQ(toUtf16("\xE4\xB8\xAD", CodePageUtf8), std::string("\x2D\x4E\0\0", 4));
  EXPECT_EQ(toUtf16("\xF0\x9F\x98\x80", CodePageUtf8), std::string("\x3D\xD8\x00\xDE\0\0", 6));
  // Invalid UTF-8: one U+FFFD per maximal valid prefix, as Windows does for a cut sequence.
  EXPECT_EQ(toUtf16("a\xE4\xB8", CodePageUtf8), std::string("a\0\xFD\xFF\0\0", 6));
  EXPECT_EQ(toUtf16("\xC0\x80", CodePageUtf8), std::string("\xFD\xFF\xFD\xFF\0\0", 6));
}

TEST(CodePageConverter, FromUtf16StopsAtTheFirstZeroUnit) {
  EXPECT_EQ(fromUtf16(std::string("a\0b\0\0\0", 6), CodePageGbk), "ab");
  EXPECT_EQ(fromUtf16(std::string("a\0\0\0b\0\0\0", 8), CodePageGbk), "a");
  EXPECT_EQ(fromUtf16("", CodePageGbk), "");
  EXPECT_EQ(fromUtf16("", CodePageUtf8), "");
  EXPECT_EQ(fromUtf16(std::string("a\0b", 3), CodePageUtf8), "a");  // an odd last byte is no unit
  EXPECT_EQ(fromUtf16(std::string("\x2D\x4E\x87\x65", 4), CodePageGbk), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(fromUtf16(std::string("\xAC\x20\xAC\x20\xAC\x20\0\0", 8), CodePageUtf8),
            repeat("\xE2\x82\xAC", 3));
  EXPECT_EQ(fromUtf16(std::string("\x3D\xD8\x00\xDE", 4), CodePageUtf8), "\xF0\x9F\x98\x80");
}

TEST(CodePageConverter, Utf16ToGbkUsesDefaultAndBestFitCharacters) {
  EXPECT_EQ(fromUtf16(std::string("\xAC\x20", 2), CodePageGbk), "\x80");  // € back to 0x80
  EXPECT_EQ(fromUtf16(std::string("\x00\xE0", 2), CodePageGbk), "\xAA\xA1");
  EXPECT_EQ(fromUtf16(std::string("\xF5\xF8", 2), CodePageGbk), "\xFF");
  EXPECT_EQ(fromUtf16(std::string("\xA2\x00", 2), CodePageGbk), "\xA1\xE9");  // ¢ best fit: ￠
  EXPECT_EQ(fromUtf16(std::string("\xB2\x00", 2), CodePageGbk), "2");         // ² best fit: 2
  EXPECT_EQ(fromUtf16(std::string("\x80\x00", 2), CodePageGbk), "?");         // U+0080: none
  EXPECT_EQ(fromUtf16(std::string("\x00\xD8", 2), CodePageGbk), "?");         // a lone surrogate
}

TEST(CodePageConverter, GbkFromUtf8ConvertsSourceLiterals) {
  EXPECT_EQ(gbkFromUtf8("信息："), "\xD0\xC5\xCF\xA2\xA3\xBA");
  EXPECT_EQ(gbkFromUtf8("测试代码.html"), "\xB2\xE2\xCA\xD4\xB4\xFA\xC2\xEB.html");
  EXPECT_EQ(gbkFromUtf8("a€"), "a\x80");
  EXPECT_EQ(gbkFromUtf8(""), "");
  EXPECT_EQ(ansiToUtf8(gbkFromUtf8("密码错误，请核对！")), "密码错误，请核对！");
}

TEST(CodePageConverter, InvalidSequencesAreReplacedLikeWindows) {
  const Utf8Case cases[] = {
      {"\xB0", "?"},                             // a lead byte at the very end
      {"a\xB0", "a?"},        {"\xB0 b", "?b"},  // a lead byte with an invalid second byte: one '?' for both
      {"\x81\x7F\x63", "?c"}, {"\x80\x41", "\xE2\x82\xAC\x41"},
  };
  for (const Utf8Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.gbk));
    EXPECT_EQ(ansiToUtf8(c.gbk), c.utf8);
  }
}

}  // namespace
}  // namespace shopcode
