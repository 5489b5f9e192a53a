// Start-up keeps DLLs planted in the working folder out: after restrictDllSearch a DLL that
// is found only there is not loaded.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/win32/Application.h"

namespace shopcode::win32 {
namespace {

TEST(DllSearchTest, ADllPlantedInTheWorkingFolderIsNoLongerLoaded) {
  wchar_t temp[MAX_PATH], system[MAX_PATH], previous[MAX_PATH];
  ASSERT_GT(::GetTempPathW(MAX_PATH, temp), 0u);
  ASSERT_GT(::GetSystemDirectoryW(system, MAX_PATH), 0u);
  ASSERT_GT(::GetCurrentDirectoryW(MAX_PATH, previous), 0u);
  const std::wstring folder = std::wstring(temp) + L"shopcode-dll-search";
  const std::wstring planted = folder + L"\\shopcode-planted.dll";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  // Any real DLL will do as the planted one, under a name no system folder has.
  ASSERT_TRUE(::CopyFileW((std::wstring(system) + L"\\version.dll").c_str(), planted.c_str(), FALSE));
  ASSERT_TRUE(::SetCurrentDirectoryW(folder.c_str()));

  HMODULE before = ::LoadLibraryW(L"shopcode-planted.dll");
  EXPECT_NE(before, nullptr) << "without the restriction the working folder is searched";
  if (before) ::FreeLibrary(before);

  restrictDllSearch();
  HMODULE after = ::LoadLibraryW(L"shopcode-planted.dll");
  EXPECT_EQ(after, nullptr);
  if (after) ::FreeLibrary(after);
  // System DLLs still load.
  HMODULE system32 = ::LoadLibraryW(L"version.dll");
  EXPECT_NE(system32, nullptr);
  if (system32) ::FreeLibrary(system32);

  ::SetCurrentDirectoryW(previous);
  ::DeleteFileW(planted.c_str());
  ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace shopcode::win32
