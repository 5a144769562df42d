// Every character and key the terminal host knows, as the key map's virtual-key codes.
#include "platform/terminal/terminal_keys.hpp"

#include <curses.h>
#include <gtest/gtest.h>

namespace tomaro::platform::terminal {
namespace {

TEST(TerminalKeys, Table) {
    constexpr auto vk = [](int code) { return TerminalKey{KeyAction::VirtualKey, code}; };
    struct Row {
        int code;
        bool function_key;
        TerminalKey key;
    } const rows[] = {
        {'0', false, vk('0')},
        {'9', false, vk('9')},
        {'+', false, vk(107)},
        {'-', false, vk(109)},
        {'*', false, vk(106)},
        {'/', false, vk(111)},
        {'.', false, vk(110)},
        {'=', false, vk(13)},
        {'\r', false, vk(13)},
        {'\n', false, vk(13)},
        {KEY_ENTER, true, vk(13)},
        {127, false, vk(8)},
        {KEY_BACKSPACE, true, vk(8)},
        {27, false, vk(27)},
        {KEY_DC, true, vk(46)},
        {KEY_HOME, true, vk(36)},
        {KEY_END, true, vk(35)},
        {KEY_LEFT, true, vk(37)},
        {KEY_UP, true, vk(38)},
        {KEY_RIGHT, true, vk(39)},
        {KEY_DOWN, true, vk(40)},
        {KEY_F(9), true, vk(120)},
        {'o', false, vk('O')},
        {'R', false, vk('R')},
        {'m', false, vk('M')},
        {'f', false, vk('F')},
        {'v', false, vk('V')},
        {'c', false, vk('C')},
        {'X', false, vk('X')},
        {'z', false, vk('Z')},
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
