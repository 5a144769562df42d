#include "shell/button_commands.hpp"

namespace tomaro {
namespace {

struct ButtonRow {
    ControlId button;
    Command command;
};

constexpr ButtonRow kButtons[] = {
    {IDC_ALLCLEAR, Command::AllClear},
    {IDC_CLEARENTRY, Command::ClearEntry},
    {IDC_DIGIT0, Command::Digit0},
    {IDC_DIGIT1, Command::Digit1},
    {IDC_DIGIT2, Command::Digit2},
    {IDC_DIGIT3, Command::Digit3},
    {IDC_DIGIT4, Command::Digit4},
    {IDC_DIGIT5, Command::Digit5},
    {IDC_DIGIT6, Command::Digit6},
    {IDC_DIGIT7, Command::Digit7},
    {IDC_DIGIT8, Command::Digit8},
    {IDC_DIGIT9, Command::Digit9},
    {IDC_TRIPLEZERO, Command::TripleZero},
    {IDC_ADD, Command::Add},
    {IDC_SUBTRACT, Command::Subtract},
    {IDC_MULTIPLY, Command::Multiply},
    {IDC_DIVIDE, Command::Divide},
    {IDC_POINT, Command::Point},
    {IDC_SIGN, Command::Sign},
    {IDC_FRACTIONBAR, Command::FractionBar},
    {IDC_BACKSPACE, Command::Backspace},
    {IDC_EQUALS, Command::Equals},
    {IDC_MEMORYADD, Command::MemoryAdd},
    {IDC_MEMORYSUBTRACT, Command::MemorySubtract},
    {IDC_MEMORYRECALL, Command::MemoryRecall},
    {IDC_MEMORYCLEAR, Command::MemoryClear},
    {IDC_RECIPROCAL, Command::Reciprocal},
};

}  // namespace

std::optional<Command> CommandOfButton(int control_id) {
    for (const ButtonRow& row : kButtons)
        if (row.button == control_id) return row.command;
    return std::nullopt;
}

}  // namespace tomaro
