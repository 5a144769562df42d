// What a terminal delivers (a character, or a curses key code for an escape sequence) as the
// dialog's keyboard knows it: the Windows virtual-key code of the key-map row that names it,
// the context-menu request, the start of a paste, or the end of the program. Plain values in
// and out, so every row is tested without a terminal.
#pragma once

#include <string_view>
#include <vector>

#include "platform/virtual_keys.hpp"

namespace tomaro::platform::terminal {

enum class KeyAction { None, VirtualKey, ContextMenu, Quit, PasteStart };

struct TerminalKey {
    constexpr TerminalKey() = default;
    constexpr TerminalKey(KeyAction a, int key = 0, vk::Modifiers with = {})
        : action(a), virtual_key(key), held(with) {}

    KeyAction action = KeyAction::None;
    int virtual_key = 0;  // VirtualKey only
    vk::Modifiers held;   // VirtualKey only: for the copy and paste shortcuts
    friend bool operator==(const TerminalKey&, const TerminalKey&) = default;
};

// Codes the host gives sequences that a terminal description may lack, above curses' own.
int MenuKeyCode();
int PasteStartCode();  // bracketed paste: "\033[200~" ... "\033[201~"
int PasteEndCode();
// A sequence that stands for one virtual key, pressed with the modifiers given.
int VirtualKeyCode(int virtual_key, vk::Modifiers held = {});

// A sequence the host defines on top of the terminal's description, and the code it gives.
// `replaces`: the description's own meaning of the sequence, if any, gives way to this one
// (the keypad, Shift+F10, paste); otherwise the description's stands (cursor keys).
struct KeySequence {
    std::string_view sequence;
    int code;
    bool replaces;
};

// For the terminal type TERM names. The keypad is kept in numeric mode, where it sends its
// digits, operators and Enter as the main row does; a terminal that sends the keypad's
// application sequences anyway gets them read as the same keys. The Linux console gives
// "+ - * /" other sequences than the VT100 family, whose F1 to F4 use those.
std::vector<KeySequence> DefinedSequences(std::string_view term);

// code: a character when function_key is false, else a curses KEY_ code or one of the above.
TerminalKey TranslateKey(int code, bool function_key);

}  // namespace tomaro::platform::terminal
