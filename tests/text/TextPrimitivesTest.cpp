#include "text/TextPrimitives.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace shopcode {
namespace {

// Code page 936 bytes of a few characters, spelled out because the tests check bytes.
const std::string Zhong = "\xD6\xD0";           // 中
const std::string Wen = "\xCE\xC4";             // 文
const std::string FullWidthSpace = "\xA1\xA1";  // 　
const std::string CrLf = "\r\n";

TEST(TextPrimitives, LengthAndEquality) {
  EXPECT_EQ(byteLength(Zhong + Wen), 4);
  EXPECT_EQ(byteLength(""), 0);
  EXPECT_EQ(byteLength(std::string_view()), 0);  // a missing text is the empty text

  EXPECT_TRUE(textEquals(std::string_view(), ""));
  EXPECT_FALSE(textEquals(" ", ""));
  EXPECT_FALSE(textEquals("ABC", "abc"));
  EXPECT_FALSE(textEquals("ab", "ab "));
  EXPECT_TRUE(textEquals(Zhong, "\xD6\xD0"));
}

TEST(TextPrimitives, ConcatJoinsInOrderAndSkipsEmptyParts) {
  EXPECT_EQ(concatTexts("a", "", "bc"), "abc");
  EXPECT_EQ(concatTexts("<a href=\"", "x", "\">", Zhong, "</a>", "", "!"),
            "<a href=\"x\">" + Zhong + "</a>!");
  EXPECT_EQ(concatTexts("", ""), "");
}

struct CutCase {
  const char* text;
  int start;  // midPart only
  int n;
  const char* left;
  const char* right;
  const char* mid;
};

TEST(TextPrimitives, CuttingCountsPlainBytesAndClampsEveryArgument) {
  const CutCase cases[] = {
      {"abcdef", 2, 3, "abc", "def", "bcd"},
      {"abcdef", 6, 10, "abcdef", "abcdef", "f"},
      {"abcdef", 7, 3, "abc", "def", ""},
      {"abcdef", 0, 3, "abc", "def", ""},  // a start below 1 is not moved up to 1
      {"abcdef", -3, 3, "abc", "def", ""},
      {"abcdef", 1, 0, "", "", ""},
      {"abcdef", 1, -2, "", "", ""},
      {"abcdef", 1, INT_MAX, "abcdef", "abcdef", "abcdef"},
      {"abcdef", INT_MIN, INT_MAX, "abcdef", "abcdef", ""},
      {"abcdef", INT_MAX, 1, "a", "f", ""},
      {"abcdef", 3, INT_MIN, "", "", ""},
      {"", 1, 1, "", "", ""},
      {"\xD6\xD0\x61", 2, 1, "\xD6", "a", "\xD0"},  // may cut a double-byte character in two
  };
  for (const CutCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " start " << c.start << " n " << c.n);
    EXPECT_EQ(leftPart(c.text, c.n), c.left);
    EXPECT_EQ(rightPart(c.text, c.n), c.right);
    EXPECT_EQ(midPart(c.text, c.start, c.n), c.mid);
  }
}

struct FindCase {
  std::string text;
  std::string needle;
  int position;
};

TEST(TextPrimitives, FindMatchesOnlyAtScanUnitBoundaries) {
  const FindCase cases[] = {
      {"abcabc", "c", 3},
      {"abc", "d", -1},
      {"abc", "ABC", -1},  // case counts
      {"abc", "", 1},
      {"", "", -1},
      {"", "a", -1},
      {"ab", "abc", -1},
      {"\xB0\x41", "A", -1},     // 0x41 is the second byte of a double-byte character
      {"\xB0\x41\x41", "A", 3},  // the free-standing one is found
      {"\xB0\x41\xB0\x41", "A", -1},
      {"x" + Zhong + Wen + "*", "*", 6},
      {Zhong + Wen, "\xD0\xCE", -1},  // straddles two characters
      {Zhong + Wen, Wen, 3},
      {"\x80\x61\x61", "a", 3},  // 0x80 leads a unit all the same
      {"\xFF\x61\x61", "a", 3},  // and so does 0xFF
      {"\xFF\xFF\xFF", "\xFF", 1},
      {"a\xFF\xFF\xFF", "\xFF\xFF", 2},
      {"\xFF\xFF\xFF\xFF", "\xFF\xFF\xFF", 1},
      {"ab\xB0", "\xB0", 3},  // a lead byte at the very end can still be a match
      {"ab\xB0", "\xB0x", -1},
      {"\xB0\xB0\x41", "A", 3},       // units B0 B0 | A
      {"\xB0\xB0\xB0\x41", "A", -1},  // units B0 B0 | B0 A
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "needle '" << c.needle << "' in '" << c.text << "'");
    EXPECT_EQ(findText(c.text, c.needle), c.position);
  }
}

TEST(TextPrimitives, FindKeepsTheUnitParityAcrossLongDoubleByteRuns) {
  // memchr jumps straight to the 'A'; whether it starts a unit depends on every byte before it.
  std::string chinese;
  for (int i = 0; i < 5000; ++i) chinese += Zhong;
  EXPECT_EQ(findText(chinese + "A", "A"), 10001);
  EXPECT_EQ(findText("\xB0" + chinese + "A", "A"), -1);
  EXPECT_EQ(findText("\xB0" + chinese + "AA", "A"), 10003);
  EXPECT_EQ(findText(chinese + "x" + chinese + "\xB0\x41", "A"), -1);
  EXPECT_EQ(findText(chinese + Wen, Wen), 10001);
  EXPECT_EQ(findText("a" + chinese, "\xD0\xD6"), -1);  // every D0 D6 straddles two characters
}

struct TrimCase {
  std::string text;
  std::string trimmed;
};

TEST(TextPrimitives, TrimEndRemovesTrailingSpacesAndFullWidthSpacesOnly) {
  const TrimCase cases[] = {
      {"ab  ", "ab"},
      {"ab" + FullWidthSpace, "ab"},
      {"ab " + FullWidthSpace + " " + FullWidthSpace, "ab"},
      {"ab\t", "ab\t"},
      {"ab\r\n", "ab\r\n"},
      {"   ", ""},
      {FullWidthSpace + " ", ""},
      {" ab", " ab"},
      {"", ""},
      {"ab \xB0", "ab "},  // an incomplete last unit goes, the blank before it stays
      {Zhong + "  ", Zhong},
      {"\xB0\xA1\xA1", "\xB0\xA1"},        // units B0 A1 | A1: the last one is incomplete
      {"a\xB0\xA1\xA1\xA1", "a\xB0\xA1"},  // units B0 A1 | A1 A1: a full-width space
      {"ab  \xB0", "ab  "},
      // 0x80 and 0xFF lead a unit like any byte above them: alone at the end it is incomplete,
      // and the blank after one is its second byte, not a blank unit.
      {"ab \x80", "ab "},
      {"ab \xFF", "ab "},
      {"\xFF ", "\xFF "},
      {"\x80 ", "\x80 "},
      // Only A1 A1 is the full-width space; every other A1 unit is a character (A1 A3 is 。).
      {"ab\xA1\xA3", "ab\xA1\xA3"},
      {"ab\xA1\xA3 ", "ab\xA1\xA3"},
      {"ab\xA1 ", "ab\xA1 "},  // units a | b | A1 20
  };
  for (const TrimCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "'" << c.text << "'");
    EXPECT_EQ(trimEnd(c.text), c.trimmed);
  }
}

struct ReplaceCase {
  std::string text;
  std::string find;
  std::string replacement;
  int start;
  std::optional<int> count;
  bool caseSensitive;
  std::string expected;
};

TEST(TextPrimitives, ReplaceIsOneLeftToRightPassWithoutOverlapOrRescanning) {
  const ReplaceCase cases[] = {
      {"aaa", "aa", "b", 1, {}, true, "ba"},
      {"abab", "ab", "abab", 1, {}, true, "abababab"},
      {"Fade fade FADE", "fade", "x", 1, {}, false, "x x x"},
      {"Fade fade FADE", "fade", "x", 1, {}, true, "Fade x FADE"},
      {"Fade fade FADE", "FaDe", "x", 1, {}, false, "x x x"},
      {"a-a-a", "a", "b", 1, 1, true, "b-a-a"},
      {"a-a-a", "a", "b", 1, 2, true, "b-b-a"},
      {"a-a-a", "a", "b", 1, 0, true, "a-a-a"},
      {"a-a-a", "a", "b", 1, -1, true, "b-b-b"},  // a negative count is unlimited
      {"a-a-a", "a", "b", 1, INT_MIN, true, "b-b-b"},
      {"abab", "ab", "x", 3, {}, true, "abx"},
      {"abab", "ab", "x", 5, {}, true, "abab"},  // start past the last byte
      {"abab", "ab", "x", INT_MAX, {}, true, "abab"},
      {"abab", "ab", "x", 0, {}, true, "xx"},
      {"abab", "ab", "x", INT_MIN, {}, true, "xx"},
      {"abab", "", "x", 1, {}, true, "abab"},
      {"a,b,,c", ",", "", 1, {}, true, "abc"},
      {"", "a", "b", 1, {}, true, ""},
      {"\xB0\x41\x41", "a", "x", 1, {}, false, "\xB0\x41x"},  // no match inside a character
      {Zhong + "x" + Zhong, Zhong, "[" + Wen + "]", 1, {}, true, "[" + Wen + "]x[" + Wen + "]"},
      // Only ASCII letters fold; both bytes of a character must be equal exactly.
      {"\xC1\xE2", "\xE1\xE2", "x", 1, {}, false, "\xC1\xE2"},
      // Bytes next to the letters (@ and [ are A and Z less one and plus one, ` and { their
      // lower-case neighbours) do not fold, even inside a find text whose ends are letters.
      {"a@b", "a`b", "x", 1, {}, false, "a@b"},
      {"a`b", "a@b", "x", 1, {}, false, "a`b"},
      {"a[b", "a{b", "x", 1, {}, false, "a[b"},
      {"a{b", "a[b", "x", 1, {}, false, "a{b"},
      {"a\xC1\x62", "a\xE1\x62", "x", 1, {}, false, "a\xC1\x62"},  // and neither does a high byte
      {"A@B", "a@b", "x", 1, {}, false, "x"},
      {"z\xB0", "\xB0", "!", 1, {}, true, "z!"},  // a lead byte at the end still matches
      {"abc\xB0", "bc\xB0", "!", 1, {}, true, "a!"},
      {"ab", "b", "c", 2, {}, true, "ac"},  // the start may land inside a character's bytes
      {"\xB0\x61\x62", "a", "x", 2, {}, true, "\xB0xb"},
  };
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "'" << c.find << "' -> '" << c.replacement << "' in '" << c.text
                                    << "' start " << c.start);
    EXPECT_EQ(replaceText(c.text, c.find, c.replacement, c.start, c.count, c.caseSensitive), c.expected);
  }
}

TEST(TextPrimitives, ReplaceInLongTextsCopiesEverythingOnce) {
  std::string text;
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    text += Zhong + "{w}" + (i % 3 == 0 ? "A" : "\xB0\x41");
    expected += Zhong + "320" + (i % 3 == 0 ? "_" : "\xB0\x41");
  }
  const std::string once = replaceText(text, "{W}", "320", 1, {}, false);
  EXPECT_EQ(replaceText(once, "a", "_", 1, {}, false), expected);
}

struct SplitCase {
  std::string text;
  TextList parts;
};

TEST(TextPrimitives, SplitAtCrLf) {
  const SplitCase cases[] = {
      {"a\r\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},  // no empty last element
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"\r\na", {"", "a"}},
      {"\r\n", {""}},
      {"", {}},
      {"a\nb", {"a\nb"}},
      {"a\rb\r", {"a\rb\r"}},
      {"\xB0\r\nx", {"\xB0\r\nx"}},  // CR is the second byte of a character: no delimiter
      {"\xB0\r\r\nx", {"\xB0\r", "x"}},
      {"a\r\n\xB0", {"a", "\xB0"}},  // a lead byte at the end ends the scan but stays in the part
      {"http://a/1.jpg\r\nhttp://a/" + Zhong + ".jpg\r\n\r\n",
       {"http://a/1.jpg", "http://a/" + Zhong + ".jpg", ""}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "'" << c.text << "'");
    EXPECT_EQ(splitText(c.text, CrLf), c.parts);
  }
  EXPECT_EQ(splitText("a--b", "--"), (TextList{"a", "b"}));
  EXPECT_EQ(splitText("ab", ""), (TextList{"ab"}));  // an empty delimiter never cuts
}

TEST(TextPrimitives, BytesAndTexts) {
  EXPECT_EQ(textFromBytes(std::string("a\0b", 3)), "a");
  EXPECT_EQ(textFromBytes(""), "");
  EXPECT_EQ(textFromBytes(std::string("\0", 1)), "");
  EXPECT_EQ(textFromBytes("\xEF\xBB\xBF\x61"), "\xEF\xBB\xBF\x61");  // a byte-order mark stays
  EXPECT_EQ(textToBytes(Zhong + "a"), Zhong + "a");
  EXPECT_EQ(textToBytes(""), "");
}

TEST(TextPrimitives, TruncateToIntTruncatesTowardZeroAndSaturates) {
  struct {
    double x;
    int expected;
  } const cases[] = {
      {4.5, 4},
      {-0.5, 0},
      {-1.5, -1},
      {-1.0 + 4.0, 3},
      {(5.0 - 1.0) / 2.0, 2},
      {(4.0 - 1.0) / 2.0, 1},
      {(0.0 - 1.0) / 2.0, 0},
      {2147483647.9, INT_MAX},
      {-2147483648.9, INT_MIN},
      {1e300, INT_MAX},
      {-1e300, INT_MIN},
      {std::numeric_limits<double>::infinity(), INT_MAX},
      {-std::numeric_limits<double>::infinity(), INT_MIN},
      {std::nan(""), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(truncateToInt(c.x), c.expected);
  }
}

}  // namespace
}  // namespace shopcode
