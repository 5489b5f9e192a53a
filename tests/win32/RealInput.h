#pragma once
// Real keyboard and mouse input for the window tests (SendInput: the system's input queue,
// as from the devices), and a helper that answers a message box the way a user does.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

namespace shopcode::win32 {

// Presses the keys in order and releases them in reverse: {VK_CONTROL, 'I'} is Ctrl+I.
inline void pressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  for (WORD key : keys) add(key, 0);
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) add(*key, KEYEVENTF_KEYUP);
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A left click of the mouse at the centre of `hwnd`.
inline void clickAt(HWND hwnd) {
  RECT rect;
  ::GetWindowRect(hwnd, &rect);
  const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
  // Absolute places run from 0 to 65535 over the screen; rounded up, they land on the pixel.
  const LONG x = ((rect.left + rect.right) / 2 * 65536 + width - 1) / width;
  const LONG y = ((rect.top + rect.bottom) / 2 * 65536 + height - 1) / height;
  INPUT inputs[3] = {};
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  inputs[0].mi = MOUSEINPUT{x, y, 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, 0};
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(3, inputs, sizeof(INPUT));
}

// Answers the message box titled `title` that the calling thread is about to show: another
// thread waits for it, notes what it shows and clicks its OK button. A box that does not come
// within `limit` leaves found false, and any dialog box the thread shows after that is closed,
// so a missing or mistitled box fails the test instead of hanging it.
class MessageBoxAnswer {
 public:
  struct Seen {
    bool found = false;
    std::wstring text;
    bool owned = true;          // the box had an owner window
    bool windowEnabled = true;  // `window` took input while the box was open
    bool closedByClick = false;
  };

  MessageBoxAnswer(HWND window, std::wstring title,
                   std::chrono::milliseconds limit = std::chrono::seconds(10))
      : window_(window), title_(std::move(title)), thread_(::GetCurrentThreadId()) {
    helper_ = std::thread([this, limit] { answer(limit); });
  }
  ~MessageBoxAnswer() { wait(); }
  MessageBoxAnswer(const MessageBoxAnswer&) = delete;
  MessageBoxAnswer& operator=(const MessageBoxAnswer&) = delete;

  // Once the box has come and gone (or never came): what was seen.
  const Seen& wait() {
    done_ = true;
    if (helper_.joinable()) helper_.join();
    return seen_;
  }

 private:
  // The dialog boxes of the thread, with `title` or with any title when it is empty.
  HWND findBox(const std::wstring& title) const {
    struct Search {
      const std::wstring& title;
      HWND box = nullptr;
    } search{title};
    ::EnumThreadWindows(
        thread_,
        [](HWND hwnd, LPARAM param) -> BOOL {
          auto& s = *reinterpret_cast<Search*>(param);
          wchar_t className[16] = {}, text[64] = {};
          ::GetClassNameW(hwnd, className, 16);
          ::GetWindowTextW(hwnd, text, 64);
          if (std::wstring(className) != L"#32770" || (!s.title.empty() && s.title != text)) return TRUE;
          s.box = hwnd;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.box;
  }

  void answer(std::chrono::milliseconds limit) {
    using Clock = std::chrono::steady_clock;
    const auto pause = std::chrono::milliseconds(10);
    const auto end = Clock::now() + limit;
    HWND box = nullptr;
    while (!(box = findBox(title_)) && !done_ && Clock::now() < end) std::this_thread::sleep_for(pause);
    if (!box) {
      // Whatever the thread shows now must not hold the test: close it until the test goes on.
      while (!done_) {
        if (HWND any = findBox(L"")) ::PostMessageW(any, WM_COMMAND, IDOK, 0);
        std::this_thread::sleep_for(pause);
      }
      return;
    }
    seen_.found = true;
    wchar_t text[512] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 512);  // the static control of a message box
    seen_.text = text;
    seen_.owned = ::GetWindow(box, GW_OWNER) != nullptr;
    seen_.windowEnabled = ::IsWindowEnabled(window_) != FALSE;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the box is drawn and takes input
    clickAt(::GetDlgItem(box, IDOK));
    const auto closeEnd = Clock::now() + std::chrono::seconds(5);
    while (::IsWindow(box) && Clock::now() < closeEnd) std::this_thread::sleep_for(pause);
    seen_.closedByClick = !::IsWindow(box);
    if (!seen_.closedByClick) ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  }

  HWND window_;
  std::wstring title_;
  DWORD thread_;
  std::atomic<bool> done_{false};
  Seen seen_;
  std::thread helper_;
};

}  // namespace shopcode::win32
