// Characters beyond code page 936 through the real window, its real platform, the clipboard
// and the desktop under Wine: typed emoji and © reach the snippets as references, the code
// box copies with its own characters, the preview file holds the references, and list
// files saved as Notepad saves them are read.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "form/Literals.h"
#include "ui/win32/Gbk.h"
#include "ui/win32/Handles.h"
#include "ui/win32/Layout.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/Win32Platform.h"

namespace shopcode::win32 {
namespace {

std::wstring desktop() {
  return widenGbk(Win32Platform(nullptr, {}).desktopFolder());
}

void putFile(const std::wstring& path, const std::string& bytes) {
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  ASSERT_TRUE(file);
  DWORD written = 0;
  ASSERT_TRUE(::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
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

// ".html" opens with a command that does nothing, so that a preview starts no browser.
class HtmlOpensNothing {
 public:
  HtmlOpensNothing() {
    set(L".html", L"ShopCodeUnicodeTest.html");
    set(L"ShopCodeUnicodeTest.html\\shell\\open\\command", L"C:\\windows\\system32\\cmd.exe /c exit");
  }
  HtmlOpensNothing(const HtmlOpensNothing&) = delete;
  HtmlOpensNothing& operator=(const HtmlOpensNothing&) = delete;
  ~HtmlOpensNothing() {
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ShopCodeUnicodeTest.html");
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L".html");
  }

 private:
  static void set(const wchar_t* key, const std::wstring& value) {
    HKEY opened = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS)
      return;
    ::RegSetValueExW(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(opened);
  }
};

class UnicodeTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<MainWindow>(
        ::GetModuleHandleW(nullptr), [](HWND hwnd, std::function<void()> pump) -> std::unique_ptr<Platform> {
          return std::make_unique<Win32Platform>(hwnd, std::move(pump));
        });
    ASSERT_NE(window->handle(), nullptr);
    window->show();
    pump();
    ASSERT_FALSE(desktop().empty());
  }
  void TearDown() override {
    window.reset();
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    for (const char* name : {"\\图片测试地址.txt", "\\测试代码.html"})
      ::DeleteFileW((desktop() + widenUtf8(name)).c_str());
  }

  HWND at(Control c) const { return window->control(c); }
  void pump() { window->processPendingEvents(); }
  void click(Control c) {
    ::SendMessageW(at(c), BM_CLICK, 0, 0);
    pump();
  }
  static std::wstring textOf(HWND hwnd) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(std::max(::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())), 0)));
    return text;
  }
  // Typed on the keyboard as a user types what no key has (an input method, an emoji
  // panel): unit by unit as Unicode key presses, over the box's whole text.
  void type(Control c, const std::wstring& text) {
    ::SetFocus(at(c));
    ::SendMessageW(at(c), EM_SETSEL, 0, -1);
    for (const wchar_t unit : text) {
      INPUT keys[2] = {};
      for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wScan = unit;
        key.ki.dwFlags = KEYEVENTF_UNICODE;
      }
      keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
      ::SendInput(2, keys, sizeof(INPUT));
      pump();
    }
    for (int i = 0; i < 50 && textOf(at(c)) != text; ++i) {
      ::Sleep(10);
      pump();
    }
    ASSERT_EQ(textOf(at(c)), text);
  }

  std::unique_ptr<MainWindow> window;
};

TEST_F(UnicodeTextTest, TypedEmojiAndCopyrightReachEverySnippetAsReferences) {
  type(C::编辑框1, L"shop😊");
  type(C::编辑框2, L"咨询 😊 ©");
  click(C::按钮1);
  const std::wstring badge = textOf(at(C::编辑框3));
  EXPECT_NE(badge.find(L"touid=%73%68%6F%70%F0%9F%98%8A&"), std::wstring::npos) << badge;
  EXPECT_NE(badge.find(L"uid=%73%68%6F%70%F0%9F%98%8A&site"), std::wstring::npos) << badge;
  EXPECT_NE(badge.find(L"alt=\"咨询 &#128522; &#169;\""), std::wstring::npos) << badge;

  type(C::编辑框5, L"http://img.cn/😊©.gif");
  click(C::按钮4);
  const std::wstring favourites = textOf(at(C::编辑框3));
  EXPECT_NE(favourites.find(L"<img src=\"http://img.cn/&#128522;&#169;.gif\" />"), std::wstring::npos)
      << favourites;

  type(C::编辑框宽度, L"750");
  type(C::编辑框高度, L"250");
  type(C::编辑框6, L"http://shop.cn/©新品");
  type(C::编辑框7, L"http://img.cn/😊.jpg");
  click(C::按钮7);
  const std::wstring carousel = textOf(at(C::编辑框3));
  EXPECT_NE(carousel.find(L"href=\"http://shop.cn/&#169;新品\""), std::wstring::npos) << carousel;
  EXPECT_NE(carousel.find(L"src=\"http://img.cn/&#128522;.jpg\""), std::wstring::npos) << carousel;
  EXPECT_EQ(carousel.find(L'?'), std::wstring::npos);
}

// The clipboard's content in one format as the raw bytes of its block.
std::optional<std::string> clipboardBytes(HWND owner, UINT format) {
  ClipboardSession clipboard(owner);
  if (!clipboard.isOpen()) return "<clipboard busy>";
  HANDLE data = ::GetClipboardData(format);
  if (!data) return std::nullopt;
  GlobalLockGuard lock(data);
  if (!lock.data()) return "<cannot lock>";
  return std::string(static_cast<const char*>(lock.data()), ::GlobalSize(data));
}

TEST_F(UnicodeTextTest, ACodeBoxHoldingThemCopiesItsOwnCharactersAndPreviewsReferences) {
  const std::wstring code = L"<p title=\"😊\">© À ß 中</p>";
  type(C::编辑框3, code);
  click(C::按钮2);
  const std::string wide = clipboardBytes(window->handle(), CF_UNICODETEXT).value_or("<none>");
  std::wstring shown(wide.size() / sizeof(wchar_t), L'\0');
  std::memcpy(shown.data(), wide.data(), shown.size() * sizeof(wchar_t));
  EXPECT_EQ(shown.substr(0, shown.find(L'\0')), code);
  const std::string gbk = "<p title=\"&#128522;\">&#169; &#192; &#223; \xD6\xD0</p>";
  EXPECT_EQ(clipboardBytes(window->handle(), CF_TEXT).value_or("<none>").substr(0, gbk.size() + 1),
            gbk + '\0');
  EXPECT_EQ(clipboardBytes(window->handle(), CF_LOCALE).value_or("<none>").substr(0, 4),
            std::string("\x04\x08\0\0", 4));

  HtmlOpensNothing association;
  click(C::按钮3);
  EXPECT_EQ(contentOf(desktop() + widenUtf8("\\测试代码.html")), gbk);  // no mark, nothing added
}

TEST_F(UnicodeTextTest, AUtf8ListWithoutAMarkIsImportedFromTheDesktop) {
  std::string lines;
  for (int k = 1; k <= 5; ++k)
    lines += "http://img.cn/\xE6\x96\xB0\xE5\x93\x81\xF0\x9F\x98\x8A" + std::to_string(k) + "\r\n";
  putFile(desktop() + widenUtf8("\\图片测试地址.txt"), lines);  // 新品😊k, as Notepad saves it
  click(C::按钮5);
  EXPECT_EQ(textOf(at(C::编辑框7)), L"http://img.cn/新品&#128522;1");
  EXPECT_EQ(textOf(at(C::编辑框15)), L"http://img.cn/新品&#128522;5");
}

// Presses OK on the next message box and hands back its text.
class MessageCatcher {
 public:
  MessageCatcher()
      : thread_([this] {
          const std::wstring title = widenUtf8("信息：");
          for (int i = 0; i < 500 && !stop_; ++i) {
            if (HWND box = ::FindWindowW(L"#32770", title.c_str())) {
              wchar_t text[256] = {};
              ::GetDlgItemTextW(box, 0xFFFF, text, 256);
              text_ = text;
              ::PostMessageW(box, WM_COMMAND, IDOK, 0);
              return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
          }
        }) {}
  MessageCatcher(const MessageCatcher&) = delete;
  MessageCatcher& operator=(const MessageCatcher&) = delete;
  ~MessageCatcher() { wait(); }
  std::wstring wait() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return text_;
  }

 private:
  std::atomic<bool> stop_{false};
  std::wstring text_;
  std::thread thread_;
};

TEST_F(UnicodeTextTest, AListHeldOpenIsReadWhereSharingAllowsAndOtherwiseSaidUnreadable) {
  const std::wstring list = desktop() + widenUtf8("\\图片测试地址.txt");
  putFile(list, "a1\r\na2\r\na3\r\na4\r\na5\r\n");
  {
    // An editor holding the file open for writing, letting others read.
    UniqueFile writer(::CreateFileW(list.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer);
    MessageCatcher catcher;
    click(C::按钮5);
    EXPECT_EQ(catcher.wait(), L"") << "no message";
    EXPECT_EQ(textOf(at(C::编辑框7)), L"a1");
    EXPECT_EQ(textOf(at(C::编辑框15)), L"a5");
  }
  window->writeText(Field::编辑框7, "kept");
  {
    UniqueFile exclusive(::CreateFileW(list.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(exclusive);
    MessageCatcher catcher;
    click(C::按钮5);
    EXPECT_EQ(catcher.wait(), widenUtf8("桌面上的文件“图片测试地址.txt”无法读取，可能正被其他程序占用。"));
  }
  EXPECT_EQ(textOf(at(C::编辑框7)), L"kept");
  ::DeleteFileW(list.c_str());
  MessageCatcher catcher;
  click(C::按钮5);
  EXPECT_EQ(catcher.wait(), widenUtf8("桌面上没有找到文件“图片测试地址.txt”。"));
}

}  // namespace
}  // namespace shopcode::win32
