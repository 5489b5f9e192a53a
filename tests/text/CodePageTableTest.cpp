// Checks the code page 936 backend of this build (the Windows services under Wine, iconv
// natively) against the tables dumped once from the Windows services (tools/dump-cp936.sh).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "text/CodePageConverter.h"

namespace shopcode {
namespace {

std::vector<unsigned char> readTable(const char* name) {
  const std::string path = std::string(SHOPCODE_TEST_DATA) + "/" + name;
  std::vector<unsigned char> data;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    unsigned char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
      data.insert(data.end(), buffer, buffer + got);
    std::fclose(file);
  }
  return data;
}

std::string hex(std::u16string_view units) {
  std::string out;
  char item[8];
  for (const char16_t unit : units) {
    std::snprintf(item, sizeof item, " %04X", static_cast<unsigned>(unit));
    out += item;
  }
  return out;
}

class CodePageTable : public testing::Test {
 protected:
  static constexpr std::size_t SingleBytes = 256;
  static constexpr std::size_t Pairs =
      std::size_t{128} * 256;  // first byte 0x80..0xFF, second byte 0x00..0xFF

  // The input bytes of decode entry `e` and what Windows made of them.
  static std::string decodeInput(std::size_t e) {
    if (e < SingleBytes) return std::string(1, static_cast<char>(e));
    const std::size_t pair = e - SingleBytes;
    return {static_cast<char>(0x80 + pair / 256), static_cast<char>(pair % 256)};
  }
  std::u16string decodeExpected(std::size_t e) const {
    const auto unit = [&](std::size_t k) {
      return static_cast<char16_t>(decode_[e * 6 + k * 2] | decode_[e * 6 + k * 2 + 1] << 8);
    };
    return std::u16string({unit(1), unit(2)}).substr(0, unit(0));
  }
  std::string encodeExpected(std::size_t unit) const {
    return std::string(reinterpret_cast<const char*>(&encode_[unit * 3 + 1]), encode_[unit * 3]);
  }

  std::vector<unsigned char> decode_ = readTable("cp936-decode.bin");
  std::vector<unsigned char> encode_ = readTable("cp936-encode.bin");
};

TEST_F(CodePageTable, EveryByteAndBytePairDecodesAsOnWindows) {
  ASSERT_EQ(decode_.size(), (SingleBytes + Pairs) * 6);
  int mismatches = 0;
  for (std::size_t e = 0; e < SingleBytes + Pairs; ++e) {
    const std::string input = decodeInput(e);
    const std::u16string got = decodeCodePage(CodePageGbk, input);
    if (got != decodeExpected(e) && ++mismatches <= 20) {
      ADD_FAILURE() << "bytes" << hex(std::u16string(input.begin(), input.end())) << ": Windows"
                    << hex(decodeExpected(e)) << ", here" << hex(got);
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(CodePageTable, AllCharactersInOneTextDecodeAsOnWindows) {
  // Every character that Windows reads (ASCII, the single bytes 0x80 and 0xFF, every valid
  // pair) in one long text, in a shuffled order: runs across the converter's buffers, and
  // every kind of neighbour, such as 0x80 before a first byte whose second byte is ASCII.
  ASSERT_EQ(decode_.size(), (SingleBytes + Pairs) * 6);
  std::vector<std::size_t> characters;
  for (std::size_t e = 1; e < SingleBytes + Pairs; ++e) {
    const std::string input = decodeInput(e);
    const std::u16string units = decodeExpected(e);
    const bool whole = units.size() == 1 && (units[0] != u'?' || input == "?");
    const bool validPair = input.size() == 2 && whole;
    const bool validByte = input.size() == 1 && whole;
    if (validPair || validByte) characters.push_back(e);
  }
  EXPECT_GT(characters.size(), 22000u);
  std::mt19937 random(936);
  for (int round = 0; round < 3; ++round) {
    std::shuffle(characters.begin(), characters.end(), random);
    std::string text;
    std::u16string expected;
    for (const std::size_t e : characters) {
      text += decodeInput(e);
      expected += decodeExpected(e);
    }
    const std::u16string got = decodeCodePage(CodePageGbk, text);
    ASSERT_EQ(got.size(), expected.size());
    EXPECT_TRUE(got == expected);
    // And back: every character that Windows reads comes back as the same bytes.
    EXPECT_TRUE(encodeCodePage(CodePageGbk, expected) == text);
  }
}

TEST_F(CodePageTable, EveryUtf16UnitEncodesAsOnWindows) {
  ASSERT_EQ(encode_.size(), 0x10000u * 3);
  int mismatches = 0;
  for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
    const std::string got = encodeCodePage(CodePageGbk, std::u16string(1, static_cast<char16_t>(unit)));
    if (got != encodeExpected(unit) && ++mismatches <= 20) {
      ADD_FAILURE() << "unit" << hex(std::u16string(1, static_cast<char16_t>(unit))) << ": Windows "
                    << testing::PrintToString(encodeExpected(unit)) << ", here "
                    << testing::PrintToString(got);
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace shopcode
