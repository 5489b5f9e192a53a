#include "text/PercentEncoder.h"

#include <gtest/gtest.h>

#include <string>

namespace shopcode {
namespace {

struct EncodeCase {
  std::string text;
  std::string encoded;
};

TEST(PercentEncoder, EncodesEveryUtf8ByteAsCapitalHex) {
  const EncodeCase cases[] = {
      {"", ""},
      {"abc", "%61%62%63"},
      {"A-z_0.9~", "%41%2D%7A%5F%30%2E%39%7E"},
      {" ", "%20"},
      {"\t", "%09"},
      {"\xD6\xD0", "%E4%B8%AD"},  // 中: the UTF-8 bytes, never the code page 936 ones
      {"\xAB\xA1", "%EE%81%9E"},  // a user-defined character, U+E05E: capitals only
      {"\x80\x80", "%E2%82%AC%E2%82%AC"},
      {"tb\xB5\xEA\xD6\xF7", "%74%62%E5%BA%97%E4%B8%BB"},  // tb店主
  };
  for (const EncodeCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    EXPECT_EQ(encode(c.text), c.encoded);
  }
}

TEST(PercentEncoder, PumpsEventsOncePerUtf8Byte) {
  int pumps = 0;
  const auto countPumps = [&pumps] { ++pumps; };
  EXPECT_EQ(encode("", countPumps), "");
  EXPECT_EQ(pumps, 0);
  EXPECT_EQ(encode("a\xD6\xD0", countPumps), "%61%E4%B8%AD");
  EXPECT_EQ(pumps, 4);
}

TEST(PercentEncoder, WorksFromTheUtf8FormTakenBeforePumping) {
  // An event handled during the pump may change the caller's text; the encoding goes on
  // with the bytes converted before the loop.
  std::string text = "\xD6\xD0\xCE\xC4";
  int calls = 0;
  const std::string result = encode(text, [&] {
    ++calls;
    if (calls == 1) text = "changed";  // the caller's text changing must not matter
  });
  EXPECT_EQ(result, "%E4%B8%AD%E6%96%87");
  EXPECT_EQ(calls, 6);
}

// The window hands over what code page 936 lacks as references: the encoding is of the
// characters they stand for, in their real UTF-8, one pump per byte as for every other byte.
TEST(PercentEncoder, ReferencesForCharactersBeyondCodePage936AreEncodedAsThoseCharacters) {
  const EncodeCase cases[] = {
      {"shop&#128522;", "%73%68%6F%70%F0%9F%98%8A"},      // shop😊
      {"&#169;\xD6\xD0&#223;", "%C2%A9%E4%B8%AD%C3%9F"},  // ©中ß
      {"&#65533;", "%EF%BF%BD"},                          // a lone surrogate's stand-in
      {"&#65;", "%26%23%36%35%3B"},                       // A has its own form: typed
      {"&#x1F60A;", "%26%23%78%31%46%36%30%41%3B"},       // not made by the window
      {"&#128522", "%26%23%31%32%38%35%32%32"},           // no semicolon
  };
  for (const EncodeCase& c : cases) {
    SCOPED_TRACE(c.text);
    int pumps = 0;
    EXPECT_EQ(encode(c.text, [&pumps] { ++pumps; }), c.encoded);
    EXPECT_EQ(pumps * 3, static_cast<int>(c.encoded.size()));
  }
}

TEST(PercentEncoder, LongTextIsThreeTimesItsUtf8Form) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += i % 2 ? "\xD6\xD0" : "a";
  EXPECT_EQ(encode(text).size(), (50000u * 3 + 50000u) * 3);
}

}  // namespace
}  // namespace shopcode
