// Qt key presses to the virtual-key codes Windows gives the same physical keys.
#include "platform/qt/virtual_key.hpp"

#include <gtest/gtest.h>

#include <Qt>
#include <span>
#include <vector>

#include "platform/virtual_keys.hpp"
#include "shell/key_map.hpp"

namespace tomaro::platform::qt {
namespace {

using enum KeyboardLayout;

struct PhysicalKey {
    const char* label;
    std::uint32_t x_keycode;
    int unshifted;  // Qt::Key of the key alone
    int shifted;    // Qt::Key of the key with Shift
    int vk;
};

// Each key of the main block on its layout, with its X keycode. Windows does not consult
// Shift, so both characters of a key give the key's one code.
const PhysicalKey kUsKeys[] = {
    {"1 !", 10, Qt::Key_1, Qt::Key_Exclam, vk::Digit(1)},
    {"2 @", 11, Qt::Key_2, Qt::Key_At, vk::Digit(2)},
    {"3 #", 12, Qt::Key_3, Qt::Key_NumberSign, vk::Digit(3)},
    {"4 $", 13, Qt::Key_4, Qt::Key_Dollar, vk::Digit(4)},
    {"5 %", 14, Qt::Key_5, Qt::Key_Percent, vk::Digit(5)},
    {"6 ^", 15, Qt::Key_6, Qt::Key_AsciiCircum, vk::Digit(6)},
    {"7 &", 16, Qt::Key_7, Qt::Key_Ampersand, vk::Digit(7)},
    {"8 *", 17, Qt::Key_8, Qt::Key_Asterisk, vk::Digit(8)},
    {"9 (", 18, Qt::Key_9, Qt::Key_ParenLeft, vk::Digit(9)},
    {"0 )", 19, Qt::Key_0, Qt::Key_ParenRight, vk::Digit(0)},
    {"- _", 20, Qt::Key_Minus, Qt::Key_Underscore, vk::kOemMinus},
    {"= +", 21, Qt::Key_Equal, Qt::Key_Plus, vk::kOemPlus},
    {"[ {", 34, Qt::Key_BracketLeft, Qt::Key_BraceLeft, vk::kOem4},
    {"] }", 35, Qt::Key_BracketRight, Qt::Key_BraceRight, vk::kOem6},
    {"; :", 47, Qt::Key_Semicolon, Qt::Key_Colon, vk::kOem1},
    {"' \"", 48, Qt::Key_Apostrophe, Qt::Key_QuoteDbl, vk::kOem7},
    {"` ~", 49, Qt::Key_QuoteLeft, Qt::Key_AsciiTilde, vk::kOem3},
    {"\\ |", 51, Qt::Key_Backslash, Qt::Key_Bar, vk::kOem5},
    {", <", 59, Qt::Key_Comma, Qt::Key_Less, vk::kOemComma},
    {". >", 60, Qt::Key_Period, Qt::Key_Greater, vk::kOemPeriod},
    {"/ ?", 61, Qt::Key_Slash, Qt::Key_Question, vk::kOem2},
    {"Q", 24, Qt::Key_Q, Qt::Key_Q, vk::Letter('Q')},
};

const PhysicalKey kJapaneseKeys[] = {
    {"1 !", 10, Qt::Key_1, Qt::Key_Exclam, vk::Digit(1)},
    {"2 \"", 11, Qt::Key_2, Qt::Key_QuoteDbl, vk::Digit(2)},
    {"3 #", 12, Qt::Key_3, Qt::Key_NumberSign, vk::Digit(3)},
    {"4 $", 13, Qt::Key_4, Qt::Key_Dollar, vk::Digit(4)},
    {"5 %", 14, Qt::Key_5, Qt::Key_Percent, vk::Digit(5)},
    {"6 &", 15, Qt::Key_6, Qt::Key_Ampersand, vk::Digit(6)},
    {"7 '", 16, Qt::Key_7, Qt::Key_Apostrophe, vk::Digit(7)},
    {"8 (", 17, Qt::Key_8, Qt::Key_ParenLeft, vk::Digit(8)},
    {"9 )", 18, Qt::Key_9, Qt::Key_ParenRight, vk::Digit(9)},
    {"0", 19, Qt::Key_0, Qt::Key_0, vk::Digit(0)},
    {"- =", 20, Qt::Key_Minus, Qt::Key_Equal, vk::kOemMinus},
    {"^ ~", 21, Qt::Key_AsciiCircum, Qt::Key_AsciiTilde, vk::kOem7},
    {"@ `", 34, Qt::Key_At, Qt::Key_QuoteLeft, vk::kOem3},
    {"[ {", 35, Qt::Key_BracketLeft, Qt::Key_BraceLeft, vk::kOem4},
    {"; +", 47, Qt::Key_Semicolon, Qt::Key_Plus, vk::kOemPlus},
    {": *", 48, Qt::Key_Colon, Qt::Key_Asterisk, vk::kOem1},
    {"] }", 51, Qt::Key_BracketRight, Qt::Key_BraceRight, vk::kOem6},
    {", <", 59, Qt::Key_Comma, Qt::Key_Less, vk::kOemComma},
    {". >", 60, Qt::Key_Period, Qt::Key_Greater, vk::kOemPeriod},
    {"/ ?", 61, Qt::Key_Slash, Qt::Key_Question, vk::kOem2},
    {"\\ _ (ro)", 97, Qt::Key_Backslash, Qt::Key_Underscore, vk::kOem102},
    {"\\ | (yen)", 132, Qt::Key_Backslash, Qt::Key_Bar, vk::kOem5},
};

void ExpectShiftIgnored(std::span<const PhysicalKey> keys, KeyboardLayout layout) {
    for (const PhysicalKey& key : keys) {
        SCOPED_TRACE(key.label);
        EXPECT_EQ(VirtualKeyOf(key.unshifted, false, key.x_keycode, layout), key.vk);
        EXPECT_EQ(VirtualKeyOf(key.shifted, false, key.x_keycode, layout), key.vk);
    }
}

TEST(VirtualKeyTest, EveryMainBlockKeyGivesOneCodeWithAndWithoutShift) {
    {
        SCOPED_TRACE("US");
        ExpectShiftIgnored(kUsKeys, Us);
    }
    {
        SCOPED_TRACE("Japanese");
        ExpectShiftIgnored(kJapaneseKeys, Japanese);
    }
}

struct CharacterRow {
    int qt_key;
    int us;
    int japanese;
};

// Where the platform gives no keycode (offscreen, synthetic events) the character alone
// decides, on the layout where it is typed.
TEST(VirtualKeyTest, CharactersWithoutKeycodeFollowTheLayout) {
    const CharacterRow rows[] = {
        {Qt::Key_Period, vk::kOemPeriod, vk::kOemPeriod},
        {Qt::Key_Greater, vk::kOemPeriod, vk::kOemPeriod},
        {Qt::Key_Comma, vk::kOemComma, vk::kOemComma},
        {Qt::Key_Less, vk::kOemComma, vk::kOemComma},
        {Qt::Key_Slash, vk::kOem2, vk::kOem2},
        {Qt::Key_Question, vk::kOem2, vk::kOem2},
        {Qt::Key_Minus, vk::kOemMinus, vk::kOemMinus},
        {Qt::Key_Plus, vk::kOemPlus, vk::kOemPlus},
        {Qt::Key_Colon, vk::kOem1, vk::kOem1},
        {Qt::Key_Asterisk, vk::kOem1, vk::kOem1},
        {Qt::Key_Semicolon, vk::kOem1, vk::kOemPlus},
        {Qt::Key_Equal, vk::kOemPlus, vk::kOemMinus},
        {Qt::Key_Underscore, vk::kOemMinus, vk::kOem102},
        {Qt::Key_Exclam, vk::Digit(1), vk::Digit(1)},
        {Qt::Key_At, vk::Digit(2), vk::kOem3},
        {Qt::Key_QuoteDbl, vk::kOem7, vk::Digit(2)},
        {Qt::Key_NumberSign, vk::Digit(3), vk::Digit(3)},
        {Qt::Key_Dollar, vk::Digit(4), vk::Digit(4)},
        {Qt::Key_Percent, vk::Digit(5), vk::Digit(5)},
        {Qt::Key_AsciiCircum, vk::Digit(6), vk::kOem7},
        {Qt::Key_Ampersand, vk::Digit(7), vk::Digit(6)},
        {Qt::Key_Apostrophe, vk::kOem7, vk::Digit(7)},
        {Qt::Key_ParenLeft, vk::Digit(9), vk::Digit(8)},
        {Qt::Key_ParenRight, vk::Digit(0), vk::Digit(9)},
        {Qt::Key_Backslash, vk::kOem5, vk::kOem5},
    };
    for (const CharacterRow& row : rows) {
        SCOPED_TRACE(row.qt_key);
        EXPECT_EQ(VirtualKeyOf(row.qt_key, false, 0, Us), row.us);
        EXPECT_EQ(VirtualKeyOf(row.qt_key, false, 0, Japanese), row.japanese);
    }
}

struct KeyRow {
    const char* label;
    int qt_key;
    bool keypad;
    std::uint32_t x_keycode;
    int vk;
};

TEST(VirtualKeyTest, NamedKeysLettersDigitsAndKeypadAreTheSameOnBothLayouts) {
    std::vector<KeyRow> rows = {
        {"Return", Qt::Key_Return, false, 36, vk::kReturn},
        {"keypad Enter", Qt::Key_Enter, true, 104, vk::kReturn},
        {"Escape", Qt::Key_Escape, false, 9, vk::kEscape},
        {"Backspace", Qt::Key_Backspace, false, 22, vk::kBack},
        {"Tab", Qt::Key_Tab, false, 23, vk::kTab},
        {"Shift+Tab", Qt::Key_Backtab, false, 23, vk::kTab},
        {"Space", Qt::Key_Space, false, 65, vk::kSpace},
        {"Delete", Qt::Key_Delete, false, 119, vk::kDelete},
        {"Home", Qt::Key_Home, false, 110, vk::kHome},
        {"End", Qt::Key_End, false, 115, vk::kEnd},
        {"Left", Qt::Key_Left, false, 113, vk::kLeft},
        {"Up", Qt::Key_Up, false, 111, vk::kUp},
        {"Right", Qt::Key_Right, false, 114, vk::kRight},
        {"Down", Qt::Key_Down, false, 116, vk::kDown},
        {"keypad 7 without Num Lock", Qt::Key_Home, true, 79, vk::kHome},
        {"keypad . without Num Lock", Qt::Key_Delete, true, 91, vk::kDelete},
        {"F1", Qt::Key_F1, false, 67, vk::Function(1)},
        {"F9", Qt::Key_F9, false, 75, vk::Function(9)},
        {"F12", Qt::Key_F12, false, 96, vk::Function(12)},
        {"keypad *", Qt::Key_Asterisk, true, 63, vk::kMultiply},
        {"keypad +", Qt::Key_Plus, true, 86, vk::kAdd},
        {"keypad -", Qt::Key_Minus, true, 82, vk::kSubtract},
        {"keypad .", Qt::Key_Period, true, 91, vk::kDecimal},
        {"keypad , (decimal key of a comma locale)", Qt::Key_Comma, true, 91, vk::kDecimal},
        {"keypad /", Qt::Key_Slash, true, 106, vk::kDivide},
        {"unknown", Qt::Key_unknown, false, 0, 0},
        {"a media key", Qt::Key_VolumeUp, false, 123, 0},
    };
    const std::uint32_t keypad_keycodes[] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
    for (int d = 0; d < 10; ++d) {
        rows.push_back({"main-row digit, no keycode", Qt::Key_0 + d, false, 0, vk::Digit(d)});
        rows.push_back({"keypad digit", Qt::Key_0 + d, true, keypad_keycodes[d], vk::Numpad(d)});
        rows.push_back({"keypad digit, no keycode", Qt::Key_0 + d, true, 0, vk::Numpad(d)});
    }
    for (int i = 0; i < 26; ++i)
        rows.push_back({"letter", Qt::Key_A + i, false, 0, vk::Letter('A') + i});

    for (const KeyboardLayout layout : {Us, Japanese}) {
        for (const KeyRow& row : rows) {
            SCOPED_TRACE(::testing::Message() << row.label << " " << row.qt_key);
            EXPECT_EQ(VirtualKeyOf(row.qt_key, row.keypad, row.x_keycode, layout), row.vk);
        }
    }
}

// The characters a person types for the calculator's operators reach the operator commands
// through the key map, on the Japanese layout as on the US one (where "*" is Shift+8, the
// digit 8 as on Windows, and the keypad's "*" multiplies).
TEST(VirtualKeyTest, OperatorCharactersReachTheirCommands) {
    struct Typed {
        const char* label;
        KeyboardLayout layout;
        int qt_key;
        bool keypad;
        std::uint32_t x_keycode;
        Command command;
    };
    const Typed typed[] = {
        {"US +", Us, Qt::Key_Plus, false, 21, Command::Add},
        {"US -", Us, Qt::Key_Minus, false, 20, Command::Subtract},
        {"US /", Us, Qt::Key_Slash, false, 61, Command::Divide},
        {"US .", Us, Qt::Key_Period, false, 60, Command::Point},
        {"US Shift+8", Us, Qt::Key_Asterisk, false, 17, Command::Digit8},
        {"US keypad *", Us, Qt::Key_Asterisk, true, 63, Command::Multiply},
        {"Japanese +", Japanese, Qt::Key_Plus, false, 47, Command::Add},
        {"Japanese *", Japanese, Qt::Key_Asterisk, false, 48, Command::Multiply},
        {"Japanese -", Japanese, Qt::Key_Minus, false, 20, Command::Subtract},
        {"Japanese /", Japanese, Qt::Key_Slash, false, 61, Command::Divide},
        {"Japanese .", Japanese, Qt::Key_Period, false, 60, Command::Point},
        {"Japanese * without keycode", Japanese, Qt::Key_Asterisk, false, 0, Command::Multiply},
        {"Japanese + without keycode", Japanese, Qt::Key_Plus, false, 0, Command::Add},
    };
    for (const Typed& t : typed) {
        SCOPED_TRACE(t.label);
        EXPECT_EQ(LookUpKey(VirtualKeyOf(t.qt_key, t.keypad, t.x_keycode, t.layout)), t.command);
    }
}

}  // namespace
}  // namespace tomaro::platform::qt
