// The keyboard's key map: the command a Windows virtual-key code runs. The dialog moves
// the focus to that command's button.
#pragma once

#include <optional>
#include <span>

#include "engine/command.hpp"
#include "platform/virtual_keys.hpp"

namespace tomaro {

struct KeyBinding {
    int virtual_key;
    Command command;
};

// Every binding, main-row digits first: the one source of the key tables shown to users.
std::span<const KeyBinding> KeyMap();
std::optional<Command> LookUpKey(int virtual_key);

// A key that, held with Ctrl or Shift, runs one of the usual editing shortcuts instead of its
// key-map command.
struct Shortcut {
    int virtual_key;
    vk::Modifiers held;  // at least these are held
    int menu_command;    // 0: the key does nothing at all
};

std::span<const Shortcut> Shortcuts();
const Shortcut* LookUpShortcut(int virtual_key, vk::Modifiers held);

}  // namespace tomaro
