// The keyboard's key map: the command a Windows virtual-key code runs. The dialog moves
// the focus to that command's button.
#pragma once

#include <optional>

#include "engine/command.hpp"

namespace tomaro {

std::optional<Command> LookUpKey(int virtual_key);

}  // namespace tomaro
