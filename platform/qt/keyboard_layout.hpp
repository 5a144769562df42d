// Which keyboard layout the user types on, asked once at start-up.
#pragma once

#include "platform/layout_keys.hpp"

namespace tomaro::platform::qt {

// The X server's keymap where there is one; otherwise the system
// locale: Japanese when the locale's language is Japanese, US for every other.
KeyboardLayout DetectKeyboardLayout();

}  // namespace tomaro::platform::qt
