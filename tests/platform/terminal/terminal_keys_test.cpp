// Every character and key the terminal host knows, as the key map's virtual-key codes.
#include "platform/terminal/terminal_keys.hpp"

#include <curses.h>
#include <gtest/gtest.h>

#include "platform/virtual_keys.hpp"

namespace tomaro::platform::terminal {
namespace {

TEST(TerminalKeys, Table) {
    constexpr auto key = [](int code) { return TerminalKey{KeyAction::VirtualKey, code}; };
    struct Row {
        int code;
        bool function_key;
        TerminalKey key;
    } const rows[] = {
        {'0', false, key(vk::Digit(0))},
        {'9', false, key(vk::Digit(9))},
        {'+', false, key(vk::kAdd)},
        {'-', false, key(vk::kSubtract)},
        {'*', false, key(vk::kMultiply)},
        {'/', false, key(vk::kDivide)},
        {'.', false, key(vk::kDecimal)},
        {'=', false, key(vk::kReturn)},
        {'\r', false, key(vk::kReturn)},
        {'\n', false, key(vk::kReturn)},
        {KEY_ENTER, true, key(vk::kReturn)},
        {127, false, key(vk::kBack)},
        {KEY_BACKSPACE, true, key(vk::kBack)},
        {27, false, key(vk::kEscape)},
        {KEY_DC, true, key(vk::kDelete)},
        {KEY_HOME, true, key(vk::kHome)},
        {KEY_END, true, key(vk::kEnd)},
        {KEY_LEFT, true, key(vk::kLeft)},
        {KEY_UP, true, key(vk::kUp)},
        {KEY_RIGHT, true, key(vk::kRight)},
        {KEY_DOWN, true, key(vk::kDown)},
        {KEY_F(9), true, key(vk::Function(9))},
        {'o', false, key(vk::Letter('O'))},
        {'R', false, key(vk::Letter('R'))},
        {'m', false, key(vk::Letter('M'))},
        {'f', false, key(vk::Letter('F'))},
        {'v', false, key(vk::Letter('V'))},
        {'c', false, key(vk::Letter('C'))},
        {'X', false, key(vk::Letter('X'))},
        {'z', false, key(vk::Letter('Z'))},
        {3, false, {KeyAction::Quit}},
        {17, false, {KeyAction::Quit}},
        {KEY_F(22), true, {KeyAction::ContextMenu}},
        {MenuKeyCode(), true, {KeyAction::ContextMenu}},
        {'a', false, {}},
        {' ', false, {}},
        {'\t', false, {}},
        {0x3042, false, {}},  // あ
        {KEY_F(10), true, {}},
        {'0', true, {}},  // a key code, not the digit
    };
    for (const Row& row : rows) {
        const TerminalKey got = TranslateKey(row.code, row.function_key);
        EXPECT_EQ(got, row.key) << row.code << (row.function_key ? " (key code)" : "");
    }
}

}  // namespace
}  // namespace tomaro::platform::terminal
