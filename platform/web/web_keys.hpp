// A key press in the page as Windows would report it: the virtual-key code that the same
// physical key gives on the same keyboard layout. The page knows the press by its key (what
// it types, or its name) and its code (where it sits on the keyboard), and learns the layout
// from what the keys type (web_host.js).
#pragma once

#include <string_view>

#include "platform/layout_keys.hpp"

namespace tomaro::platform::web {

// dom_key, dom_code: the key press's KeyboardEvent.key and KeyboardEvent.code. Answers 0 for
// a key that has no code here; the page passes such keys on to no one.
int VirtualKeyOf(std::string_view dom_key, std::string_view dom_code, KeyboardLayout layout);

}  // namespace tomaro::platform::web
