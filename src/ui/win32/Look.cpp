#include "ui/win32/Look.h"

#include <string>

#include "form/Literals.h"
#include "ui/win32/Gbk.h"

namespace shopcode::win32 {
namespace {

UINT systemDpi() {
  HDC screen = ::GetDC(nullptr);
  int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

}  // namespace

UINT dpiOf(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  UINT dpi = getDpi ? getDpi(window) : 0;
  return dpi ? dpi : systemDpi();
}

int scaled(int value, UINT dpi) {
  return ::MulDiv(value, static_cast<int>(dpi), 96);
}

SIZE outerSize(HWND window, SIZE client, UINT dpi) {
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
  RECT rect{0, 0, scaled(client.cx, dpi), scaled(client.cy, dpi)};
  // The frame of a given DPI exists from Windows 10 on; before that the system's frame is
  // the one for the system DPI, which is then the window's DPI too.
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  auto adjustForDpi = reinterpret_cast<AdjustForDpiFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, dpi))
    ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

HFONT Fonts::guiFont() const {
  return static_cast<HFONT>(gui ? gui.get() : ::GetStockObject(DEFAULT_GUI_FONT));
}

Fonts makeFonts(UINT dpi) {
  // The default GUI font is made for the system DPI; scale it to this window's.
  LOGFONTW gui{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
  gui.lfHeight = ::MulDiv(gui.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
  // Every caption is Chinese: ask for the Chinese character set, so that a system whose
  // default font lacks those glyphs picks one that has them (on a Chinese system it is so).
  gui.lfCharSet = GB2312_CHARSET;

  LOGFONTW link{};
  link.lfHeight = -scaled(14, dpi);
  link.lfWeight = FW_NORMAL;
  link.lfCharSet = GB2312_CHARSET;
  std::wstring face = widenGbk(literals().hyperlinkFont);
  face.copy(link.lfFaceName, LF_FACESIZE - 1);
  return Fonts{UniqueGdiObject(::CreateFontIndirectW(&gui)), UniqueGdiObject(::CreateFontIndirectW(&link))};
}

void drawEditFrame(HWND edit, HBRUSH frame) {
  HDC dc = ::GetWindowDC(edit);
  if (!dc) return;
  RECT rect;
  ::GetWindowRect(edit, &rect);
  ::OffsetRect(&rect, -rect.left, -rect.top);
  ::FrameRect(dc, &rect, frame);
  int edge = ::GetSystemMetrics(SM_CXEDGE);
  for (int i = 1; i < edge; ++i) {
    ::InflateRect(&rect, -1, -1);
    ::FrameRect(dc, &rect, ::GetSysColorBrush(COLOR_WINDOW));
  }
  ::ReleaseDC(edit, dc);
}

LRESULT staticColours(HDC dc) {
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT editColours(HDC dc) {
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
}

}  // namespace shopcode::win32
