#pragma once
// The program's one window: the form's controls in four group boxes, their events bound to
// the actions, the keyboard rules, and the GeneratorForm operations over the real controls.
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "form/GeneratorForm.h"
#include "ui/Platform.h"
#include "ui/win32/Handles.h"
#include "ui/win32/Hyperlink.h"
#include "ui/win32/Layout.h"
#include "ui/win32/Look.h"

namespace shopcode::win32 {

// Makes the platform the actions use, once the window exists; `pumpEvents` handles the
// window's pending events through the window's own key rules.
using PlatformFactory =
    std::function<std::unique_ptr<Platform>(HWND window, std::function<void()> pumpEvents)>;

class MainWindow final : public GeneratorForm {
 public:
  static constexpr const wchar_t* ClassName = L"ShopCodeMainWindow";

  // Creates the window, still hidden, with every control at its initial value, and runs
  // the start-up preparation. created() tells whether the system made the window.
  MainWindow(HINSTANCE instance, PlatformFactory makePlatform);
  // Destroys the window if it is still there. The object must outlive the window's messages,
  // so the window never deletes it.
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  bool created() const { return created_; }
  HWND handle() const { return hwnd_; }
  HWND control(Control control) const { return controls_[static_cast<int>(control)]; }
  const Hyperlink& hyperlink() const { return hyperlink_; }
  Hyperlink& hyperlink() { return hyperlink_; }
  UINT dpi() const { return dpi_; }

  // Shows the window centred on the screen and activates it.
  void show();

  // The message loop: runs until WM_QUIT and returns its exit code.
  int runMessageLoop();
  // Handles the pending messages without waiting; leaves a WM_QUIT in the queue.
  void processPendingEvents();
  // The window's own keys (Tab, Shift+Tab, Enter, Esc, the radio arrows) and the characters
  // no box takes (a tab), seen before the control with the focus: true when the message was
  // handled here and must not go on.
  bool filterKey(const MSG& message);

  // Rebuilds fonts, places every control and sizes the window around its client area for
  // `dpi` (the window keeps its position).
  void applyDpi(UINT dpi);

  // GeneratorForm
  std::string readText(Field field) override;
  std::u16string readCharacters(Field field) override;
  void writeText(Field field, std::string_view text) override;
  bool isChecked(Radio radio) override;
  void showMessage(std::string_view text, unsigned style) override;
  void setWindowCaption(std::string_view text) override;
  void setLinkCaption(std::string_view text) override;
  void setLinkTarget(std::string_view text) override;
  bool isGone() const override { return gone_; }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK groupBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR window);
  static LRESULT CALLBACK editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR window);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  // The window's messages, one handler each.
  LRESULT onCreate();
  LRESULT onCommand(int id, int code, HWND from);
  LRESULT onControlFocused(HWND control);
  LRESULT onActivate(WORD state, bool minimized);
  LRESULT onSetFocus();
  LRESULT onGetDpiScaledSize(UINT dpi, SIZE& size);
  LRESULT onDpiChanged(UINT dpi, const RECT& suggested);
  LRESULT onDestroy();
  LRESULT onNcDestroy(WPARAM wParam, LPARAM lParam);

  bool createControls();
  HWND createControl(const ControlRow& row, HWND parent);
  void fitToClientArea();
  void enableThemedLook();
  void drawEditFrame(HWND edit) const;
  Control focusedControl() const;
  HWND focusToRestore() const;  // the control that had the focus last, else the first one
  void moveFocus(int step);
  void dispatch(MSG& message);

  HINSTANCE instance_;
  PlatformFactory makePlatform_;
  std::unique_ptr<Platform> platform_;
  HWND hwnd_ = nullptr;
  bool created_ = false;
  bool gone_ = false;
  UINT dpi_ = 96;
  HWND lastFocus_ = nullptr;
  std::array<HWND, ControlCount> controls_{};
  Hyperlink hyperlink_;
  Fonts fonts_;
  UniqueGdiObject frameBrush_;  // made by the themed look: the edit boxes' silver frame
};

// The id a control is created with; never IDOK or IDCANCEL.
int controlId(Control control);

}  // namespace shopcode::win32
