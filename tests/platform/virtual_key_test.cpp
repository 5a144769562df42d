// Qt key presses to the virtual-key codes Windows gives the same physical keys.
#include "platform/qt/virtual_key.hpp"

#include <gtest/gtest.h>

#include <Qt>
#include <span>
#include <vector>

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
    {"1 !", 10, Qt::Key_1, Qt::Key_Exclam, 49},
    {"2 @", 11, Qt::Key_2, Qt::Key_At, 50},
    {"3 #", 12, Qt::Key_3, Qt::Key_NumberSign, 51},
    {"4 $", 13, Qt::Key_4, Qt::Key_Dollar, 52},
    {"5 %", 14, Qt::Key_5, Qt::Key_Percent, 53},
    {"6 ^", 15, Qt::Key_6, Qt::Key_AsciiCircum, 54},
    {"7 &", 16, Qt::Key_7, Qt::Key_Ampersand, 55},
    {"8 *", 17, Qt::Key_8, Qt::Key_Asterisk, 56},
    {"9 (", 18, Qt::Key_9, Qt::Key_ParenLeft, 57},
    {"0 )", 19, Qt::Key_0, Qt::Key_ParenRight, 48},
    {"- _", 20, Qt::Key_Minus, Qt::Key_Underscore, 189},
    {"= +", 21, Qt::Key_Equal, Qt::Key_Plus, 187},
    {"[ {", 34, Qt::Key_BracketLeft, Qt::Key_BraceLeft, 219},
    {"] }", 35, Qt::Key_BracketRight, Qt::Key_BraceRight, 221},
    {"; :", 47, Qt::Key_Semicolon, Qt::Key_Colon, 186},
    {"' \"", 48, Qt::Key_Apostrophe, Qt::Key_QuoteDbl, 222},
    {"` ~", 49, Qt::Key_QuoteLeft, Qt::Key_AsciiTilde, 192},
    {"\\ |", 51, Qt::Key_Backslash, Qt::Key_Bar, 220},
    {", <", 59, Qt::Key_Comma, Qt::Key_Less, 188},
    {". >", 60, Qt::Key_Period, Qt::Key_Greater, 190},
    {"/ ?", 61, Qt::Key_Slash, Qt::Key_Question, 191},
    {"Q", 24, Qt::Key_Q, Qt::Key_Q, 81},
};

const PhysicalKey kJapaneseKeys[] = {
    {"1 !", 10, Qt::Key_1, Qt::Key_Exclam, 49},
    {"2 \"", 11, Qt::Key_2, Qt::Key_QuoteDbl, 50},
    {"3 #", 12, Qt::Key_3, Qt::Key_NumberSign, 51},
    {"4 $", 13, Qt::Key_4, Qt::Key_Dollar, 52},
    {"5 %", 14, Qt::Key_5, Qt::Key_Percent, 53},
    {"6 &", 15, Qt::Key_6, Qt::Key_Ampersand, 54},
    {"7 '", 16, Qt::Key_7, Qt::Key_Apostrophe, 55},
    {"8 (", 17, Qt::Key_8, Qt::Key_ParenLeft, 56},
    {"9 )", 18, Qt::Key_9, Qt::Key_ParenRight, 57},
    {"0", 19, Qt::Key_0, Qt::Key_0, 48},
    {"- =", 20, Qt::Key_Minus, Qt::Key_Equal, 189},
    {"^ ~", 21, Qt::Key_AsciiCircum, Qt::Key_AsciiTilde, 222},
    {"@ `", 34, Qt::Key_At, Qt::Key_QuoteLeft, 192},
    {"[ {", 35, Qt::Key_BracketLeft, Qt::Key_BraceLeft, 219},
    {"; +", 47, Qt::Key_Semicolon, Qt::Key_Plus, 187},
    {": *", 48, Qt::Key_Colon, Qt::Key_Asterisk, 186},
    {"] }", 51, Qt::Key_BracketRight, Qt::Key_BraceRight, 221},
    {", <", 59, Qt::Key_Comma, Qt::Key_Less, 188},
    {". >", 60, Qt::Key_Period, Qt::Key_Greater, 190},
    {"/ ?", 61, Qt::Key_Slash, Qt::Key_Question, 191},
    {"\\ _ (ro)", 97, Qt::Key_Backslash, Qt::Key_Underscore, 226},
    {"\\ | (yen)", 132, Qt::Key_Backslash, Qt::Key_Bar, 220},
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
        {Qt::Key_Period, 190, 190},     {Qt::Key_Greater, 190, 190},
        {Qt::Key_Comma, 188, 188},      {Qt::Key_Less, 188, 188},
        {Qt::Key_Slash, 191, 191},      {Qt::Key_Question, 191, 191},
        {Qt::Key_Minus, 189, 189},      {Qt::Key_Plus, 187, 187},
        {Qt::Key_Colon, 186, 186},      {Qt::Key_Asterisk, 186, 186},
        {Qt::Key_Semicolon, 186, 187},  {Qt::Key_Equal, 187, 189},
        {Qt::Key_Underscore, 189, 226}, {Qt::Key_Exclam, 49, 49},
        {Qt::Key_At, 50, 192},          {Qt::Key_QuoteDbl, 222, 50},
        {Qt::Key_NumberSign, 51, 51},   {Qt::Key_Dollar, 52, 52},
        {Qt::Key_Percent, 53, 53},      {Qt::Key_AsciiCircum, 54, 222},
        {Qt::Key_Ampersand, 55, 54},    {Qt::Key_Apostrophe, 222, 55},
        {Qt::Key_ParenLeft, 57, 56},    {Qt::Key_ParenRight, 48, 57},
        {Qt::Key_Backslash, 220, 220},
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
        {"Return", Qt::Key_Return, false, 36, 13},
        {"keypad Enter", Qt::Key_Enter, true, 104, 13},
        {"Escape", Qt::Key_Escape, false, 9, 27},
        {"Backspace", Qt::Key_Backspace, false, 22, 8},
        {"Tab", Qt::Key_Tab, false, 23, 9},
        {"Shift+Tab", Qt::Key_Backtab, false, 23, 9},
        {"Space", Qt::Key_Space, false, 65, 32},
        {"Delete", Qt::Key_Delete, false, 119, 46},
        {"Home", Qt::Key_Home, false, 110, 36},
        {"End", Qt::Key_End, false, 115, 35},
        {"Left", Qt::Key_Left, false, 113, 37},
        {"Up", Qt::Key_Up, false, 111, 38},
        {"Right", Qt::Key_Right, false, 114, 39},
        {"Down", Qt::Key_Down, false, 116, 40},
        {"keypad 7 without Num Lock", Qt::Key_Home, true, 79, 36},
        {"keypad . without Num Lock", Qt::Key_Delete, true, 91, 46},
        {"F1", Qt::Key_F1, false, 67, 112},
        {"F9", Qt::Key_F9, false, 75, 120},
        {"F12", Qt::Key_F12, false, 96, 123},
        {"keypad *", Qt::Key_Asterisk, true, 63, 106},
        {"keypad +", Qt::Key_Plus, true, 86, 107},
        {"keypad -", Qt::Key_Minus, true, 82, 109},
        {"keypad .", Qt::Key_Period, true, 91, 110},
        {"keypad , (decimal key of a comma locale)", Qt::Key_Comma, true, 91, 110},
        {"keypad /", Qt::Key_Slash, true, 106, 111},
        {"unknown", Qt::Key_unknown, false, 0, 0},
        {"a media key", Qt::Key_VolumeUp, false, 123, 0},
    };
    const std::uint32_t keypad_keycodes[] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
    for (int d = 0; d < 10; ++d) {
        rows.push_back({"main-row digit, no keycode", Qt::Key_0 + d, false, 0, 48 + d});
        rows.push_back({"keypad digit", Qt::Key_0 + d, true, keypad_keycodes[d], 96 + d});
        rows.push_back({"keypad digit, no keycode", Qt::Key_0 + d, true, 0, 96 + d});
    }
    for (int i = 0; i < 26; ++i)
        rows.push_back({"letter", Qt::Key_A + i, false, 0, 'A' + i});

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
