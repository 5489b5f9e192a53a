// Checks the code page 936 backend of this build (iconv natively, the Windows services under
// Wine) against Microsoft's published table for code page 936, and against what Windows as
// Wine implements it reads where that table defines nothing (tests/data/README.md).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/Cp936Reference.h"
#include "text/CodePageConverter.h"

namespace shopcode {
namespace {

std::string hex(std::u16string_view units) {
  std::string out;
  char item[8];
  for (const char16_t unit : units) {
    std::snprintf(item, sizeof item, " %04X", static_cast<unsigned>(unit));
    out += item;
  }
  return out;
}

std::string hex(std::string_view bytes) {
  std::string out;
  char item[8];
  for (const char byte : bytes) {
    std::snprintf(item, sizeof item, " %02X", static_cast<unsigned>(static_cast<unsigned char>(byte)));
    out += item;
  }
  return out;
}

class CodePageTable : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    try {
      table_ = new reference::Cp936(reference::readCp936(SHOPCODE_TEST_DATA));
    } catch (const std::exception& e) {
      loadError_ = e.what();
    }
  }
  static void TearDownTestSuite() {
    delete table_;
    table_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(table_, nullptr) << loadError_; }

  // Every character of the table, as its bytes with the unit they stand for.
  static std::vector<std::pair<std::string, char16_t>> characters() {
    std::vector<std::pair<std::string, char16_t>> out;
    for (int b = 0; b < 256; ++b)
      if (table_->singleByte[b])
        out.emplace_back(std::string(1, static_cast<char>(b)), *table_->singleByte[b]);
    for (int code = 0; code < 0x10000; ++code) {
      if (table_->doubleByte[code])
        out.emplace_back(std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)},
                         *table_->doubleByte[code]);
    }
    return out;
  }

  static const reference::Cp936* table_;
  static std::string loadError_;
};

const reference::Cp936* CodePageTable::table_ = nullptr;
std::string CodePageTable::loadError_;

TEST_F(CodePageTable, TheReferenceIsMicrosoftsWholeTable) {
  // The counts that Microsoft's table states, so that a reader that skips entries is noticed.
  const reference::Cp936& t = *table_;
  EXPECT_EQ(t.codePage, 936);
  EXPECT_EQ(t.defaultByte, '?');
  EXPECT_EQ(std::count_if(t.singleByte.begin(), t.singleByte.end(), [](auto& u) { return u.has_value(); }),
            130);
  EXPECT_EQ(std::count(t.leadByte.begin(), t.leadByte.end(), true), 126);
  EXPECT_EQ(std::count_if(t.doubleByte.begin(), t.doubleByte.end(), [](auto& u) { return u.has_value(); }),
            23940);
  int units = 0;
  int roundTrips = 0;
  for (int unit = 0; unit < 0x10000; ++unit) {
    if (!t.fromUnit[unit]) continue;
    ++units;
    roundTrips += t.decode(*t.fromUnit[unit]) == std::u16string(1, static_cast<char16_t>(unit));
  }
  EXPECT_EQ(units, 24482);
  EXPECT_EQ(roundTrips, 24070);
  EXPECT_EQ(units - roundTrips, 412) << "best-fit entries";
  EXPECT_EQ(characters().size(), 130u + 23940u);
}

TEST_F(CodePageTable, WineDataCoversExactlyWhatMicrosoftsTableLeavesUndefined) {
  // A first byte alone, or before any byte that is no second byte; nothing else.
  std::size_t expected = 0;
  for (int lead = 0; lead < 256; ++lead) {
    if (!table_->leadByte[lead]) continue;
    EXPECT_TRUE(table_->undefined.count(std::string(1, static_cast<char>(lead))))
        << hex(std::string(1, lead));
    ++expected;
    for (int trail = 0; trail < 256; ++trail) {
      if (table_->doubleByte[lead << 8 | trail]) continue;
      EXPECT_TRUE(table_->undefined.count(std::string{static_cast<char>(lead), static_cast<char>(trail)}));
      ++expected;
    }
  }
  EXPECT_EQ(table_->undefined.size(), expected);
  EXPECT_EQ(expected, 126u + 126u * 66u);
}

TEST_F(CodePageTable, EveryCharacterOfMicrosoftsTableDecodesToItsUnit) {
  int mismatches = 0;
  for (const auto& [bytes, unit] : characters()) {
    const std::u16string got = decodeCodePage(CodePageGbk, bytes);
    if (got != std::u16string(1, unit) && ++mismatches <= 20)
      ADD_FAILURE() << "bytes" << hex(bytes) << ": Microsoft" << hex(std::u16string(1, unit)) << ", here"
                    << hex(got);
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(CodePageTable, UndefinedSequencesDecodeAsWindowsDoesUnderWine) {
  int mismatches = 0;
  for (const auto& [bytes, units] : table_->undefined) {
    const std::u16string got = decodeCodePage(CodePageGbk, bytes);
    if (got != units && ++mismatches <= 20)
      ADD_FAILURE() << "bytes" << hex(bytes) << ": Wine" << hex(units) << ", here" << hex(got);
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(CodePageTable, AllCharactersInOneTextDecodeAndComeBack) {
  // Every character of the table in one long text, in a shuffled order: runs across the
  // converter's buffers, and every kind of neighbour, such as 0x80 before a first byte
  // whose second byte is ASCII. Every character reads back as the same bytes.
  std::vector<std::pair<std::string, char16_t>> all = characters();
  std::mt19937 random(936);
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    std::shuffle(all.begin(), all.end(), random);
    std::string text;
    std::u16string expected;
    for (const auto& [bytes, unit] : all) {
      if (bytes == std::string(1, '\0')) continue;  // a text ends at its first zero byte
      text += bytes;
      expected += unit;
    }
    const std::u16string got = decodeCodePage(CodePageGbk, text);
    ASSERT_EQ(got.size(), expected.size());
    EXPECT_TRUE(got == expected);
    EXPECT_TRUE(encodeCodePage(CodePageGbk, expected) == text);
  }
}

TEST_F(CodePageTable, UndefinedSequencesInsideTextsDecodeAsAlone) {
  // Each undefined sequence between characters: it takes as many bytes as alone, no more.
  std::string text;
  std::u16string expected;
  for (const auto& [bytes, units] : table_->undefined) {
    if (bytes.size() == 1) continue;  // alone only at the very end
    text += "a" + bytes + "\xD6\xD0";
    expected += u"a" + units + u"\u4E2D";
  }
  text += "\xB0";
  expected += table_->undefined.at("\xB0");
  EXPECT_TRUE(decodeCodePage(CodePageGbk, text) == expected);
}

TEST_F(CodePageTable, EveryUtf16UnitEncodesAsMicrosoftsTableSays) {
  // Listed units are written as listed (round trip or best fit); every other unit, the lone
  // surrogates among them, is the default character.
  int mismatches = 0;
  for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
    const std::u16string units(1, static_cast<char16_t>(unit));
    const std::string expected = table_->encode(units);
    const std::string got = encodeCodePage(CodePageGbk, units);
    if (got != expected && ++mismatches <= 20)
      ADD_FAILURE() << "unit" << hex(units) << ": Microsoft" << hex(expected) << ", here" << hex(got);
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace shopcode
