#include "ui/win32/Keyboard.h"

#include <algorithm>

namespace shopcode::win32 {

KeyRule keyRule(UINT virtualKey, bool shift, Control focused) {
  switch (virtualKey) {
    case VK_TAB:
      return shift ? KeyRule::FocusPrevious : KeyRule::FocusNext;
    case VK_RETURN:  // a line break in the code box; there is no default button to press
      return focused == C::编辑框3 ? KeyRule::ToControl : KeyRule::Swallow;
    case VK_ESCAPE:
      return KeyRule::Close;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:  // elsewhere the arrows move the caret
      return focused != Control::Count && rowOf(focused).kind == Kind::RadioBox ? KeyRule::OtherRadio
                                                                                : KeyRule::ToControl;
    default:
      return KeyRule::ToControl;
  }
}

KeyRule characterRule(wchar_t character) {
  return character == L'\t' ? KeyRule::Swallow : KeyRule::ToControl;
}

Control focusNeighbour(Control from, int step) {
  constexpr int count = static_cast<int>(FocusOrder.size());
  const auto found = std::ranges::find(FocusOrder, from);
  int at = found != FocusOrder.end() ? static_cast<int>(found - FocusOrder.begin()) : step > 0 ? -1 : count;
  at = ((at + step) % count + count) % count;
  return FocusOrder[at];
}

}  // namespace shopcode::win32
