#include "shell/key_map.hpp"

#include <array>

#include "platform/virtual_keys.hpp"
#include "resources/resources.hpp"

namespace tomaro {
namespace {

// Digits on the main row and the keypad; the rest as a Japanese keyboard labels them (VK_OEM_1
// carries "*", VK_OEM_PLUS "+"). Shift is never consulted.
constexpr KeyBinding kKeyMap[] = {
    {vk::Digit(0), Command::Digit0},
    {vk::Digit(1), Command::Digit1},
    {vk::Digit(2), Command::Digit2},
    {vk::Digit(3), Command::Digit3},
    {vk::Digit(4), Command::Digit4},
    {vk::Digit(5), Command::Digit5},
    {vk::Digit(6), Command::Digit6},
    {vk::Digit(7), Command::Digit7},
    {vk::Digit(8), Command::Digit8},
    {vk::Digit(9), Command::Digit9},
    {vk::Numpad(0), Command::Digit0},
    {vk::Numpad(1), Command::Digit1},
    {vk::Numpad(2), Command::Digit2},
    {vk::Numpad(3), Command::Digit3},
    {vk::Numpad(4), Command::Digit4},
    {vk::Numpad(5), Command::Digit5},
    {vk::Numpad(6), Command::Digit6},
    {vk::Numpad(7), Command::Digit7},
    {vk::Numpad(8), Command::Digit8},
    {vk::Numpad(9), Command::Digit9},
    {vk::Letter('O'), Command::TripleZero},
    {vk::kDecimal, Command::Point},
    {vk::kOemPeriod, Command::Point},
    {vk::kAdd, Command::Add},
    {vk::kOemPlus, Command::Add},
    {vk::kSubtract, Command::Subtract},
    {vk::kOemMinus, Command::Subtract},
    {vk::kMultiply, Command::Multiply},
    {vk::kOem1, Command::Multiply},
    {vk::kDivide, Command::Divide},
    {vk::kOem2, Command::Divide},
    {vk::kReturn, Command::Equals},
    {vk::kBack, Command::Backspace},
    {vk::kLeft, Command::Backspace},
    {vk::kEscape, Command::AllClear},
    {vk::kDelete, Command::AllClear},
    {vk::kEnd, Command::ClearEntry},
    {vk::kHome, Command::ClearEntry},
    {vk::kUp, Command::Reciprocal},
    {vk::Letter('R'), Command::Reciprocal},
    {vk::kRight, Command::Sign},
    {vk::Letter('M'), Command::Sign},
    {vk::Function(9), Command::Sign},
    {vk::kDown, Command::FractionBar},
    {vk::Letter('F'), Command::FractionBar},
    {vk::Letter('V'), Command::MemoryAdd},
    {vk::Letter('C'), Command::MemorySubtract},
    {vk::Letter('X'), Command::MemoryRecall},
    {vk::Letter('Z'), Command::MemoryClear},
};

// Copy and Paste as everywhere else; Ctrl+X and Ctrl+Z would recall or clear the memory by
// surprise, so they do nothing. Ctrl is not consulted for any other key.
constexpr Shortcut kShortcuts[] = {
    {vk::Letter('C'), vk::kCtrlHeld, ID_MENU_COPY},
    {vk::kInsert, vk::kCtrlHeld, ID_MENU_COPY},
    {vk::Letter('V'), vk::kCtrlHeld, ID_MENU_PASTE},
    {vk::kInsert, vk::kShiftHeld, ID_MENU_PASTE},
    {vk::Letter('X'), vk::kCtrlHeld, 0},
    {vk::Letter('Z'), vk::kCtrlHeld, 0},
};

}  // namespace

std::span<const KeyBinding> KeyMap() {
    return kKeyMap;
}

std::optional<Command> LookUpKey(int virtual_key) {
    for (const KeyBinding& row : kKeyMap) {
        if (row.virtual_key == virtual_key) return row.command;
    }
    return std::nullopt;
}

std::span<const Shortcut> Shortcuts() {
    return kShortcuts;
}

const Shortcut* LookUpShortcut(int virtual_key, vk::Modifiers held) {
    for (const Shortcut& s : kShortcuts) {
        if (s.virtual_key == virtual_key && (held.ctrl || !s.held.ctrl) &&
            (held.shift || !s.held.shift))
            return &s;
    }
    return nullptr;
}

}  // namespace tomaro
