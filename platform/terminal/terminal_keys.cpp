#include "platform/terminal/terminal_keys.hpp"

#include <curses.h>

#include <cctype>
#include <span>

#include "platform/virtual_keys.hpp"
#include "shell/key_map.hpp"

namespace tomaro::platform::terminal {
namespace {

constexpr int kCtrlC = 3, kCtrlQ = 17, kBackspaceChar = 8, kEscapeChar = 27, kDeleteChar = 127;
constexpr int kCtrlA = 1, kCtrlZ = 26;  // Ctrl with a letter: the letter's place in the alphabet

// Above KEY_MAX: codes of the host's own; from kVirtualKeyBase, one per virtual-key code and
// modifiers held.
constexpr int kMenuKey = KEY_MAX + 1;
constexpr int kPasteStart = KEY_MAX + 2;
constexpr int kPasteEnd = KEY_MAX + 3;
constexpr int kVirtualKeyBase = KEY_MAX + 0x100;
constexpr int kCtrlBit = 0x100, kShiftBit = 0x200;
constexpr int kVirtualKeyCount = 0x400;

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

struct SequenceRow {
    std::string_view sequence;
    int virtual_key;
    vk::Modifiers held = {};
};

// The keypad in application mode (DECKPAM), as every VT100 descendant sends it.
constexpr SequenceRow kKeypad[] = {
    {"\033Op", vk::Numpad(0)}, {"\033Oq", vk::Numpad(1)}, {"\033Or", vk::Numpad(2)},
    {"\033Os", vk::Numpad(3)}, {"\033Ot", vk::Numpad(4)}, {"\033Ou", vk::Numpad(5)},
    {"\033Ov", vk::Numpad(6)}, {"\033Ow", vk::Numpad(7)}, {"\033Ox", vk::Numpad(8)},
    {"\033Oy", vk::Numpad(9)}, {"\033On", vk::kDecimal},  {"\033OM", vk::kReturn},
};
constexpr SequenceRow kKeypadOperatorsVt[] = {
    {"\033Ok", vk::kAdd},    {"\033Om", vk::kSubtract}, {"\033Oj", vk::kMultiply},
    {"\033Oo", vk::kDivide}, {"\033OX", vk::kReturn},  // the keypad's "="
};
constexpr SequenceRow kKeypadOperatorsLinux[] = {
    {"\033Ol", vk::kAdd},
    {"\033OS", vk::kSubtract},
    {"\033OR", vk::kMultiply},
    {"\033OQ", vk::kDivide},
};

// Cursor and editing keys in both cursor modes, for descriptions that name only one.
constexpr SequenceRow kCursorKeys[] = {
    {"\033[A", vk::kUp},      {"\033[B", vk::kDown}, {"\033[C", vk::kRight}, {"\033[D", vk::kLeft},
    {"\033OA", vk::kUp},      {"\033OB", vk::kDown}, {"\033OC", vk::kRight}, {"\033OD", vk::kLeft},
    {"\033[H", vk::kHome},    {"\033[F", vk::kEnd},  {"\033OH", vk::kHome},  {"\033OF", vk::kEnd},
    {"\033[1~", vk::kHome},   {"\033[4~", vk::kEnd}, {"\033[7~", vk::kHome}, {"\033[8~", vk::kEnd},
    {"\033[3~", vk::kDelete},
};

// Ctrl+Insert and Shift+Insert, as xterm and tmux send them (a terminal often pastes on
// Shift+Insert itself).
constexpr SequenceRow kEditingShortcuts[] = {
    {"\033[2;5~", vk::kInsert, vk::kCtrlHeld},
    {"\033[2;2~", vk::kInsert, vk::kShiftHeld},
};

// Shift+F10 as xterm, tmux and screen send it (F22), as the Linux console does (F20), and as
// rxvt does; the Menu key (VT220's "Do").
constexpr std::string_view kMenuSequences[] = {"\033[21;2~", "\033[34~", "\033[21$", "\033[29~"};

TerminalKey Key(int virtual_key, vk::Modifiers held = {}) {
    return {KeyAction::VirtualKey, virtual_key, held};
}

bool IsLinuxConsole(std::string_view term) {
    return term.starts_with("linux");
}

}  // namespace

int MenuKeyCode() {
    return kMenuKey;
}
int PasteStartCode() {
    return kPasteStart;
}
int PasteEndCode() {
    return kPasteEnd;
}
int VirtualKeyCode(int virtual_key, vk::Modifiers held) {
    return kVirtualKeyBase + virtual_key + (held.ctrl ? kCtrlBit : 0) +
           (held.shift ? kShiftBit : 0);
}

std::vector<KeySequence> DefinedSequences(std::string_view term) {
    std::vector<KeySequence> defined;
    const auto add = [&](std::span<const SequenceRow> rows, bool replaces) {
        for (const SequenceRow& row : rows)
            defined.push_back({row.sequence, VirtualKeyCode(row.virtual_key, row.held), replaces});
    };
    add(kKeypad, true);
    if (IsLinuxConsole(term))
        add(kKeypadOperatorsLinux, true);
    else
        add(kKeypadOperatorsVt, true);
    add(kCursorKeys, false);
    add(kEditingShortcuts, true);
    for (const std::string_view s : kMenuSequences)
        defined.push_back({s, kMenuKey, true});
    defined.push_back({"\033[200~", kPasteStart, true});
    defined.push_back({"\033[201~", kPasteEnd, true});
    return defined;
}

TerminalKey TranslateKey(int code, bool function_key) {
    if (function_key) {
        if (code == kShiftF10 || code == kMenuKey) return {KeyAction::ContextMenu};
        if (code == kPasteStart) return {KeyAction::PasteStart};
        if (code >= kVirtualKeyBase && code < kVirtualKeyBase + kVirtualKeyCount) {
            const int offset = code - kVirtualKeyBase;
            return Key(offset & 0xFF,
                       {.ctrl = (offset & kCtrlBit) != 0, .shift = (offset & kShiftBit) != 0});
        }
        for (const Row& row : kFunctionKeys)
            if (row.code == code) return Key(row.virtual_key);
        return {};
    }
    if (code == kCtrlC || code == kCtrlQ) return {KeyAction::Quit};
    // Ctrl with a letter that has a shortcut (Ctrl+V pastes); Ctrl+C ends the program above.
    if (code >= kCtrlA && code <= kCtrlZ) {
        const int letter = vk::Letter(static_cast<char>('A' + code - kCtrlA));
        if (LookUpShortcut(letter, vk::kCtrlHeld)) return Key(letter, vk::kCtrlHeld);
    }
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
