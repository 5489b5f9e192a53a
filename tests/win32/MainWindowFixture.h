#pragma once
// The real main window under Wine with an in-memory platform, driven through the window's own
// message handling: the fixture the window test suites share.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/FakePlatform.h"
#include "text/CodePageConverter.h"
#include "ui/win32/Layout.h"
#include "ui/win32/MainWindow.h"

namespace shopcode::win32 {

inline std::string gbk(const char* utf8) {
  return gbkFromUtf8(utf8);
}

inline RECT rectIn(HWND hwnd, HWND parent) {
  RECT rect;
  ::GetWindowRect(hwnd, &rect);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class MainWindowTest : public ::testing::Test {
 public:
  void SetUp() override {
    window = std::make_unique<MainWindow>(::GetModuleHandleW(nullptr),
                                          [this](HWND, std::function<void()>) -> std::unique_ptr<Platform> {
                                            auto fake = std::make_unique<FakePlatform>();
                                            platform = fake.get();
                                            return fake;
                                          });
    ASSERT_NE(window->handle(), nullptr);
    ASSERT_NE(platform, nullptr);
    window->show();
    pump();
  }
  void TearDown() override {
    window.reset();
    // The destroyed window leaves its WM_QUIT; the next test starts with an empty queue.
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    setShift(false);
  }

  HWND at(Control c) const { return window->control(c); }
  void pump() { window->processPendingEvents(); }
  // Lets real input (SendInput) arrive and be handled: pumps until nothing more comes for a
  // moment, two seconds at most.
  void settle() {
    const ULONGLONG end = ::GetTickCount64() + 2000;
    do {
      pump();
    } while (::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0 &&
             ::GetTickCount64() < end);
  }
  static void setShift(bool down) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
  }
  // A key pressed and released on the control with the focus, through the window's loop.
  void press(UINT key, bool shift = false) {
    setShift(shift);
    HWND target = ::GetFocus();
    LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    ::PostMessageW(target, WM_KEYDOWN, key, scan | 1);
    ::PostMessageW(target, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
    pump();
    setShift(false);
  }
  void focus(Control c) {
    ::SetFocus(at(c));
    ASSERT_EQ(::GetFocus(), at(c));
  }
  Control focused() const {
    for (int i = 0; i < ControlCount; ++i)
      if (window->control(static_cast<Control>(i)) == ::GetFocus()) return static_cast<Control>(i);
    return Control::Count;
  }

  std::unique_ptr<MainWindow> window;
  FakePlatform* platform = nullptr;
};

}  // namespace shopcode::win32
