// The main window's frame: the client area holds the controls whatever frame and caption the
// system draws, and the window is centred by its real outer size. tests/win32/frames.sh runs
// these once more in a Wine prefix of their own with a 30-pixel caption and at 144 DPI, and
// tells them so through SHOPCODE_EXPECT_CAPTION and SHOPCODE_EXPECT_DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "MainWindowFixture.h"
#include "ui/win32/Layout.h"

namespace shopcode::win32 {
namespace {

// A setting the frame run asked for (0: none, the prefix's defaults).
int expected(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::atoi(value) : 0;
}

class MainWindowFrameTest : public MainWindowTest {
 public:
  int scaledBy(int value) const { return ::MulDiv(value, static_cast<int>(window->dpi()), 96); }
};

TEST_F(MainWindowFrameTest, TheSystemHasTheMetricsThisRunIsFor) {
  if (int dpi = expected("SHOPCODE_EXPECT_DPI")) {
    EXPECT_EQ(window->dpi(), static_cast<UINT>(dpi));
  }
  // A caption of n pixels has a title bar of n + 1, its lower border line included.
  if (int caption = expected("SHOPCODE_EXPECT_CAPTION")) {
    EXPECT_EQ(::GetSystemMetrics(SM_CYCAPTION), caption + 1);
  }
}

TEST_F(MainWindowFrameTest, ClientAreaIs711By448ScaledAndHoldsEveryControl) {
  RECT client;
  ::GetClientRect(window->handle(), &client);
  EXPECT_EQ(client.right, scaledBy(711));
  EXPECT_EQ(client.bottom, scaledBy(448));
  for (const ControlRow& row : Layout) {
    SCOPED_TRACE(static_cast<int>(row.control));
    RECT r = rectIn(at(row.control), window->handle()), both;
    ::IntersectRect(&both, &r, &client);
    EXPECT_TRUE(::EqualRect(&both, &r)) << "cut off at " << r.right << ", " << r.bottom;
  }
}

TEST_F(MainWindowFrameTest, FrameIsTheSystemsFixedFrameAndTheWindowIsCentredByIt) {
  RECT outer, client;
  ::GetWindowRect(window->handle(), &outer);
  ::GetClientRect(window->handle(), &client);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  // A fixed frame on each side (padded on newer systems) and the title bar above.
  const int side = ::GetSystemMetrics(SM_CXFIXEDFRAME) + ::GetSystemMetrics(SM_CXPADDEDBORDER);
  const int top = ::GetSystemMetrics(SM_CYFIXEDFRAME) + ::GetSystemMetrics(SM_CXPADDEDBORDER);
  EXPECT_EQ(width - client.right, 2 * side);
  EXPECT_EQ(height - client.bottom, 2 * top + ::GetSystemMetrics(SM_CYCAPTION));
  // Asked for the size at its own DPI (as before a DPI change), the window names this one.
  SIZE size{};
  EXPECT_TRUE(::SendMessageW(window->handle(), 0x02E4 /* WM_GETDPISCALEDSIZE */, window->dpi(),
                             reinterpret_cast<LPARAM>(&size)));
  EXPECT_EQ(size.cx, width);
  EXPECT_EQ(size.cy, height);
  const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN), screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(outer.left, (screenWidth - width) / 2);
  EXPECT_EQ(outer.top, (screenHeight - height) / 2);
  // Wine's own frame at 96 DPI on the screen the tests share: the size and place of old.
  if (!expected("SHOPCODE_EXPECT_CAPTION") && window->dpi() == 96 && screenWidth == 1024 &&
      screenHeight == 768) {
    EXPECT_EQ(width, 717);
    EXPECT_EQ(height, 473);
    EXPECT_EQ(outer.left, 153);
    EXPECT_EQ(outer.top, 147);
  }
  LONG style = ::GetWindowLongW(window->handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_EQ(::GetMenu(window->handle()), nullptr);
}

}  // namespace
}  // namespace shopcode::win32
