// Under Wine: the conversions against the Windows services themselves, on a system whose
// ANSI code page may differ from 936.
#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "text/CodePageConverter.h"
#include "text/PercentEncoder.h"

namespace shopcode {
namespace {

// MultiByteToWideChar as the conversion calls it (source length -1), sized from `codePage`.
std::string windowsToUtf16(const std::string& text, unsigned codePage) {
  const int units = MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0);
  std::wstring buffer(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(codePage, 0, text.c_str(), -1, buffer.data(), units);
  return std::string(reinterpret_cast<const char*>(buffer.data()), buffer.size() * 2);
}

std::string windowsUtf8(const std::string& gbk) {
  const std::string utf16 = windowsToUtf16(gbk, CodePageGbk);
  const auto* units = reinterpret_cast<const wchar_t*>(utf16.data());
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, units, -1, nullptr, 0, nullptr, nullptr);
  std::string buffer(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, units, -1, buffer.data(), bytes, nullptr, nullptr);
  return buffer.substr(0, buffer.find('\0'));
}

TEST(CodePageWindows, EqualsTheWindowsServicesWhateverTheAnsiCodePage) {
  const std::string texts[] = {"",
                               "abc",
                               "\xD6\xD0\xCE\xC4",
                               "\x80",
                               "\x80\x80",
                               "\x80\x80\x80\x80x",
                               "\xAA\xA1\xFE\x50\xFF",
                               "tb\xB5\xEA\xD6\xF7 \xA1\xA1 end",
                               "\xB0",
                               "\xB0 x",
                               "\x81\x7F"};
  for (const std::string& text : texts) {
    SCOPED_TRACE(testing::PrintToString(text) + " with ANSI code page " + std::to_string(GetACP()));
    EXPECT_EQ(toUtf16(text, CodePageGbk), windowsToUtf16(text, CodePageGbk));
    EXPECT_EQ(ansiToUtf8(text), windowsUtf8(text));
  }
}

TEST(CodePageWindows, EncoderWorksOnTheWindowsUtf8Form) {
  std::string expected;
  char group[4];
  for (const char c : windowsUtf8("\xD6\xD0\x80\x80")) {
    std::snprintf(group, sizeof group, "%%%02X", static_cast<unsigned char>(c));
    expected += group;
  }
  EXPECT_EQ(encode("\xD6\xD0\x80\x80"), expected);
  EXPECT_EQ(expected, "%E4%B8%AD%E2%82%AC%E2%82%AC");
}

}  // namespace
}  // namespace shopcode
#endif
