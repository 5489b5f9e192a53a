#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace shopcode {

// Handles the window's pending events; does nothing where there is no window.
using EventPump = std::function<void()>;

// "%XX" for every byte of the UTF-8 form of a code page 936 text, pumping events after each.
// The text may hold references for characters that code page 936 lacks, as the window hands
// them over (gbkWithReferences): those are encoded as the characters they stand for.
std::string encode(std::string_view text, const EventPump& pumpEvents = {});

}  // namespace shopcode
