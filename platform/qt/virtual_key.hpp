// A key press as Windows would report it: the virtual-key code that the same physical key
// gives on the same keyboard layout. Plain values in and out, so every row can be tested
// without a window.
#pragma once

#include <cstdint>

#include "platform/layout_keys.hpp"

namespace tomaro::platform::qt {

// qt_key: the Qt::Key of the press; keypad: it came from the numeric keypad;
// native_scan_code: the X keycode (evdev code + 8), 0 where the platform gives none.
// Answers 0 for a key that has no code here; the key map ignores 0.
int VirtualKeyOf(int qt_key, bool keypad, std::uint32_t native_scan_code, KeyboardLayout layout);

}  // namespace tomaro::platform::qt
