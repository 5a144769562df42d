#include "shell/button_commands.hpp"

#include <algorithm>

namespace tomaro {
namespace {

// Indexed by Command: each command has exactly one button.
constexpr std::array<ControlId, kCommandCount> kButtonOfCommand = {
    IDC_DIGIT0,          // Digit0
    IDC_DIGIT1,          // Digit1
    IDC_DIGIT2,          // Digit2
    IDC_DIGIT3,          // Digit3
    IDC_DIGIT4,          // Digit4
    IDC_DIGIT5,          // Digit5
    IDC_DIGIT6,          // Digit6
    IDC_DIGIT7,          // Digit7
    IDC_DIGIT8,          // Digit8
    IDC_DIGIT9,          // Digit9
    IDC_TRIPLEZERO,      // TripleZero
    IDC_POINT,           // Point
    IDC_BACKSPACE,       // Backspace
    IDC_SIGN,            // Sign
    IDC_FRACTIONBAR,     // FractionBar
    IDC_RECIPROCAL,      // Reciprocal
    IDC_ADD,             // Add
    IDC_SUBTRACT,        // Subtract
    IDC_MULTIPLY,        // Multiply
    IDC_DIVIDE,          // Divide
    IDC_EQUALS,          // Equals
    IDC_ALLCLEAR,        // AllClear
    IDC_CLEARENTRY,      // ClearEntry
    IDC_MEMORYADD,       // MemoryAdd
    IDC_MEMORYSUBTRACT,  // MemorySubtract
    IDC_MEMORYRECALL,    // MemoryRecall
    IDC_MEMORYCLEAR,     // MemoryClear
};

}  // namespace

std::optional<Command> CommandOfButton(int control_id) {
    const auto* row = std::find(kButtonOfCommand.begin(), kButtonOfCommand.end(), control_id);
    if (row == kButtonOfCommand.end()) return std::nullopt;
    return static_cast<Command>(row - kButtonOfCommand.begin());
}

ControlId ButtonOfCommand(Command c) {
    return kButtonOfCommand[static_cast<std::size_t>(c)];
}

}  // namespace tomaro
