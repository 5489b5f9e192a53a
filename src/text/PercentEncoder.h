#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace shopcode {

// Handles the window's pending events; does nothing where there is no window.
using EventPump = std::function<void()>;

// "%XX" for every byte of the UTF-8 form of a code page 936 text, pumping events after each.
std::string encode(std::string_view text, const EventPump& pumpEvents = {});

}  // namespace shopcode
