#include "platform/terminal/terminal_keys.hpp"

#include <curses.h>

#include <cctype>

namespace tomaro::platform::terminal {
namespace {

// Virtual-key codes; the keypad's operator keys mean the same on every keyboard layout.
constexpr int kBack = 8, kReturn = 13, kEscape = 27, kEnd = 35, kHome = 36, kLeft = 37, kUp = 38,
              kRight = 39, kDown = 40, kDelete = 46, kMultiply = 106, kAdd = 107, kSubtract = 109,
              kDecimal = 110, kDivide = 111, kF9 = 120;
constexpr int kCtrlC = 3, kCtrlQ = 17, kDeleteChar = 127;

struct Row {
    int code;
    int virtual_key;
};

constexpr Row kCharacters[] = {
    {'+', kAdd},     {'-', kSubtract},     {'*', kMultiply},   {'/', kDivide},
    {'.', kDecimal}, {'=', kReturn},       {'\r', kReturn},    {'\n', kReturn},
    {kBack, kBack},  {kDeleteChar, kBack}, {kEscape, kEscape},
};

constexpr char kLetters[] = "ORMFVCXZ";

constexpr Row kFunctionKeys[] = {
    {KEY_ENTER, kReturn}, {KEY_BACKSPACE, kBack}, {KEY_DC, kDelete}, {KEY_HOME, kHome},
    {KEY_END, kEnd},      {KEY_LEFT, kLeft},      {KEY_UP, kUp},     {KEY_RIGHT, kRight},
    {KEY_DOWN, kDown},    {KEY_F(9), kF9},
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
    if (code >= '0' && code <= '9') return Key(code);
    for (const Row& row : kCharacters)
        if (row.code == code) return Key(row.virtual_key);
    if (code > 0 && code < 128) {
        const int upper = std::toupper(code);
        for (const char* letter = kLetters; *letter != '\0'; ++letter)
            if (*letter == upper) return Key(upper);
    }
    return {};
}

}  // namespace tomaro::platform::terminal
