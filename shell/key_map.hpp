// The keyboard's key map: a Windows virtual-key code runs one command and moves the focus
// to that command's button. Shared by the window and by tomaro-cli.
#pragma once

#include <optional>

#include "engine/command.hpp"
#include "resources/control_ids.hpp"

namespace tomaro {

struct KeyBinding {
    Command command;
    ControlId focus;
};

std::optional<KeyBinding> LookUpKey(int virtual_key);

}  // namespace tomaro
