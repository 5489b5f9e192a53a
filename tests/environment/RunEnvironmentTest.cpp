// What a run under Wine promises about its Windows, checked before its results count: the
// system code page it names, Chinese file names, and the bitness of the system. The test
// script sets the SHOPCODE_EXPECT_* variables and runs this first.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/Skip.h"

namespace {

const char* expected(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

TEST(RunEnvironment, SystemCodePageIsTheOneTheRunNames) {
  const char* codePage = expected("SHOPCODE_EXPECT_ACP");
  if (!codePage) SHOPCODE_SKIP() << "SHOPCODE_EXPECT_ACP names no code page; this Wine has " << ::GetACP();
  EXPECT_EQ(::GetACP(), static_cast<UINT>(std::strtoul(codePage, nullptr, 10)))
      << "Wine takes its code page from the Unix locale: is that locale installed (locale -a)?";
}

// Wine stores file names in the charset of the Unix locale; without UTF-8 there, a Chinese
// name cannot be created, and every desktop file of the program has one.
TEST(RunEnvironment, ChineseFileNamesCanBeStored) {
  wchar_t folder[MAX_PATH + 1] = {};
  ASSERT_GT(::GetTempPathW(MAX_PATH + 1, folder), 0u);
  const std::wstring name = L"测试代码 图片测试地址.probe";
  const std::wstring path = std::wstring(folder) + name;
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "no file with a Chinese name: is the Unix locale a UTF-8 one?";
  ::CloseHandle(file);
  WIN32_FIND_DATAW found{};
  HANDLE search = ::FindFirstFileW((std::wstring(folder) + L"*.probe").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  bool same = false;
  do {
    same = same || name == found.cFileName;
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  ::DeleteFileW(path.c_str());
  EXPECT_TRUE(same) << "the name read back differs from the name written";
}

// A 32-bit program on a 32-bit Windows (a WINEARCH=win32 prefix), not under WOW64.
TEST(RunEnvironment, SystemHasTheBitnessTheRunNames) {
  const char* bits = expected("SHOPCODE_EXPECT_BITS");
  if (!bits) SHOPCODE_SKIP() << "SHOPCODE_EXPECT_BITS names no bitness";
  const unsigned long wanted = std::strtoul(bits, nullptr, 10);
  EXPECT_EQ(sizeof(void*) * 8, wanted) << "this test executable is built for another bitness";
  BOOL wow64 = FALSE;
  ASSERT_TRUE(::IsWow64Process(::GetCurrentProcess(), &wow64));
  EXPECT_FALSE(wow64)
      << "a 32-bit program under WOW64: this is a 64-bit Windows (WINEARCH=win32 gives a 32-bit one)";
}

}  // namespace
