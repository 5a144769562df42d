#include "platform/qt/virtual_key.hpp"

#include <Qt>

namespace tomaro::platform::qt {
namespace {

// X keycodes of the main-row digit keys: 10 is "1", ..., 18 is "9", 19 is "0".
constexpr std::uint32_t kMainRowFirst = 10;
constexpr std::uint32_t kMainRowLast = 19;
// The Japanese keyboard's "\ _" key beside the right Shift (VK_OEM_102).
constexpr std::uint32_t kJapaneseRoKey = 97;

constexpr int kOem1 = 186;       // US ";:", Japanese ":*"
constexpr int kOemPlus = 187;    // US "=+", Japanese ";+"
constexpr int kOemComma = 188;   // ",<"
constexpr int kOemMinus = 189;   // US "-_", Japanese "-="
constexpr int kOemPeriod = 190;  // ".>"
constexpr int kOem2 = 191;       // "/?"
constexpr int kOem3 = 192;       // US "`~", Japanese "@`"
constexpr int kOem4 = 219;       // "[{"
constexpr int kOem5 = 220;       // "\|"
constexpr int kOem6 = 221;       // "]}"
constexpr int kOem7 = 222;       // US "'\"", Japanese "^~"
constexpr int kOem102 = 226;     // Japanese "\_"

// A character whose key differs between the layouts: on the Japanese layout the shifted
// digits are !"#$%&'() and the punctuation keys sit elsewhere.
struct SymbolRow {
    int qt_key;
    int us;
    int japanese;
};

constexpr SymbolRow kSymbols[] = {
    {Qt::Key_Period, kOemPeriod, kOemPeriod},
    {Qt::Key_Greater, kOemPeriod, kOemPeriod},
    {Qt::Key_Comma, kOemComma, kOemComma},
    {Qt::Key_Less, kOemComma, kOemComma},
    {Qt::Key_Slash, kOem2, kOem2},
    {Qt::Key_Question, kOem2, kOem2},
    {Qt::Key_Minus, kOemMinus, kOemMinus},
    {Qt::Key_Plus, kOemPlus, kOemPlus},
    {Qt::Key_Colon, kOem1, kOem1},
    {Qt::Key_Asterisk, kOem1, kOem1},  // US Shift+8 comes by its keycode, as the digit
    {Qt::Key_Semicolon, kOem1, kOemPlus},
    {Qt::Key_Equal, kOemPlus, kOemMinus},
    {Qt::Key_Underscore, kOemMinus, kOem102},
    {Qt::Key_BracketLeft, kOem4, kOem4},
    {Qt::Key_BraceLeft, kOem4, kOem4},
    {Qt::Key_BracketRight, kOem6, kOem6},
    {Qt::Key_BraceRight, kOem6, kOem6},
    {Qt::Key_Bar, kOem5, kOem5},
    {Qt::Key_QuoteLeft, kOem3, kOem3},
    {Qt::Key_AsciiTilde, kOem3, kOem7},
    {Qt::Key_Exclam, '1', '1'},
    {Qt::Key_At, '2', kOem3},
    {Qt::Key_QuoteDbl, kOem7, '2'},
    {Qt::Key_NumberSign, '3', '3'},
    {Qt::Key_Dollar, '4', '4'},
    {Qt::Key_Percent, '5', '5'},
    {Qt::Key_AsciiCircum, '6', kOem7},
    {Qt::Key_Ampersand, '7', '6'},
    {Qt::Key_Apostrophe, kOem7, '7'},
    {Qt::Key_ParenLeft, '9', '8'},
    {Qt::Key_ParenRight, '0', '9'},
};

struct KeyRow {
    int qt_key;
    int vk;
};

constexpr KeyRow kNamedKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9}, {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},       {Qt::Key_Shift, 16},  {Qt::Key_Control, 17},
    {Qt::Key_Pause, 19},    {Qt::Key_CapsLock, 20},    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},     {Qt::Key_Up, 38},          {Qt::Key_Right, 39},  {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},    {Qt::Key_Insert, 45},      {Qt::Key_Delete, 46}, {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
};

int KeypadKey(int qt_key) {
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return 96 + (qt_key - Qt::Key_0);
    switch (qt_key) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;  // the decimal key, whichever mark it prints
        case Qt::Key_Slash:
            return 111;
        default:
            return 0;
    }
}

}  // namespace

int VirtualKeyOf(int qt_key, bool keypad, std::uint32_t native_scan_code, KeyboardLayout layout) {
    if (keypad) {
        if (const int vk = KeypadKey(qt_key)) return vk;
        // Keypad Enter, and the keypad's navigation keys with Num Lock off, are the same
        // keys as elsewhere.
    } else if (native_scan_code >= kMainRowFirst && native_scan_code <= kMainRowLast) {
        // Whatever the shift state makes of a main-row digit key, Windows reports its digit.
        const std::uint32_t digit = (native_scan_code - kMainRowFirst + 1) % 10;
        return '0' + static_cast<int>(digit);
    }

    if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return 'A' + (qt_key - Qt::Key_A);
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return '0' + (qt_key - Qt::Key_0);
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) return 112 + (qt_key - Qt::Key_F1);

    for (const KeyRow& row : kNamedKeys)
        if (row.qt_key == qt_key) return row.vk;

    if (qt_key == Qt::Key_Backslash)
        return layout == KeyboardLayout::Japanese && native_scan_code == kJapaneseRoKey ? kOem102
                                                                                        : kOem5;
    for (const SymbolRow& row : kSymbols)
        if (row.qt_key == qt_key) return layout == KeyboardLayout::Japanese ? row.japanese : row.us;
    return 0;
}

}  // namespace tomaro::platform::qt
