// The dialog's command table: which engine command each keypad button runs. Clicks look
// the command up by button; the key map names a command, and the focus goes to its button.
#pragma once

#include <array>
#include <optional>

#include "engine/command.hpp"
#include "resources/control_ids.hpp"

namespace tomaro {

std::optional<Command> CommandOfButton(int control_id);
ControlId ButtonOfCommand(Command c);

// Every button but "A.C.", in the order the keypad lock disables and enables them.
inline constexpr std::array<ControlId, 26> kLockedButtons = {
    IDC_TRIPLEZERO,   IDC_DIGIT0,         IDC_DIGIT1,     IDC_DIGIT2,
    IDC_DIGIT3,       IDC_DIGIT4,         IDC_DIGIT5,     IDC_DIGIT6,
    IDC_DIGIT7,       IDC_DIGIT8,         IDC_DIGIT9,     IDC_ADD,
    IDC_SUBTRACT,     IDC_MULTIPLY,       IDC_DIVIDE,     IDC_POINT,
    IDC_SIGN,         IDC_FRACTIONBAR,    IDC_RECIPROCAL, IDC_MEMORYCLEAR,
    IDC_MEMORYRECALL, IDC_MEMORYSUBTRACT, IDC_MEMORYADD,  IDC_EQUALS,
    IDC_BACKSPACE,    IDC_CLEARENTRY,
};

}  // namespace tomaro
