#include "ui/win32/Hyperlink.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <windowsx.h>

namespace shopcode::win32 {

namespace {
constexpr COLORREF NormalColour = RGB(0, 0, 0);
constexpr COLORREF HoverColour = RGB(255, 0, 0);
constexpr COLORREF VisitedColour = RGB(0, 0, 0);

bool shellOpen(const wchar_t* file, const wchar_t* parameters) {
  auto result =
      reinterpret_cast<INT_PTR>(::ShellExecuteW(nullptr, L"open", file, parameters, nullptr, SW_SHOW));
  return result > 32;
}

// Asked of ".htm" first; where the extension has no entry, of "htmlfile", the class that
// Windows files ".htm" under (a fresh Wine prefix without its HTML engine has only that).
std::wstring htmlAssociation(ASSOCSTR what) {
  for (const wchar_t* association : {L".htm", L"htmlfile"}) {
    wchar_t text[MAX_PATH * 2] = {};
    DWORD size = ARRAYSIZE(text);
    if (SUCCEEDED(::AssocQueryStringW(ASSOCF_NONE, what, association, L"open", text, &size)) && text[0])
      return text;
  }
  return {};
}

// The program registered for opening ".htm" files. Some systems (Wine among them) answer
// only with the whole command line; its first word is the program.
std::wstring htmlProgram() {
  if (std::wstring program = htmlAssociation(ASSOCSTR_EXECUTABLE); !program.empty()) return program;
  std::wstring command = htmlAssociation(ASSOCSTR_COMMAND);
  if (command.empty()) return {};
  if (command[0] == L'"') return command.substr(1, command.find(L'"', 1) - 1);
  return command.substr(0, command.find(L' '));
}

// The second attempt: that program, started with the address as its one argument.
bool openWithHtmlHandler(const std::wstring& target) {
  std::wstring program = htmlProgram();
  if (program.empty()) return false;
  std::wstring argument = L"\"" + target + L"\"";
  return shellOpen(program.c_str(), argument.c_str());
}
}  // namespace

bool Hyperlink::registerClass(HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(instance, ClassName, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &Hyperlink::windowProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_HAND);
  wc.lpszClassName = ClassName;
  return ::RegisterClassExW(&wc) != 0;
}

HWND Hyperlink::create(HWND parent, int id, HINSTANCE instance, int x, int y, int width, int height) {
  hwnd_ = ::CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
  return hwnd_;
}

void Hyperlink::setCaption(std::wstring caption) {
  caption_ = std::move(caption);
  redraw();
}

void Hyperlink::setTarget(std::wstring target) {
  target_ = std::move(target);
  if (caption_.empty()) redraw();
}

void Hyperlink::setFont(HFONT font) {
  font_ = font;
  redraw();
}

bool Hyperlink::open() {
  bool opened = !target_.empty() && (shellOpen(target_.c_str(), nullptr) || openWithHtmlHandler(target_));
  visited_ = opened;
  if (opened) redraw();
  return opened;
}

void Hyperlink::redraw() const {
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Hyperlink::setHovered(bool hovered) {
  if (hovered == hovered_) return;
  hovered_ = hovered;
  // Keep the mouse while hovered, to notice the pointer leaving.
  if (hovered)
    ::SetCapture(hwnd_);
  else if (::GetCapture() == hwnd_)
    ::ReleaseCapture();
  redraw();
}

void Hyperlink::paint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(hwnd_, &ps);
  RECT rect;
  ::GetClientRect(hwnd_, &rect);
  ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, hovered_ ? HoverColour : visited_ ? VisitedColour : NormalColour);
  HGDIOBJ oldFont = font_ ? ::SelectObject(dc, font_) : nullptr;
  const std::wstring& text = shownText();
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  if (oldFont) ::SelectObject(dc, oldFont);
  ::EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK Hyperlink::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Hyperlink*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<Hyperlink*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->hovered_ = false;
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->handle(message, wParam, lParam);
}

LRESULT Hyperlink::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint fills the whole rectangle
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE: {
      RECT rect;
      ::GetClientRect(hwnd_, &rect);
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      setHovered(::PtInRect(&rect, point) != FALSE);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd_ && hovered_) {
        hovered_ = false;
        redraw();
      }
      return 0;
    case WM_LBUTTONDOWN: {
      RECT rect;
      ::GetClientRect(hwnd_, &rect);
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (!::PtInRect(&rect, point)) {  // captured, but pressed elsewhere
        setHovered(false);
        return 0;
      }
      open();
      return 0;
    }
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    default:
      break;
  }
  return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace shopcode::win32
