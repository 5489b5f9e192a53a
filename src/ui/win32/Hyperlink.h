#pragma once
// 超级链接框1: a label that draws itself, turns red under the mouse and opens its target
// in the browser when pressed. It never takes the keyboard focus.
#include <windows.h>

#include <string>

namespace shopcode::win32 {

class Hyperlink {
 public:
  // Registers the window class once per process; false when that fails.
  static bool registerClass(HINSTANCE instance);
  static constexpr const wchar_t* ClassName = L"ShopCodeHyperlink";

  Hyperlink() = default;
  Hyperlink(const Hyperlink&) = delete;
  Hyperlink& operator=(const Hyperlink&) = delete;

  // Creates the control as a child of `parent`; the control keeps a pointer to this object.
  HWND create(HWND parent, int id, HINSTANCE instance, int x, int y, int width, int height);
  HWND handle() const { return hwnd_; }

  void setCaption(std::wstring caption);
  void setTarget(std::wstring target);
  void setFont(HFONT font);  // not owned
  const std::wstring& caption() const { return caption_; }
  const std::wstring& target() const { return target_; }
  // The text drawn: the caption, or the target while the caption is empty.
  const std::wstring& shownText() const { return caption_.empty() ? target_ : caption_; }

  bool hovered() const { return hovered_; }
  bool visited() const { return visited_; }

  // Opens the target as a press does: the shell first, then the program registered for
  // ".htm"; sets the visited flag on success and clears it on failure.
  bool open();

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void paint();
  void setHovered(bool hovered);
  void redraw() const;

  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  std::wstring caption_, target_;
  bool hovered_ = false;
  bool visited_ = false;
};

}  // namespace shopcode::win32
