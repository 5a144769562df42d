// Windows virtual-key codes by name: the one vocabulary of keys between the hosts, which
// translate their toolkit's keys into it, and the key map, which reads it. The values are
// Windows' own, so the Windows host passes its codes through unchanged.
#pragma once

namespace tomaro::vk {

inline constexpr int kBack = 0x08;
inline constexpr int kTab = 0x09;
inline constexpr int kClear = 0x0C;
inline constexpr int kReturn = 0x0D;
inline constexpr int kShift = 0x10;
inline constexpr int kControl = 0x11;
inline constexpr int kMenu = 0x12;  // Alt
inline constexpr int kPause = 0x13;
inline constexpr int kCapital = 0x14;  // Caps Lock
inline constexpr int kEscape = 0x1B;
inline constexpr int kSpace = 0x20;
inline constexpr int kPrior = 0x21;  // Page Up
inline constexpr int kNext = 0x22;   // Page Down
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kSnapshot = 0x2C;  // Print Screen
inline constexpr int kInsert = 0x2D;
inline constexpr int kDelete = 0x2E;
inline constexpr int kApps = 0x5D;  // the Menu key
inline constexpr int kMultiply = 0x6A;
inline constexpr int kAdd = 0x6B;
inline constexpr int kSubtract = 0x6D;
inline constexpr int kDecimal = 0x6E;
inline constexpr int kDivide = 0x6F;
inline constexpr int kNumLock = 0x90;
inline constexpr int kScroll = 0x91;
inline constexpr int kOem1 = 0xBA;       // US ";:", Japanese ":*"
inline constexpr int kOemPlus = 0xBB;    // US "=+", Japanese ";+"
inline constexpr int kOemComma = 0xBC;   // ",<"
inline constexpr int kOemMinus = 0xBD;   // US "-_", Japanese "-="
inline constexpr int kOemPeriod = 0xBE;  // ".>"
inline constexpr int kOem2 = 0xBF;       // "/?"
inline constexpr int kOem3 = 0xC0;       // US "`~", Japanese "@`"
inline constexpr int kOem4 = 0xDB;       // "[{"
inline constexpr int kOem5 = 0xDC;       // "\|"
inline constexpr int kOem6 = 0xDD;       // "]}"
inline constexpr int kOem7 = 0xDE;       // US "'\"", Japanese "^~"
inline constexpr int kOem102 = 0xE2;     // Japanese "\_"

// The modifier keys held with a key. The key map does not consult them; only the copy and
// paste shortcuts do.
struct Modifiers {
    bool ctrl = false;
    bool shift = false;
    friend bool operator==(const Modifiers&, const Modifiers&) = default;
};
inline constexpr Modifiers kCtrlHeld{.ctrl = true};
inline constexpr Modifiers kShiftHeld{.shift = true};

// Keys that come in runs: the main row's digits and the letters are their ASCII codes.
constexpr int Digit(int d) {
    return '0' + d;
}
constexpr int Numpad(int d) {
    return 0x60 + d;
}
constexpr int Letter(char upper) {
    return upper;
}
constexpr int Function(int n) {  // F1 to F24
    return 0x70 + n - 1;
}

}  // namespace tomaro::vk
