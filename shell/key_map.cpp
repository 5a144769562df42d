#include "shell/key_map.hpp"

#include <array>

#include "platform/virtual_keys.hpp"

namespace tomaro {
namespace {

struct KeyRow {
    int code;
    Command command;
};

// As a Japanese keyboard labels them (VK_OEM_1 carries "*", VK_OEM_PLUS "+"). Shift is
// never consulted.
constexpr KeyRow kOtherKeys[] = {
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

}  // namespace

std::optional<Command> LookUpKey(int virtual_key) {
    for (int d = 0; d < 10; ++d) {
        if (virtual_key == vk::Digit(d) || virtual_key == vk::Numpad(d)) return digit_command(d);
    }
    for (const KeyRow& row : kOtherKeys) {
        if (row.code == virtual_key) return row.command;
    }
    return std::nullopt;
}

}  // namespace tomaro
