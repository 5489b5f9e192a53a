#include "ui/win32/MainWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "form/Literals.h"
#include "generators/CarouselGenerator.h"
#include "generators/FavouriteLinkGenerator.h"
#include "generators/ServiceBadgeGenerator.h"
#include "ui/AddressImporter.h"
#include "ui/CodeBoxActions.h"
#include "ui/Startup.h"
#include "ui/win32/Gbk.h"

namespace shopcode::win32 {

namespace {

constexpr COLORREF EditFrameColour = RGB(198, 197, 215);  // the silver scheme's edit frame
constexpr int FirstControlId = 100;                       // 1 and 2 are IDOK and IDCANCEL
constexpr UINT WmDpiChanged = 0x02E0;

std::wstring windowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
  int copied = ::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
}

// The fixed caption of a control, code page 936; empty for boxes and the hyperlink.
const std::string& captionOf(Control control) {
  const Captions& c = literals().captions;
  static const std::string none;
  switch (control) {
    case C::分组框1:
      return c.分组框1;
    case C::分组框2:
      return c.分组框2;
    case C::分组框3:
      return c.分组框3;
    case C::分组框4:
      return c.分组框4;
    case C::标签1:
      return c.标签1;
    case C::标签2:
      return c.标签2;
    case C::标签3:
      return c.标签3;
    case C::标签4:
      return c.标签4;
    case C::标签5:
      return c.标签5;
    case C::标签6:
      return c.标签6;
    case C::标签7:
      return c.标签7;
    case C::标签8:
      return c.标签8;
    case C::标签9:
      return c.标签9;
    case C::标签10:
      return c.标签10;
    case C::标签11:
      return c.标签11;
    case C::标签12:
      return c.标签12;
    case C::标签13:
      return c.标签13;
    case C::标签14:
      return c.标签14;
    case C::标签15:
      return c.标签15;
    case C::标签16:
      return c.标签16;
    case C::按钮1:
      return c.按钮1;
    case C::按钮2:
      return c.按钮2;
    case C::按钮3:
      return c.按钮3;
    case C::按钮4:
      return c.按钮4;
    case C::按钮5:
      return c.按钮5;
    case C::按钮6:
      return c.按钮6;
    case C::按钮7:
      return c.按钮7;
    case C::按钮8:
      return c.按钮8;
    case C::单选框1:
      return c.单选框1;
    case C::单选框2:
      return c.单选框2;
    default:
      return none;
  }
}

// GetDpiForWindow exists from Windows 10 on; before that the system DPI applies everywhere.
UINT systemDpi() {
  HDC screen = ::GetDC(nullptr);
  int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

UINT dpiOf(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  UINT dpi = getDpi ? getDpi(hwnd) : 0;
  return dpi ? dpi : systemDpi();
}

int scaled(int value, UINT dpi) {
  return ::MulDiv(value, static_cast<int>(dpi), 96);
}

bool isEdit(Kind kind) {
  return kind == Kind::EditBox || kind == Kind::CodeBox;
}

}  // namespace

int controlId(Control control) {
  return FirstControlId + static_cast<int>(control);
}

MainWindow::MainWindow(HINSTANCE instance, PlatformFactory makePlatform)
    : instance_(instance), makePlatform_(std::move(makePlatform)) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (!::GetClassInfoExW(instance, ClassName, &existing)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &MainWindow::windowProc;
    wc.hInstance = instance;
    wc.hIcon =
        static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                        ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), 0));
    wc.hIconSm =
        static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                        ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = ClassName;
    if (!::RegisterClassExW(&wc)) return;
  }
  if (!Hyperlink::registerClass(instance)) return;
  // A fixed frame with a minimize button and no maximize: the window is never resized.
  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  created_ = ::CreateWindowExW(0, ClassName, L"", style, 0, 0, WindowWidth, WindowHeight, nullptr, nullptr,
                               instance, this) != nullptr;
}

MainWindow::~MainWindow() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

void MainWindow::show() {
  if (!hwnd_) return;
  RECT rect;
  ::GetWindowRect(hwnd_, &rect);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::ShowWindow(hwnd_, SW_SHOW);
  ::SetForegroundWindow(hwnd_);
  ::SetActiveWindow(hwnd_);
  ::SetFocus(lastFocus_ ? lastFocus_ : control(C::编辑框1));
  ::UpdateWindow(hwnd_);
}

// ---- GeneratorForm ----

std::string MainWindow::readText(Field field) {
  HWND box = control(controlOf(field));
  return box && !gone_ ? narrowGbk(windowText(box)) : std::string();
}

void MainWindow::writeText(Field field, std::string_view text) {
  HWND box = control(controlOf(field));
  if (!box || gone_) return;
  ::SetWindowTextW(box, widenGbk(text).c_str());
  ::SendMessageW(box, EM_SETSEL, 0, 0);
  ::SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

bool MainWindow::isChecked(Radio radio) {
  HWND box = control(controlOf(radio));
  return box && !gone_ && ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::showMessage(std::string_view text, unsigned style) {
  // No owner and task-modal: every window of the program is disabled until it is closed.
  ::MessageBoxW(nullptr, widenGbk(text).c_str(), widenGbk(literals().messageTitle).c_str(),
                MB_OK | MB_TASKMODAL | style);
}

void MainWindow::setWindowCaption(std::string_view text) {
  if (hwnd_) ::SetWindowTextW(hwnd_, widenGbk(text).c_str());
}

void MainWindow::setLinkCaption(std::string_view text) {
  hyperlink_.setCaption(widenGbk(text));
}

void MainWindow::setLinkTarget(std::string_view text) {
  hyperlink_.setTarget(widenGbk(text));
}

// ---- creation, look and DPI ----

bool MainWindow::createControls() {
  const int dpi = static_cast<int>(dpi_);
  auto at = [dpi](int v) { return ::MulDiv(v, dpi, 96); };
  for (const Placement& p : Layout) {
    HWND parent = p.parent ? control(*p.parent) : hwnd_;
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(p.control)));
    std::wstring caption = widenGbk(captionOf(p.control));
    HWND hwnd = nullptr;
    switch (p.kind) {
      case Kind::GroupBox:
        // Control-parent: the dialog manager looks inside it instead of stopping on it.
        hwnd = ::CreateWindowExW(WS_EX_CONTROLPARENT, WC_BUTTONW, caption.c_str(),
                                 WS_CHILD | WS_VISIBLE | BS_GROUPBOX, at(p.x), at(p.y), at(p.width),
                                 at(p.height), parent, id, instance_, nullptr);
        if (hwnd) ::SetWindowSubclass(hwnd, &MainWindow::groupBoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
        break;
      case Kind::Label:
        hwnd = ::CreateWindowExW(0, WC_STATICW, caption.c_str(),
                                 WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, at(p.x),
                                 at(p.y), at(p.width), at(p.height), parent, id, instance_, nullptr);
        break;
      case Kind::EditBox:
      case Kind::CodeBox: {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT;
        style |= p.kind == Kind::CodeBox ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL
                                         : ES_AUTOHSCROLL;
        if (p.control == C::编辑框宽度) style |= WS_GROUP;  // ends the radio boxes' group
        hwnd = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"", style, at(p.x), at(p.y), at(p.width),
                                 at(p.height), parent, id, instance_, nullptr);
        if (hwnd) {
          ::SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // the platform's maximum
          ::SetWindowSubclass(hwnd, &MainWindow::editProc, 0, reinterpret_cast<DWORD_PTR>(this));
        }
        break;
      }
      case Kind::Button:
        hwnd = ::CreateWindowExW(
            0, WC_BUTTONW, caption.c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER,
            at(p.x), at(p.y), at(p.width), at(p.height), parent, id, instance_, nullptr);
        break;
      case Kind::RadioBox: {
        DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER;
        if (p.control == C::单选框1) style |= WS_GROUP | WS_TABSTOP;
        hwnd = ::CreateWindowExW(0, WC_BUTTONW, caption.c_str(), style, at(p.x), at(p.y), at(p.width),
                                 at(p.height), parent, id, instance_, nullptr);
        break;
      }
      case Kind::HyperLinker:
        hwnd = hyperlink_.create(parent, controlId(p.control), instance_, at(p.x), at(p.y), at(p.width),
                                 at(p.height));
        break;
    }
    if (!hwnd) return false;
    controls_[static_cast<int>(p.control)] = hwnd;
    if (p.kind != Kind::HyperLinker)
      ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
  }
  ::SendMessageW(control(C::单选框1), BM_SETCHECK, BST_CHECKED, 0);
  for (int i = 0; i < FieldCount; ++i) {
    const std::string& initial = initialText(static_cast<Field>(i));
    if (!initial.empty()) writeText(static_cast<Field>(i), initial);
  }
  return true;
}

void MainWindow::makeFonts(UINT dpi) {
  // The default GUI font is made for the system DPI; scale it to this window's.
  LOGFONTW gui{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
  gui.lfHeight = ::MulDiv(gui.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
  // Every caption is Chinese: ask for the Chinese character set, so that a system whose
  // default font lacks those glyphs picks one that has them (on a Chinese system it is so).
  gui.lfCharSet = GB2312_CHARSET;
  UniqueGdiObject guiFont(::CreateFontIndirectW(&gui));

  LOGFONTW link{};
  link.lfHeight = -scaled(14, dpi);
  link.lfWeight = FW_NORMAL;
  link.lfCharSet = GB2312_CHARSET;
  std::wstring face = widenGbk(literals().hyperlinkFont);
  face.copy(link.lfFaceName, LF_FACESIZE - 1);
  UniqueGdiObject linkFont(::CreateFontIndirectW(&link));
  hyperlink_.setFont(static_cast<HFONT>(linkFont.get()));
  // The old fonts go only once no control uses them any more (the caller sets the new ones).
  oldFonts_[0] = std::move(guiFont_);
  oldFonts_[1] = std::move(linkFont_);
  guiFont_ = std::move(guiFont);
  linkFont_ = std::move(linkFont);
}

HFONT MainWindow::guiFont() const {
  return static_cast<HFONT>(guiFont_ ? guiFont_.get() : ::GetStockObject(DEFAULT_GUI_FONT));
}

void MainWindow::applyDpi(UINT dpi) {
  dpi_ = dpi;
  makeFonts(dpi);
  HFONT font = guiFont();
  for (const Placement& p : Layout) {
    HWND hwnd = control(p.control);
    ::SetWindowPos(hwnd, nullptr, scaled(p.x, dpi), scaled(p.y, dpi), scaled(p.width, dpi),
                   scaled(p.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    if (p.kind != Kind::HyperLinker) ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  oldFonts_[0].reset();
  oldFonts_[1].reset();
  ::SetWindowPos(hwnd_, nullptr, 0, 0, scaled(WindowWidth, dpi), scaled(WindowHeight, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::enableThemedLook() {
  // The visual styles themselves come with common controls 6 (the manifest); what is ours is
  // the silver frame of the edit boxes.
  // The window is still hidden here, so every edit draws its frame first when it is shown:
  // no repaint is needed now.
  themedLook_ = true;
  frameBrush_.reset(::CreateSolidBrush(EditFrameColour));
}

// A one-pixel frame in the scheme's colour, with the rest of the client edge in the box's white.
void MainWindow::drawEditFrame(HWND edit) const {
  if (!themedLook_ || !frameBrush_) return;
  HDC dc = ::GetWindowDC(edit);
  if (!dc) return;
  RECT rect;
  ::GetWindowRect(edit, &rect);
  ::OffsetRect(&rect, -rect.left, -rect.top);
  ::FrameRect(dc, &rect, static_cast<HBRUSH>(frameBrush_.get()));
  int edge = ::GetSystemMetrics(SM_CXEDGE);
  for (int i = 1; i < edge; ++i) {
    ::InflateRect(&rect, -1, -1);
    ::FrameRect(dc, &rect, ::GetSysColorBrush(COLOR_WINDOW));
  }
  ::ReleaseDC(edit, dc);
}

// ---- messages ----

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->handle(message, wParam, lParam) : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_;
  switch (message) {
    case WM_CREATE:
      dpi_ = dpiOf(hwnd);
      makeFonts(dpi_);
      if (!createControls()) return -1;
      ::SetWindowPos(hwnd, nullptr, 0, 0, scaled(WindowWidth, dpi_), scaled(WindowHeight, dpi_),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      platform_ = makePlatform_(hwnd, [this] { processPendingEvents(); });
      enableThemedLook();
      prepareWindow(*this);
      return 0;
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC: {  // labels, radio boxes, group boxes: black on the face colour
      HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetTextColor(dc, RGB(0, 0, 0));
      ::SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CTLCOLOREDIT: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetTextColor(dc, RGB(0, 0, 0));
      ::SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd, focus)) lastFocus_ = focus;
      } else if (!HIWORD(wParam)) {
        ::SetFocus(lastFocus_ ? lastFocus_ : control(C::编辑框1));
      }
      return 0;
    case WM_SETFOCUS:
      ::SetFocus(lastFocus_ ? lastFocus_ : control(C::编辑框1));
      return 0;
    case WmDpiChanged: {
      applyDpi(HIWORD(wParam));
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      // The controls still exist here; the preview file goes before they do.
      if (platform_) removePreviewFile(*platform_);
      gone_ = true;
      ::PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      controls_.fill(nullptr);
      lastFocus_ = nullptr;
      return ::DefWindowProcW(hwnd, message, wParam, lParam);
    default:
      break;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void MainWindow::onCommand(int id, int code) {
  if (code != BN_CLICKED || !platform_) return;  // IDOK and IDCANCEL too: there is no default button
  Platform& platform = *platform_;
  auto is = [id](Control c) { return id == controlId(c); };
  if (is(C::按钮1))
    generateServiceBadge(*this, [this] { processPendingEvents(); });
  else if (is(C::按钮4))
    generateFavouriteLink(*this);
  else if (is(C::按钮7))
    generateCarousel(*this);
  else if (is(C::按钮2))
    copyCode(*this, platform);
  else if (is(C::按钮3))
    previewCode(*this, platform);
  else if (is(C::按钮8))
    putMarqueeSample(*this);
  else if (is(C::按钮5))
    importImageList(*this, platform);
  else if (is(C::按钮6))
    importLinkList(*this, platform);
}

// A group box parents its controls but swallows their notifications: pass them to the window.
LRESULT CALLBACK MainWindow::groupBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR window) {
  auto* self = reinterpret_cast<MainWindow*>(window);
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (self->hwnd_) return ::SendMessageW(self->hwnd_, message, wParam, lParam);
      break;
    case WM_ERASEBKGND: {  // a group box never erases its inside on its own
      RECT rect;
      ::GetClientRect(hwnd, &rect);
      ::FillRect(reinterpret_cast<HDC>(wParam), &rect, ::GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(hwnd, &MainWindow::groupBoxProc, 0);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR window) {
  auto* self = reinterpret_cast<MainWindow*>(window);
  switch (message) {
    case WM_NCPAINT: {
      LRESULT result = ::DefSubclassProc(hwnd, message, wParam, lParam);
      self->drawEditFrame(hwnd);
      return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {  // themed edits repaint their frame on these
      LRESULT result = ::DefSubclassProc(hwnd, message, wParam, lParam);
      self->drawEditFrame(hwnd);
      return result;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(hwnd, &MainWindow::editProc, 0);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

// ---- keyboard and the message loop ----

void MainWindow::moveFocus(int step) {
  constexpr int count = static_cast<int>(FocusOrder.size());
  HWND focus = ::GetFocus();
  int at = -1;
  for (int i = 0; i < count; ++i)
    if (control(FocusOrder[i]) == focus) at = i;
  if (at < 0) at = step > 0 ? count - 1 : 0;
  for (int n = 0; n < count; ++n) {
    at = (at + step + count) % count;
    HWND next = control(FocusOrder[at]);
    if (!::IsWindowVisible(next) || !::IsWindowEnabled(next)) continue;
    // An automatic radio box checks itself when the keyboard gives it the focus; Tab only
    // moves, so the choice is kept as it was.
    bool first = isChecked(Radio::单选框1), second = isChecked(Radio::单选框2);
    ::SetFocus(next);
    ::SendMessageW(control(C::单选框1), BM_SETCHECK, first ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendMessageW(control(C::单选框2), BM_SETCHECK, second ? BST_CHECKED : BST_UNCHECKED, 0);
    if (isEdit(placementOf(FocusOrder[at]).kind)) ::SendMessageW(next, EM_SETSEL, 0, -1);
    // Show focus rectangles from now on, as dialogs do after a key.
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return;
  }
}

bool MainWindow::filterKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || !hwnd_) return false;
  if (message.hwnd != hwnd_ && !::IsChild(hwnd_, message.hwnd)) return false;
  HWND focus = ::GetFocus();
  switch (message.wParam) {
    case VK_TAB:
      moveFocus(::GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
      return true;
    case VK_RETURN:
      return focus != control(C::编辑框3);  // a line break in the code box, nothing elsewhere
    case VK_ESCAPE:
      ::SendMessageW(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      // Two radio boxes: the previous and the next one are both the other one.
      HWND first = control(C::单选框1), second = control(C::单选框2);
      if (focus != first && focus != second) return false;
      HWND other = focus == first ? second : first;
      ::SetFocus(other);
      ::SendMessageW(other, BM_CLICK, 0, 0);
      return true;
    }
    default:
      return false;
  }
}

void MainWindow::dispatch(MSG& message) {
  if (filterKey(message)) return;
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
}

int MainWindow::runMessageLoop() {
  MSG message;
  BOOL result;
  while ((result = ::GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (result == -1) return 0;
    dispatch(message);
  }
  return static_cast<int>(message.wParam);
}

void MainWindow::processPendingEvents() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The loop that runs the program must still see it.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    dispatch(message);
  }
}

}  // namespace shopcode::win32
