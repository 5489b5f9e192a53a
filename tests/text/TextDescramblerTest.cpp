#include "text/TextDescrambler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/CodePageConverter.h"

namespace shopcode {
namespace {

// Records every message box instead of showing it.
class DescramblerTest : public testing::Test {
 protected:
  std::string run(const std::string& scrambled, const std::string& key = "") {
    return descramble(scrambled, key, [this](std::string_view text, unsigned style) {
      messages_.emplace_back(text);
      styles_.push_back(style);
    });
  }
  std::vector<std::string> messages_;
  std::vector<unsigned> styles_;
};

// A scrambled text whose odd bytes are `kept` (filler at the even positions).
std::string withFiller(const std::string& kept, bool evenLength = false) {
  std::string scrambled;
  for (const char c : kept) scrambled += std::string(1, c) + "#";
  if (!evenLength) scrambled.pop_back();
  return scrambled;
}

// A scrambled text whose reordered kept bytes are `joined` (at least two bytes): the kept
// bytes k1..km are read as k1, k(h+1), k2, k(h+2), ..., so put them back the other way.
std::string scramble(const std::string& joined) {
  const std::size_t m = joined.size();
  const std::size_t h = m / 2;
  std::string kept(joined);
  for (std::size_t j = 0; j < h; ++j) {
    kept[j] = joined[2 * j];
    kept[j + h] = joined[2 * j + 1];
  }
  return withFiller(kept, true);
}

TEST_F(DescramblerTest, ReordersTheKeptBytes) {
  const struct {
    std::string scrambled;
    std::string plain;
  } cases[] = {
      {"", ""},
      {"1", "1"},
      {"12", "21"},
      {"1*3", "3*1"},  // short texts are only reversed: no key step
      {"1234", "13"},
      {"12345", "135"},
      {"123456", "135"},
      {"1234567", "1537"},
      {"12345678", "1537"},  // the last byte of an even length never reaches the result
      {"123456789", "15379"},
      {"123456789A", "15379"},
      {"123456789ABC", "17395B"},
      {"123456789AB", "17395B"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scrambled);
    EXPECT_EQ(run(c.scrambled), c.plain);
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(DescramblerTest, KeyStep) {
  const struct {
    std::string joined;  // the text after reordering
    std::string key;
    std::string plain;
    bool message;
  } cases[] = {
      {"plain text", "secret", "plain text", false},
      {"title*", "", "title", false},
      {"title*   ", "", "title", false},
      {"title*\xA1\xA1 ", "", "title", false},
      {"title*", "k", "", true},
      {"title*Key  \xA1\xA1", "Key", "title", false},
      {"title*Key\t", "Key", "", true},
      {"title*Key\r\n", "Key", "", true},
      {"title*Key ", "Key ", "", true},  // the key itself is never trimmed
      {"title*key", "Key", "", true},    // case counts
      {"* ", "", "", false},
      {"*Key", "Key", "", false},
      {"a*b*c", "b*c", "a", false},      // only the first marker splits
      {"\xB0*x*", "", "\xB0*x", false},  // a marker after a lead byte is no marker
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.joined));
    messages_.clear();
    EXPECT_EQ(run(scramble(c.joined), c.key), c.plain);
    EXPECT_EQ(messages_.size(), c.message ? 1u : 0u);
  }
}

TEST_F(DescramblerTest, MismatchShowsTheMessageInCodePage936WithoutIcon) {
  EXPECT_EQ(run(withFiller("ab*c"), "x"), "");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], gbkFromUtf8("密码错误，请核对！"));
  EXPECT_EQ(messages_[0], "\xC3\xDC\xC2\xEB\xB4\xED\xCE\xF3\xA3\xAC\xC7\xEB\xBA\xCB\xB6\xD4\xA3\xA1");
  EXPECT_EQ(styles_[0], 0u);  // MB_OK, no icon
}

TEST_F(DescramblerTest, TwoPassesAsAtStartUp) {
  // The hyperlink's target is stored scrambled twice and descrambled twice; the text between
  // the passes must hold no marker, or the key step of the first pass would reject it.
  const std::string target = "http://www.example.com/\xD6\xD0?a=1";
  const std::string stored = scramble(scramble(target));
  EXPECT_EQ(run(run(stored)), "http://www.example.com/\xD6\xD0?a=1");
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
}  // namespace shopcode
