// Every character, key and sequence the terminal host knows, as the key map's virtual-key codes.
#include "platform/terminal/terminal_keys.hpp"

#include <curses.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

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
        {PasteStartCode(), true, {KeyAction::PasteStart}},
        {PasteEndCode(), true, {}},  // an end without a start
        {VirtualKeyCode(vk::Numpad(7)), true, key(vk::Numpad(7))},
        {22, false, {KeyAction::VirtualKey, vk::Letter('V'), vk::kCtrlHeld}},  // Ctrl+V
        {24, false, {KeyAction::VirtualKey, vk::Letter('X'), vk::kCtrlHeld}},  // its shortcut: none
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

// The sequences the host adds to a terminal type's description: the keypad's application
// sequences (whose operators differ on the Linux console, where the VT100 family's are F1 to
// F4), the forms of Shift+F10, and the paste brackets.
TEST(TerminalKeys, SequencesOfEachTerminalType) {
    constexpr auto key = [](int code) { return TerminalKey{KeyAction::VirtualKey, code}; };
    struct Row {
        std::string_view term;
        std::string_view sequence;
        std::optional<TerminalKey> key;  // nullopt: the description's own meaning stands
    } const rows[] = {
        {"xterm-256color", "\033Oq", key(vk::Numpad(1))},
        {"tmux-256color", "\033Ok", key(vk::kAdd)},
        {"screen", "\033OM", key(vk::kReturn)},
        {"linux", "\033Ol", key(vk::kAdd)},
        {"linux", "\033OQ", key(vk::kDivide)},
        {"linux", "\033On", key(vk::kDecimal)},
        {"xterm-256color", "\033OQ", std::nullopt},  // F2
        {"xterm-256color", "\033Ol", std::nullopt},
        {"tmux-256color", "\033[21;2~", TerminalKey{KeyAction::ContextMenu}},
        {"linux", "\033[34~", TerminalKey{KeyAction::ContextMenu}},
        {"screen", "\033[200~", TerminalKey{KeyAction::PasteStart}},
        {"xterm-256color", "\033[2;5~",
         TerminalKey{KeyAction::VirtualKey, vk::kInsert, vk::kCtrlHeld}},
    };
    for (const Row& row : rows) {
        const std::vector<KeySequence> defined = DefinedSequences(row.term);
        const auto found = std::ranges::find(defined, row.sequence, &KeySequence::sequence);
        const std::optional<TerminalKey> got =
            found == defined.end() ? std::nullopt : std::optional(TranslateKey(found->code, true));
        EXPECT_EQ(got, row.key) << row.term << ' ' << row.sequence.substr(1);
    }
}

}  // namespace
}  // namespace tomaro::platform::terminal
