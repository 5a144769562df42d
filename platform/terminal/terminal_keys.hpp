// What a terminal delivers (a character, or a curses key code for an escape sequence) as the
// dialog's keyboard knows it: the Windows virtual-key code of the key-map row that names it,
// the context-menu request, or the end of the program. Plain values in and out, so every row
// is tested without a terminal.
#pragma once

namespace tomaro::platform::terminal {

enum class KeyAction { None, VirtualKey, ContextMenu, Quit };

struct TerminalKey {
    KeyAction action = KeyAction::None;
    int virtual_key = 0;  // VirtualKey only
    friend bool operator==(const TerminalKey&, const TerminalKey&) = default;
};

// The code curses gives the Menu key ("\033[29~"), which the host defines for it.
int MenuKeyCode();

// code: a character when function_key is false, else a curses KEY_ code.
TerminalKey TranslateKey(int code, bool function_key);

}  // namespace tomaro::platform::terminal
