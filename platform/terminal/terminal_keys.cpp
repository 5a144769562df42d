#include "platform/terminal/terminal_keys.hpp"

#include <curses.h>

#include <cctype>

#include "platform/virtual_keys.hpp"
#include "shell/key_map.hpp"

namespace tomaro::platform::terminal {
namespace {

constexpr int kCtrlC = 3, kCtrlQ = 17, kBackspaceChar = 8, kEscapeChar = 27, kDeleteChar = 127;

struct Row {
    int code;
    int virtual_key;
};

// The keypad's operator keys mean the same on every keyboard layout.
constexpr Row kCharacters[] = {
    {'+', vk::kAdd},          {'-', vk::kSubtract},       {'*', vk::kMultiply},
    {'/', vk::kDivide},       {'.', vk::kDecimal},        {'=', vk::kReturn},
    {'\r', vk::kReturn},      {'\n', vk::kReturn},        {kBackspaceChar, vk::kBack},
    {kDeleteChar, vk::kBack}, {kEscapeChar, vk::kEscape},
};

constexpr Row kFunctionKeys[] = {
    {KEY_ENTER, vk::kReturn},    {KEY_BACKSPACE, vk::kBack}, {KEY_DC, vk::kDelete},
    {KEY_HOME, vk::kHome},       {KEY_END, vk::kEnd},        {KEY_LEFT, vk::kLeft},
    {KEY_UP, vk::kUp},           {KEY_RIGHT, vk::kRight},    {KEY_DOWN, vk::kDown},
    {KEY_F(9), vk::Function(9)},
};

constexpr int kShiftF10 = KEY_F(22);  // terminals report shifted F1-F12 as F13-F24

TerminalKey Key(int virtual_key) {
    return {KeyAction::VirtualKey, virtual_key};
}

}  // namespace

int MenuKeyCode() {
    return KEY_MAX + 1;
}

TerminalKey TranslateKey(int code, bool function_key) {
    if (function_key) {
        if (code == kShiftF10 || code == MenuKeyCode()) return {KeyAction::ContextMenu};
        for (const Row& row : kFunctionKeys)
            if (row.code == code) return Key(row.virtual_key);
        return {};
    }
    if (code == kCtrlC || code == kCtrlQ) return {KeyAction::Quit};
    if (code >= '0' && code <= '9') return Key(vk::Digit(code - '0'));
    for (const Row& row : kCharacters)
        if (row.code == code) return Key(row.virtual_key);
    // A letter in either case is its key, where the key map binds that key.
    if (code > 0 && code < 128 && std::isalpha(code) != 0) {
        const int letter = vk::Letter(static_cast<char>(std::toupper(code)));
        if (LookUpKey(letter)) return Key(letter);
    }
    return {};
}

}  // namespace tomaro::platform::terminal
