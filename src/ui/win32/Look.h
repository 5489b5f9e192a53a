#pragma once
// How the main window looks: its DPI and the scaling by it, its fonts, the silver frame of
// the edit boxes and the colours of the controls.
#include <windows.h>

#include "ui/win32/Handles.h"

namespace shopcode::win32 {

// The window's DPI (GetDpiForWindow from Windows 10 on; the system DPI before that).
UINT dpiOf(HWND window);
// A length given at 96 DPI, at `dpi`.
int scaled(int value, UINT dpi);
// The outer size of `window` (frame and title bar of its styles, drawn for `dpi`) around a
// client area of `client` at 96 DPI scaled to `dpi`.
SIZE outerSize(HWND window, SIZE client, UINT dpi);

// The two fonts of the window at one DPI: the default GUI font, and the hyperlink's 楷体.
struct Fonts {
  UniqueGdiObject gui, link;
  // The stock font where the scaled one could not be made.
  HFONT guiFont() const;
  HFONT linkFont() const { return static_cast<HFONT>(link.get()); }
};
Fonts makeFonts(UINT dpi);

// The silver scheme's one-pixel frame in `frame`, with the rest of the client edge in the
// box's white; drawn over what the edit painted of its non-client area.
void drawEditFrame(HWND edit, HBRUSH frame);
inline constexpr COLORREF EditFrameColour = RGB(198, 197, 215);

// WM_CTLCOLORSTATIC (labels, radio boxes, group boxes: black on the face colour) and
// WM_CTLCOLOREDIT (black on white): set up `dc` and return the background brush.
LRESULT staticColours(HDC dc);
LRESULT editColours(HDC dc);

}  // namespace shopcode::win32
