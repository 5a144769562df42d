// The keyboard's key map: the command a Windows virtual-key code runs. The dialog moves
// the focus to that command's button.
#pragma once

#include <optional>
#include <span>

#include "engine/command.hpp"

namespace tomaro {

struct KeyBinding {
    int virtual_key;
    Command command;
};

// Every binding, main-row digits first: the one source of the key tables shown to users.
std::span<const KeyBinding> KeyMap();
std::optional<Command> LookUpKey(int virtual_key);

}  // namespace tomaro
