#include "text/PairReplacer.h"

#include <gtest/gtest.h>

#include <string>

#include "text/TextPrimitives.h"

namespace shopcode {
namespace {

const PairReplacerOptions Defaults{};

TEST(PairReplacer, ChainsThePairsInOrder) {
  struct {
    const char* text;
    ReplacePair pair1, pair2, pair3;
    const char* expected;
  } const cases[] = {
      {"", {"a", "b"}, {"c", "d"}, {}, ""},
      {"abc", {"x", "y"}, {"z", "w"}, {}, "abc"},
      {"x", {"x", "yz"}, {"z", "w"}, {}, "yw"},  // later steps see earlier insertions
      {"x", {"z", "w"}, {"x", "yz"}, {}, "yz"},  // earlier steps never see later ones
      {"aa", {"a", "aa"}, {}, {}, "aaaa"},       // no rescanning within a step
      {"a-b-a", {"x", "y"}, {"b", ""}, {}, "a--a"},
      {"a-b-a", {"x", "y"}, {"b", {}}, {}, "a--a"},  // a replacement left out deletes
      {"FADE and Fade", {"fade", "scrolly"}, {}, {}, "scrolly and scrolly"},
      {"abc", {"", "x"}, {"b", "B"}, {"", ""}, "aBc"},  // an empty find text drops out
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(PairReplacer(c.text, Defaults, c.pair1, c.pair2, c.pair3), c.expected);
  }
}

TEST(PairReplacer, OnePairEqualsOneReplaceText) {
  const std::string text = "<img src=\"{A}\"> <a href=\"{a}\">\xD6\xD0{A}</a>";
  EXPECT_EQ(PairReplacer(text, Defaults, {"{a}", "x.jpg"}), replaceText(text, "{a}", "x.jpg", 1, {}, false));
}

TEST(PairReplacer, CountAndStartApplyToEveryStep) {
  PairReplacerOptions once;
  once.count = 1;
  once.caseSensitive = true;
  EXPECT_EQ(
      PairReplacer("1 1 2 2 3 3 4 4 5 5", once, {"1", "a"}, {"2", "b"}, {"3", "c"}, {"4", "d"}, {"5", "e"}),
      "a 1 b 2 c 3 d 4 e 5");

  PairReplacerOptions fromThree;
  fromThree.start = 3;
  EXPECT_EQ(PairReplacer("abab", fromThree, {"ab", "x"}, {"xa", "y"}), "abx");
  EXPECT_EQ(PairReplacer("ababab", fromThree, {"ab", "x"}, {"bx", "!"}), "abxx");

  PairReplacerOptions none;
  none.count = 0;
  EXPECT_EQ(PairReplacer("aaa", none, {"a", "b"}), "aaa");

  PairReplacerOptions exact;
  exact.caseSensitive = true;
  EXPECT_EQ(PairReplacer("Fade fade", exact, {"fade", "x"}), "Fade x");
}

}  // namespace
}  // namespace shopcode
