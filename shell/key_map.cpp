#include "shell/key_map.hpp"

#include <array>

namespace tomaro {
namespace {

struct KeyRow {
    int code;
    KeyBinding binding;
};

// Main-row digits are 48-57 and keypad digits 96-105; the rest as a Japanese keyboard
// labels them (VK_OEM_1 carries "*", VK_OEM_PLUS "+"). Shift is never consulted.
constexpr std::array<ControlId, 10> kDigitButtons = {
    IDC_DIGIT0, IDC_DIGIT1, IDC_DIGIT2, IDC_DIGIT3, IDC_DIGIT4,
    IDC_DIGIT5, IDC_DIGIT6, IDC_DIGIT7, IDC_DIGIT8, IDC_DIGIT9,
};

constexpr KeyRow kOtherKeys[] = {
    {79, {Command::TripleZero, IDC_TRIPLEZERO}},          // O
    {110, {Command::Point, IDC_POINT}},                   // VK_DECIMAL
    {190, {Command::Point, IDC_POINT}},                   // VK_OEM_PERIOD
    {107, {Command::Add, IDC_ADD}},                       // VK_ADD
    {187, {Command::Add, IDC_ADD}},                       // VK_OEM_PLUS
    {109, {Command::Subtract, IDC_SUBTRACT}},             // VK_SUBTRACT
    {189, {Command::Subtract, IDC_SUBTRACT}},             // VK_OEM_MINUS
    {106, {Command::Multiply, IDC_MULTIPLY}},             // VK_MULTIPLY
    {186, {Command::Multiply, IDC_MULTIPLY}},             // VK_OEM_1
    {111, {Command::Divide, IDC_DIVIDE}},                 // VK_DIVIDE
    {191, {Command::Divide, IDC_DIVIDE}},                 // VK_OEM_2
    {13, {Command::Equals, IDC_EQUALS}},                  // VK_RETURN
    {8, {Command::Backspace, IDC_BACKSPACE}},             // VK_BACK
    {37, {Command::Backspace, IDC_BACKSPACE}},            // VK_LEFT
    {27, {Command::AllClear, IDC_ALLCLEAR}},              // VK_ESCAPE
    {46, {Command::AllClear, IDC_ALLCLEAR}},              // VK_DELETE
    {35, {Command::ClearEntry, IDC_CLEARENTRY}},          // VK_END
    {36, {Command::ClearEntry, IDC_CLEARENTRY}},          // VK_HOME
    {38, {Command::Reciprocal, IDC_RECIPROCAL}},          // VK_UP
    {82, {Command::Reciprocal, IDC_RECIPROCAL}},          // R
    {39, {Command::Sign, IDC_SIGN}},                      // VK_RIGHT
    {77, {Command::Sign, IDC_SIGN}},                      // M
    {120, {Command::Sign, IDC_SIGN}},                     // VK_F9
    {40, {Command::FractionBar, IDC_FRACTIONBAR}},        // VK_DOWN
    {70, {Command::FractionBar, IDC_FRACTIONBAR}},        // F
    {86, {Command::MemoryAdd, IDC_MEMORYADD}},            // V
    {67, {Command::MemorySubtract, IDC_MEMORYSUBTRACT}},  // C
    {88, {Command::MemoryRecall, IDC_MEMORYRECALL}},      // X
    {90, {Command::MemoryClear, IDC_MEMORYCLEAR}},        // Z
};

}  // namespace

std::optional<KeyBinding> LookUpKey(int virtual_key) {
    for (int d = 0; d < 10; ++d) {
        if (virtual_key == '0' + d || virtual_key == 96 + d) {
            return KeyBinding{digit_command(d), kDigitButtons[static_cast<std::size_t>(d)]};
        }
    }
    for (const KeyRow& row : kOtherKeys) {
        if (row.code == virtual_key) return row.binding;
    }
    return std::nullopt;
}

}  // namespace tomaro
