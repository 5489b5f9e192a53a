#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace shopcode {
namespace {

TEST(Utf8, WellFormednessFollowsTheUnicodeRules) {
  struct Case {
    std::string bytes;
    bool wellFormed;
  } const cases[] = {
      {"", true},
      {"plain ASCII\r\n", true},
      {"\xE5\x9B\xBE\xE7\x89\x87", true},  // 图片
      {"caf\xC3\xA9", true},
      {"\xF0\x9F\x98\x8A", true},   // an emoji
      {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
      {"\xED\x9F\xBF", true},       // U+D7FF, just before the surrogates
      {"\xCD\xBC\xC6\xAC", true},   // 图片 in code page 936 happens to be UTF-8 too
      {"\xB5\xD8\xD6\xB7", false},  // 地址 in code page 936 is not
      {"\x80", false},              // a continuation byte alone
      {"\xC3", false},              // cut short at the end
      {"\xE5\x9B", false},
      {"\xE5\x9B"
       "a",
       false},
      {"\xC0\xAF", false},  // overlong
      {"\xE0\x80\xAF", false},
      {"\xF0\x80\x80\xAF", false},
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // past U+10FFFF
      {"\xF5\x80\x80\x80", false},
      {"\xFF\xFE", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    EXPECT_EQ(isWellFormedUtf8(c.bytes), c.wellFormed);
  }
}

}  // namespace
}  // namespace shopcode
