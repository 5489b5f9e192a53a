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
#include "ui/win32/Keyboard.h"

namespace shopcode::win32 {

namespace {

constexpr int FirstControlId = 100;  // 1 and 2 are IDOK and IDCANCEL
constexpr UINT WmDpiChanged = 0x02E0;
constexpr UINT WmGetDpiScaledSize = 0x02E4;  // Windows 10 1703 on: the size for a coming DPI

// What a click on each button runs.
struct ButtonAction {
  Control button;
  void (*run)(MainWindow& window, Platform& platform);
};
constexpr ButtonAction ButtonActions[] = {
    {C::按钮1, [](MainWindow& w, Platform&) { generateServiceBadge(w, [&w] { w.processPendingEvents(); }); }},
    {C::按钮4, [](MainWindow& w, Platform&) { generateFavouriteLink(w); }},
    {C::按钮7, [](MainWindow& w, Platform&) { generateCarousel(w); }},
    {C::按钮2, [](MainWindow& w, Platform& p) { copyCode(w, p); }},
    {C::按钮3, [](MainWindow& w, Platform& p) { previewCode(w, p); }},
    {C::按钮8, [](MainWindow& w, Platform&) { putMarqueeSample(w); }},
    {C::按钮5, [](MainWindow& w, Platform& p) { importImageList(w, p); }},
    {C::按钮6, [](MainWindow& w, Platform& p) { importLinkList(w, p); }},
};

// The window class and styles of each kind of control (the hyperlink has a class of its own).
struct KindStyle {
  Kind kind;
  const wchar_t* className;
  DWORD exStyle, style;
};
constexpr KindStyle KindStyles[] = {
    // Control-parent: the dialog manager looks inside a group box instead of stopping on it.
    {Kind::GroupBox, WC_BUTTONW, WS_EX_CONTROLPARENT, BS_GROUPBOX},
    {Kind::Label, WC_STATICW, 0, SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX},
    {Kind::EditBox, WC_EDITW, WS_EX_CLIENTEDGE, WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL},
    {Kind::CodeBox, WC_EDITW, WS_EX_CLIENTEDGE,
     WS_TABSTOP | ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL},
    // Notify: buttons tell the window when they get the focus, as edits always do.
    {Kind::Button, WC_BUTTONW, 0,
     WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | BS_NOTIFY},
    {Kind::RadioBox, WC_BUTTONW, 0, BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER | BS_NOTIFY},
};

const KindStyle& styleOf(Kind kind) {
  return *std::ranges::find(KindStyles, kind, &KindStyle::kind);
}

// The radio boxes' rows stand together: the first of them starts their group (and is the
// one Tab stops on), and the row after the last one starts the next group.
DWORD groupStyle(Control control) {
  const int i = static_cast<int>(control);
  const bool radio = Layout[i].kind == Kind::RadioBox;
  const bool afterRadio = i > 0 && Layout[i - 1].kind == Kind::RadioBox;
  if (radio && !afterRadio) return WS_GROUP | WS_TABSTOP;
  return !radio && afterRadio ? WS_GROUP : 0;
}

std::wstring windowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
  int copied = ::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
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
  // A fixed frame with a minimize button and no maximize: the window is never resized. Its
  // size comes once its DPI is known (onCreate).
  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  created_ =
      ::CreateWindowExW(0, ClassName, L"", style, 0, 0, 0, 0, nullptr, nullptr, instance, this) != nullptr;
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
  ::SetFocus(focusToRestore());
  ::UpdateWindow(hwnd_);
}

HWND MainWindow::focusToRestore() const {
  return lastFocus_ ? lastFocus_ : control(C::编辑框1);
}

// ---- GeneratorForm ----

std::string MainWindow::readText(Field field) {
  HWND box = control(controlOf(field));
  // What code page 936 lacks (an emoji, ©) reaches the snippets as a reference, not as '?'.
  return box && !gone_ ? narrowKeepingAll(windowText(box)) : std::string();
}

std::u16string MainWindow::readCharacters(Field field) {
  HWND box = control(controlOf(field));
  if (!box || gone_) return {};
  const std::wstring text = windowText(box);
  return std::u16string(text.begin(), text.end());
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
  // Closing a box without owner activates whatever window the system picks, often not this
  // one: take the activation back, with the focus where the user left it.
  if (!hwnd_ || !::IsWindowVisible(hwnd_) || ::IsIconic(hwnd_)) return;
  ::SetForegroundWindow(hwnd_);
  ::SetActiveWindow(hwnd_);
  ::SetFocus(focusToRestore());
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

HWND MainWindow::createControl(const ControlRow& row, HWND parent) {
  const int x = scaled(row.x, dpi_), y = scaled(row.y, dpi_);
  const int width = scaled(row.width, dpi_), height = scaled(row.height, dpi_);
  const int id = controlId(row.control);
  if (row.kind == Kind::HyperLinker) return hyperlink_.create(parent, id, instance_, x, y, width, height);

  const KindStyle& kind = styleOf(row.kind);
  HWND hwnd =
      ::CreateWindowExW(kind.exStyle, kind.className, widenUtf8(row.caption).c_str(),
                        WS_CHILD | WS_VISIBLE | kind.style | groupStyle(row.control), x, y, width, height,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  if (!hwnd) return nullptr;
  ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.guiFont()), FALSE);
  const auto self = reinterpret_cast<DWORD_PTR>(this);
  if (row.kind == Kind::GroupBox) ::SetWindowSubclass(hwnd, &MainWindow::groupBoxProc, 0, self);
  if (row.field) {
    ::SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // the platform's maximum
    ::SetWindowSubclass(hwnd, &MainWindow::editProc, 0, self);
  }
  return hwnd;
}

bool MainWindow::createControls() {
  for (const ControlRow& row : Layout) {
    HWND hwnd = createControl(row, row.parent ? control(*row.parent) : hwnd_);
    if (!hwnd) return false;
    controls_[static_cast<int>(row.control)] = hwnd;
  }
  ::SendMessageW(control(C::单选框1), BM_SETCHECK, BST_CHECKED, 0);
  for (int i = 0; i < FieldCount; ++i) {
    const std::string& initial = initialText(static_cast<Field>(i));
    if (!initial.empty()) writeText(static_cast<Field>(i), initial);
  }
  return true;
}

void MainWindow::applyDpi(UINT dpi) {
  dpi_ = dpi;
  // The old fonts go at the end, once no control uses them any more.
  const Fonts old = std::exchange(fonts_, makeFonts(dpi));
  hyperlink_.setFont(fonts_.linkFont());
  for (const ControlRow& row : Layout) {
    HWND hwnd = control(row.control);
    ::SetWindowPos(hwnd, nullptr, scaled(row.x, dpi), scaled(row.y, dpi), scaled(row.width, dpi),
                   scaled(row.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    if (row.kind != Kind::HyperLinker)
      ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.guiFont()), TRUE);
  }
  fitToClientArea();
}

void MainWindow::fitToClientArea() {
  // From the client area out: a system with a wider frame or a taller caption (Windows 10
  // and 11, a large caption setting) makes the window larger instead of clipping the controls.
  const SIZE outer = outerSize(hwnd_, SIZE{ClientWidth, ClientHeight}, dpi_);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::enableThemedLook() {
  // The visual styles themselves come with common controls 6 (the manifest); what is ours is
  // the silver frame of the edit boxes. The window is still hidden here, so every edit draws
  // its frame first when it is shown: no repaint is needed now.
  frameBrush_.reset(::CreateSolidBrush(EditFrameColour));
}

void MainWindow::drawEditFrame(HWND edit) const {
  if (frameBrush_) win32::drawEditFrame(edit, static_cast<HBRUSH>(frameBrush_.get()));
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
  switch (message) {
    case WM_CREATE:
      return onCreate();
    case WM_COMMAND:
      return onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORSTATIC:
      return staticColours(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLOREDIT:
      return editColours(reinterpret_cast<HDC>(wParam));
    case WM_ACTIVATE:
      return onActivate(LOWORD(wParam), HIWORD(wParam) != 0);
    case WM_SETFOCUS:
      return onSetFocus();
    case WmGetDpiScaledSize:
      return onGetDpiScaledSize(LOWORD(wParam), *reinterpret_cast<SIZE*>(lParam));
    case WmDpiChanged:
      return onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_DESTROY:
      return onDestroy();
    case WM_NCDESTROY:
      return onNcDestroy(wParam, lParam);
    default:
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

LRESULT MainWindow::onCreate() {
  dpi_ = dpiOf(hwnd_);
  fonts_ = makeFonts(dpi_);
  hyperlink_.setFont(fonts_.linkFont());
  if (!createControls()) return -1;
  fitToClientArea();
  platform_ = makePlatform_(hwnd_, [this] { processPendingEvents(); });
  enableThemedLook();
  prepareWindow(*this);
  return 0;
}

LRESULT MainWindow::onCommand(int id, int code, HWND from) {
  if (code == EN_SETFOCUS || code == BN_SETFOCUS) return onControlFocused(from);
  // IDOK and IDCANCEL (Enter and Esc in a window that is no dialog) are no button's.
  if (code != BN_CLICKED || !platform_) return 0;
  const auto action =
      std::ranges::find_if(ButtonActions, [id](const ButtonAction& a) { return controlId(a.button) == id; });
  if (action != std::end(ButtonActions)) action->run(*this, *platform_);
  return 0;
}

LRESULT MainWindow::onControlFocused(HWND control) {
  // Remembered as it happens: minimizing takes the focus away without deactivating the
  // window, so the focus is no longer there to be read once the window needs it back.
  if (control && ::IsChild(hwnd_, control)) lastFocus_ = control;
  return 0;
}

LRESULT MainWindow::onActivate(WORD state, bool minimized) {
  if (state != WA_INACTIVE && !minimized) ::SetFocus(focusToRestore());
  return 0;
}

LRESULT MainWindow::onSetFocus() {
  ::SetFocus(focusToRestore());
  return 0;
}

LRESULT MainWindow::onGetDpiScaledSize(UINT dpi, SIZE& size) {
  // The frame does not scale as the client area does: give the exact size for the new DPI.
  size = outerSize(hwnd_, SIZE{ClientWidth, ClientHeight}, dpi);
  return TRUE;
}

LRESULT MainWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
  applyDpi(dpi);  // sized from the client area
  ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return 0;
}

LRESULT MainWindow::onDestroy() {
  // The controls still exist here; the preview file goes before they do.
  if (platform_) removePreviewFile(*platform_);
  gone_ = true;
  ::PostQuitMessage(0);
  return 0;
}

LRESULT MainWindow::onNcDestroy(WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_;
  ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  controls_.fill(nullptr);
  lastFocus_ = nullptr;
  return ::DefWindowProcW(hwnd, WM_NCDESTROY, wParam, lParam);
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
    case WM_NCPAINT:
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

Control MainWindow::focusedControl() const {
  HWND focus = ::GetFocus();
  const auto found = std::ranges::find(controls_, focus);
  return focus && found != controls_.end() ? static_cast<Control>(found - controls_.begin()) : Control::Count;
}

void MainWindow::moveFocus(int step) {
  Control at = focusedControl();
  for (size_t n = 0; n < FocusOrder.size(); ++n) {
    at = focusNeighbour(at, step);
    HWND next = control(at);
    if (!::IsWindowVisible(next) || !::IsWindowEnabled(next)) continue;
    // An automatic radio box checks itself when the keyboard gives it the focus; Tab only
    // moves, so the choice is kept as it was.
    bool first = isChecked(Radio::单选框1), second = isChecked(Radio::单选框2);
    ::SetFocus(next);
    ::SendMessageW(control(C::单选框1), BM_SETCHECK, first ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendMessageW(control(C::单选框2), BM_SETCHECK, second ? BST_CHECKED : BST_UNCHECKED, 0);
    // A single-line box is selected whole, as in dialogs. The code box holds a document: it
    // keeps its caret, or the next key would replace the snippet.
    if (rowOf(at).kind == Kind::EditBox) ::SendMessageW(next, EM_SETSEL, 0, -1);
    // Show focus rectangles from now on, as dialogs do after a key.
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    return;
  }
}

bool MainWindow::filterKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_CHAR) return false;
  if (!hwnd_ || (message.hwnd != hwnd_ && !::IsChild(hwnd_, message.hwnd))) return false;
  // Characters made of other keys (Ctrl+I is a tab) follow their own rule.
  if (message.message == WM_CHAR)
    return characterRule(static_cast<wchar_t>(message.wParam)) == KeyRule::Swallow;
  const Control focused = focusedControl();
  switch (keyRule(static_cast<UINT>(message.wParam), ::GetKeyState(VK_SHIFT) < 0, focused)) {
    case KeyRule::ToControl:
      return false;
    case KeyRule::Swallow:
      return true;
    case KeyRule::FocusNext:
      moveFocus(1);
      return true;
    case KeyRule::FocusPrevious:
      moveFocus(-1);
      return true;
    case KeyRule::Close:
      ::SendMessageW(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case KeyRule::OtherRadio: {
      // Two radio boxes: the previous and the next one are both the other one.
      HWND other = control(focused == C::单选框1 ? C::单选框2 : C::单选框1);
      ::SetFocus(other);
      ::SendMessageW(other, BM_CLICK, 0, 0);
      return true;
    }
  }
  return false;
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
  MSG next;
  while (::PeekMessageW(&next, nullptr, 0, 0, PM_NOREMOVE)) {
    // A quit stays where it is, with its exit code: the loop that runs the program takes it.
    if (next.message == WM_QUIT) return;
    // Only a message of the kind just seen is taken, so a quit that came meanwhile stays too.
    MSG message;
    if (!::PeekMessageW(&message, nullptr, next.message, next.message, PM_REMOVE)) return;
    dispatch(message);
  }
}

}  // namespace shopcode::win32
