#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace shopcode {

// Shows a message box (code page 936 text, Win32 MB_* icon style) and returns once it is closed.
using ShowMessage = std::function<void(std::string_view text, unsigned style)>;

// Turns a scrambled text back into its plain form; a failed key check shows a message
// and gives the empty text.
std::string descramble(std::string_view scrambled, std::string_view key, const ShowMessage& showMessage);

}  // namespace shopcode
