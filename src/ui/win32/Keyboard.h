#pragma once
// The window's own keys, seen before the control with the focus: Tab and Shift+Tab walk the
// focus order, Enter breaks lines in the code box and nowhere else, Esc closes the window and
// the arrow keys move between the radio boxes. Every other key goes to the control, but a tab
// character never does, whichever keys typed it.
#include <windows.h>

#include "ui/win32/Layout.h"

namespace shopcode::win32 {

enum class KeyRule { ToControl, Swallow, FocusNext, FocusPrevious, Close, OtherRadio };

// What the key `virtualKey` does while `focused` has the focus (Control::Count: none of ours).
KeyRule keyRule(UINT virtualKey, bool shift, Control focused);
// What a typed character does, whichever keys made it: a tab is never typed into a box.
KeyRule characterRule(wchar_t character);

// The control `step` places after `from` in the focus order (before, for a negative step),
// wrapping at both ends. From a control outside the order, the first one or the last.
Control focusNeighbour(Control from, int step);

}  // namespace shopcode::win32
