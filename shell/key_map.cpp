#include "shell/key_map.hpp"

#include <array>

namespace tomaro {
namespace {

struct KeyRow {
    int code;
    Command command;
};

// Main-row digits are 48-57 and keypad digits 96-105; the rest as a Japanese keyboard
// labels them (VK_OEM_1 carries "*", VK_OEM_PLUS "+"). Shift is never consulted.

constexpr KeyRow kOtherKeys[] = {
    {79, Command::TripleZero},      // O
    {110, Command::Point},          // VK_DECIMAL
    {190, Command::Point},          // VK_OEM_PERIOD
    {107, Command::Add},            // VK_ADD
    {187, Command::Add},            // VK_OEM_PLUS
    {109, Command::Subtract},       // VK_SUBTRACT
    {189, Command::Subtract},       // VK_OEM_MINUS
    {106, Command::Multiply},       // VK_MULTIPLY
    {186, Command::Multiply},       // VK_OEM_1
    {111, Command::Divide},         // VK_DIVIDE
    {191, Command::Divide},         // VK_OEM_2
    {13, Command::Equals},          // VK_RETURN
    {8, Command::Backspace},        // VK_BACK
    {37, Command::Backspace},       // VK_LEFT
    {27, Command::AllClear},        // VK_ESCAPE
    {46, Command::AllClear},        // VK_DELETE
    {35, Command::ClearEntry},      // VK_END
    {36, Command::ClearEntry},      // VK_HOME
    {38, Command::Reciprocal},      // VK_UP
    {82, Command::Reciprocal},      // R
    {39, Command::Sign},            // VK_RIGHT
    {77, Command::Sign},            // M
    {120, Command::Sign},           // VK_F9
    {40, Command::FractionBar},     // VK_DOWN
    {70, Command::FractionBar},     // F
    {86, Command::MemoryAdd},       // V
    {67, Command::MemorySubtract},  // C
    {88, Command::MemoryRecall},    // X
    {90, Command::MemoryClear},     // Z
};

}  // namespace

std::optional<Command> LookUpKey(int virtual_key) {
    for (int d = 0; d < 10; ++d) {
        if (virtual_key == '0' + d || virtual_key == 96 + d) return digit_command(d);
    }
    for (const KeyRow& row : kOtherKeys) {
        if (row.code == virtual_key) return row.command;
    }
    return std::nullopt;
}

}  // namespace tomaro
