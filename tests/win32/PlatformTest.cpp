// The real platform layer under Wine: files on the desktop, the clipboard, the shell, all
// with Chinese names and texts, whatever the system's code page is.
#include "ui/win32/Win32Platform.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "support/MemoryForm.h"
#include "support/Skip.h"
#include "text/CodePageConverter.h"
#include "ui/AddressImporter.h"
#include "ui/CodeBoxActions.h"
#include "ui/win32/Gbk.h"
#include "ui/win32/Handles.h"
#include "ui/win32/Layout.h"
#include "ui/win32/MainWindow.h"

namespace shopcode::win32 {
namespace {

std::wstring shellDesktop() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, folder)))
    return {};
  return folder;
}

// The desktop files, named with wide literals so that no code page stands between the test
// and the file system.
std::wstring onDesktop(const wchar_t* name) {
  return shellDesktop() + L"\\" + name;
}
const wchar_t* const PreviewName = L"测试代码.html";
const wchar_t* const ImageListName = L"图片测试地址.txt";
const wchar_t* const LinkListName = L"链接测试地址.txt";

bool exists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string contentOf(const std::wstring& path) {
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
  if (!file) return "<cannot open>";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  return bytes;
}

void putFile(const std::wstring& path, const std::string& bytes) {
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  ASSERT_TRUE(file);
  DWORD written = 0;
  ASSERT_TRUE(::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
  ASSERT_EQ(written, bytes.size());
}

// The clipboard's content in one format, as raw bytes of its global block; nullopt when absent.
std::optional<std::string> clipboardBytes(HWND owner, UINT format) {
  ClipboardSession clipboard(owner);
  if (!clipboard.isOpen()) return "<clipboard busy>";
  HANDLE data = ::GetClipboardData(format);
  if (!data) return std::nullopt;
  GlobalLockGuard lock(data);
  if (!lock.data()) return "<cannot lock>";
  return std::string(static_cast<const char*>(lock.data()), ::GlobalSize(data));
}

std::wstring clipboardWide(HWND owner) {
  const std::optional<std::string> bytes = clipboardBytes(owner, CF_UNICODETEXT);
  if (!bytes) return L"<none>";
  std::wstring wide(bytes->size() / sizeof(wchar_t), L'\0');
  std::memcpy(wide.data(), bytes->data(), wide.size() * sizeof(wchar_t));
  return wide.substr(0, wide.find(L'\0'));
}

class PlatformTest : public ::testing::Test {
 protected:
  PlatformTest()
      : window(::CreateWindowExW(0, L"STATIC", L"clipboard owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, ::GetModuleHandleW(nullptr), nullptr)),
        platform(window.get(), [this] { ++pumped; }) {}

  void SetUp() override {
    ASSERT_TRUE(window);
    ASSERT_FALSE(shellDesktop().empty());
  }

  void TearDown() override {
    for (const wchar_t* name : {PreviewName, ImageListName, LinkListName})
      ::DeleteFileW(onDesktop(name).c_str());
    // A main window made by a test leaves its WM_QUIT; the next test starts with an empty queue.
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  UniqueWindow window;  // hidden: never shown
  int pumped = 0;
  Win32Platform platform;
  MemoryForm form;
};

// Wine stores file names in the charset of the Unix locale: under one without UTF-8 (LC_ALL=C,
// or a locale that is not installed) no program can create a file with a Chinese name.
bool fileSystemTakesChineseNames() {
  const std::wstring probe = onDesktop(L"中文名.probe");
  UniqueFile file(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return static_cast<bool>(file);
}

class DesktopFileTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    if (!fileSystemTakesChineseNames())
      SHOPCODE_SKIP()
          << "this Wine cannot store Chinese file names: its Unix locale has no UTF-8 (try C.UTF-8)";
  }
};

TEST_F(PlatformTest, TextsAreConvertedWithCodePage936WhateverTheSystemCodePage) {
  std::cout << "system ANSI code page: " << ::GetACP() << "\n";
  EXPECT_EQ(widenGbk("\xD6\xD0\x80 a"), L"中€ a");
  EXPECT_EQ(narrowGbk(L"中€ a"), "\xD6\xD0\x80 a");
  EXPECT_EQ(widenGbk(""), L"");
  EXPECT_EQ(narrowGbk(L""), "");
}

TEST_F(PlatformTest, DesktopFolderIsTheShellsDesktopEndingInOneBackslash) {
  const std::string folder = platform.desktopFolder();
  EXPECT_EQ(folder, narrowGbk(shellDesktop()) + "\\");
  EXPECT_FALSE(folder.ends_with("\\\\"));
}

TEST_F(DesktopFileTest, PreviewWritesTheBoxBytesToTheDesktopFileAndDeletingItWorks) {
  const std::wstring preview = onDesktop(PreviewName);
  const std::string first = gbkFromUtf8("<p>预览的第一段代码，比第二段长得多</p>\r\n");
  form.type(Field::编辑框3, first);
  previewCode(form, platform);
  EXPECT_EQ(contentOf(preview), first);

  const std::string second = gbkFromUtf8("短 ");
  form.type(Field::编辑框3, second);
  previewCode(form, platform);
  EXPECT_EQ(contentOf(preview), second);  // truncated, not overwritten in place

  // The doubled separator of the joined path reaches the same file.
  EXPECT_TRUE(previewFilePath(platform).find("\\\\") != std::string::npos);
  EXPECT_TRUE(platform.deleteFile(previewFilePath(platform)));
  EXPECT_FALSE(exists(preview));
  EXPECT_FALSE(platform.deleteFile(previewFilePath(platform)));
  EXPECT_TRUE(form.messages().empty());
}

TEST_F(DesktopFileTest, ALockedPreviewFileLeavesThePreviewSilent) {
  const std::wstring preview = onDesktop(PreviewName);
  putFile(preview, "older preview");
  {
    UniqueFile lock(::CreateFileW(preview.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    form.type(Field::编辑框3, "new code");
    previewCode(form, platform);
    EXPECT_FALSE(platform.writeFile(previewFilePath(platform), "new code"));
  }
  EXPECT_EQ(contentOf(preview), "older preview");
  EXPECT_TRUE(form.messages().empty());
}

// For the length of a test, ".html" files open with a command that copies the opened file to
// `copyPath`: what arrives there shows which file the shell was asked to open.
class HtmlOpensAsCopy {
 public:
  explicit HtmlOpensAsCopy(const std::wstring& copyPath) {
    setDefault(L".html", L"ShopCodeTest.html");
    setDefault(L"ShopCodeTest.html\\shell\\open\\command",
               L"C:\\windows\\system32\\cmd.exe /c copy \"%1\" \"" + copyPath + L"\"");
  }
  HtmlOpensAsCopy(const HtmlOpensAsCopy&) = delete;
  HtmlOpensAsCopy& operator=(const HtmlOpensAsCopy&) = delete;
  ~HtmlOpensAsCopy() {
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ShopCodeTest.html");
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L".html");
  }

 private:
  static void setDefault(const wchar_t* key, const std::wstring& value) {
    HKEY opened = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(opened);
  }
};

// The opened program runs on its own; wait for its copy to be complete.
std::string awaitContent(const std::wstring& path, const std::string& expected) {
  std::string content;
  for (int i = 0; i < 300 && content != expected; ++i) {
    if (i > 0) ::Sleep(100);
    content = exists(path) ? contentOf(path) : "<missing>";
  }
  return content;
}

TEST_F(DesktopFileTest, PreviewHasTheShellOpenThePreviewFile) {
  const std::wstring copy = onDesktop(L"opened.txt");
  HtmlOpensAsCopy association(copy);
  const std::string code = gbkFromUtf8("<p>在浏览器中预览</p>");
  form.type(Field::编辑框3, code);
  previewCode(form, platform);
  EXPECT_EQ(awaitContent(copy, code), code);
  ::DeleteFileW(copy.c_str());
  EXPECT_FALSE(platform.openWithShell(platform.desktopFolder() + gbkFromUtf8("\\没有这个文件.html")));
}

TEST_F(DesktopFileTest, ReadingSharesWithEveryOpenerAndTellsAMissingFileFromALockedOne) {
  const std::wstring list = onDesktop(ImageListName);
  putFile(list, "abc");
  const std::string path = platform.desktopFolder() + gbkFromUtf8("\\图片测试地址.txt");
  std::string got;
  const auto collect = [&got](std::string_view chunk) {
    got += chunk;
    return true;
  };
  {
    UniqueFile reader(
        ::CreateFileW(list.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader);
    EXPECT_EQ(platform.readFile(path, collect), FileRead::Done);
    EXPECT_EQ(got, "abc");
  }
  {
    // An editor that keeps the file open for writing but lets others read it.
    UniqueFile writer(::CreateFileW(list.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer);
    got.clear();
    EXPECT_EQ(platform.readFile(path, collect), FileRead::Done);
    EXPECT_EQ(got, "abc");
  }
  {
    UniqueFile exclusive(::CreateFileW(list.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(exclusive);
    EXPECT_EQ(platform.readFile(path, collect), FileRead::Unreadable);
  }
  EXPECT_EQ(platform.readFile(path + "x", collect), FileRead::Missing);
  EXPECT_EQ(platform.readFile(platform.desktopFolder() + "no such folder\\list.txt", collect),
            FileRead::Missing);
  EXPECT_EQ(platform.readFile(platform.desktopFolder(), collect), FileRead::Unreadable);  // a folder
}

TEST_F(DesktopFileTest, ImportReadsTheListFilesByTheirChineseNames) {
  const std::string address = gbkFromUtf8("http://图片.example/幻灯片.jpg");
  std::string lines;
  for (int k = 1; k <= 7; ++k) lines += address + std::to_string(k) + "\r\n";
  putFile(onDesktop(ImageListName), lines + std::string(300 * 1024, 'x'));  // more than one chunk
  putFile(onDesktop(LinkListName), "\xEF\xBB\xBF" + std::string("l1\r\nl2\r\n"));
  importImageList(form, platform);
  importLinkList(form, platform);
  EXPECT_EQ(form.text(Field::编辑框7), address + "1");
  EXPECT_EQ(form.text(Field::编辑框15), address + "5");
  EXPECT_EQ(form.text(Field::编辑框6), "l1");
  EXPECT_EQ(form.text(Field::编辑框8), "l2");
  EXPECT_EQ(form.messages(),
            std::vector<FormCall>{
                messageCall(gbkFromUtf8("文件“链接测试地址.txt”只有 2 行地址，需要 5 行。"), MessageNoIcon)});
}

TEST_F(PlatformTest, CopyReplacesTheClipboardWithTheTextInCodePage936AndUtf16) {
  const UINT privateFormat = ::RegisterClipboardFormatW(L"ShopCode test format");
  const auto putEarlierContent = [&] {
    ClipboardSession clipboard(window.get());
    ASSERT_TRUE(clipboard.isOpen());
    ASSERT_TRUE(::EmptyClipboard());
    UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE, 4));
    ASSERT_TRUE(block);
    ASSERT_TRUE(::SetClipboardData(privateFormat, block.get()));
    block.release();
  };

  putEarlierContent();
  const std::string code = gbkFromUtf8("<a href=\"#\">复制的代码 €</a>\r\n");
  form.type(Field::编辑框3, code);
  copyCode(form, platform);
  EXPECT_EQ(clipboardBytes(window.get(), CF_TEXT).value_or("<none>").substr(0, code.size() + 1), code + '\0');
  EXPECT_EQ(clipboardWide(window.get()), L"<a href=\"#\">复制的代码 €</a>\r\n");
  EXPECT_EQ(clipboardBytes(window.get(), CF_LOCALE).value_or("<none>").substr(0, 4),
            std::string("\x04\x08\0\0", 4));
  EXPECT_FALSE(clipboardBytes(window.get(), privateFormat));

  putEarlierContent();
  form.type(Field::编辑框3, "");
  copyCode(form, platform);
  EXPECT_EQ(clipboardBytes(window.get(), CF_TEXT).value_or("<none>").substr(0, 1), std::string(1, '\0'));
  EXPECT_EQ(clipboardWide(window.get()), L"");
  EXPECT_FALSE(clipboardBytes(window.get(), privateFormat));
}

// A code box far beyond one read or write chunk, the edit control's default limit of 30,000
// characters and a clipboard block of round size: every piece is numbered, so a piece lost,
// doubled or moved changes the bytes. The code page 936 bytes and the UTF-16 form are spelled
// out side by side, not converted by the code under test.
struct LargeCode {
  std::string gbk;
  std::wstring wide;
};

LargeCode largeCode() {
  LargeCode code;
  for (int i = 0; code.gbk.size() < 600 * 1024; ++i) {
    const std::string number = std::to_string(i);
    code.gbk += "<li>\xB5\xDA" + number + "\xB6\xCE \x80 \xA1\xA1</li>\r\n";  // 第 n 段 € full-width space
    code.wide +=
        L"<li>\u7B2C" + std::wstring(number.begin(), number.end()) + L"\u6BB5 \u20AC \u3000</li>\r\n";
  }
  return code;
}

TEST_F(DesktopFileTest, ALargeCodeBoxIsPreviewedAndCopiedWholeFromTheRealWindow) {
  const LargeCode code = largeCode();
  const std::wstring copy = onDesktop(L"opened.html");
  HtmlOpensAsCopy association(copy);
  MainWindow main(::GetModuleHandleW(nullptr),
                  [](HWND owner, std::function<void()> pump) -> std::unique_ptr<Platform> {
                    return std::make_unique<Win32Platform>(owner, std::move(pump));
                  });
  ASSERT_TRUE(main.created());
  main.writeText(Field::编辑框3, code.gbk);
  ASSERT_EQ(main.readText(Field::编辑框3).size(), code.gbk.size());

  ::SendMessageW(main.control(Control::按钮3), BM_CLICK, 0, 0);
  EXPECT_TRUE(contentOf(onDesktop(PreviewName)) == code.gbk) << "the preview file differs";
  EXPECT_TRUE(awaitContent(copy, code.gbk) == code.gbk) << "the shell opened another file";
  ::DeleteFileW(copy.c_str());

  ::SendMessageW(main.control(Control::按钮2), BM_CLICK, 0, 0);
  const std::string ansi = clipboardBytes(window.get(), CF_TEXT).value_or("<none>");
  EXPECT_TRUE(ansi.substr(0, ansi.find('\0')) == code.gbk) << "CF_TEXT differs, " << ansi.size() << " bytes";
  EXPECT_TRUE(clipboardWide(window.get()) == code.wide) << "CF_UNICODETEXT differs";
  EXPECT_TRUE(main.readText(Field::编辑框3) == code.gbk) << "the box changed";
}

TEST_F(PlatformTest, PendingEventsAreHandedToTheWindow) {
  platform.processPendingEvents();
  platform.processPendingEvents();
  EXPECT_EQ(pumped, 2);
}

}  // namespace
}  // namespace shopcode::win32
