// The key map and the command table: every code that runs a command, the button that takes
// the focus, the command each button of the template runs, and the keypad lock's buttons.
#include "shell/key_map.hpp"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/virtual_keys.hpp"
#include "resources/resources.hpp"
#include "shell/button_commands.hpp"

namespace tomaro {
namespace {

struct Expected {
    Command command;
    ControlId focus;
};

// The whole map as a person would list it; every other code in 0..255 does nothing.
const std::map<int, Expected>& whole_map() {
    static const std::map<int, Expected> map = [] {
        std::map<int, Expected> m;
        const ControlId digits[] = {IDC_DIGIT0, IDC_DIGIT1, IDC_DIGIT2, IDC_DIGIT3, IDC_DIGIT4,
                                    IDC_DIGIT5, IDC_DIGIT6, IDC_DIGIT7, IDC_DIGIT8, IDC_DIGIT9};
        for (int d = 0; d < 10; ++d) {
            m[vk::Digit(d)] = {digit_command(d), digits[d]};
            m[vk::Numpad(d)] = {digit_command(d), digits[d]};
        }
        m[vk::Letter('O')] = {Command::TripleZero, IDC_TRIPLEZERO};
        m[vk::kDecimal] = m[vk::kOemPeriod] = {Command::Point, IDC_POINT};
        m[vk::kAdd] = m[vk::kOemPlus] = {Command::Add, IDC_ADD};
        m[vk::kSubtract] = m[vk::kOemMinus] = {Command::Subtract, IDC_SUBTRACT};
        m[vk::kMultiply] = m[vk::kOem1] = {Command::Multiply, IDC_MULTIPLY};
        m[vk::kDivide] = m[vk::kOem2] = {Command::Divide, IDC_DIVIDE};
        m[vk::kReturn] = {Command::Equals, IDC_EQUALS};
        m[vk::kBack] = m[vk::kLeft] = {Command::Backspace, IDC_BACKSPACE};
        m[vk::kEscape] = m[vk::kDelete] = {Command::AllClear, IDC_ALLCLEAR};
        m[vk::kEnd] = m[vk::kHome] = {Command::ClearEntry, IDC_CLEARENTRY};
        m[vk::kUp] = m[vk::Letter('R')] = {Command::Reciprocal, IDC_RECIPROCAL};
        m[vk::kRight] = m[vk::Letter('M')] = m[vk::Function(9)] = {Command::Sign, IDC_SIGN};
        m[vk::kDown] = m[vk::Letter('F')] = {Command::FractionBar, IDC_FRACTIONBAR};
        m[vk::Letter('V')] = {Command::MemoryAdd, IDC_MEMORYADD};
        m[vk::Letter('C')] = {Command::MemorySubtract, IDC_MEMORYSUBTRACT};
        m[vk::Letter('X')] = {Command::MemoryRecall, IDC_MEMORYRECALL};
        m[vk::Letter('Z')] = {Command::MemoryClear, IDC_MEMORYCLEAR};
        return m;
    }();
    return map;
}

TEST(KeyMap, EveryCodeRunsItsCommandAndFocusesItsButton) {
    for (int code = -1; code <= 256; ++code) {
        SCOPED_TRACE(code);
        const auto found = LookUpKey(code);
        const auto it = whole_map().find(code);
        if (it == whole_map().end()) {
            EXPECT_FALSE(found.has_value());
            continue;
        }
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(*found, it->second.command);
        EXPECT_EQ(ButtonOfCommand(*found), it->second.focus);
    }
}

TEST(KeyMap, TabSpaceAndShiftAreNotKeys) {
    for (int code : {vk::kTab, vk::kSpace, vk::kShift, vk::kControl, vk::kMenu, vk::kCapital, 0, 7,
                     vk::kOem3, 255})
        EXPECT_FALSE(LookUpKey(code)) << code;
}

// Each caption runs the command a person would expect of it, no two buttons share one, and
// each command's button is the one whose click runs it.
TEST(ButtonCommands, EveryButtonRunsTheCommandOfItsCaption) {
    const std::map<std::string_view, Command> by_caption = {
        {"A.C.", Command::AllClear},
        {"><", Command::ClearEntry},
        {"0", Command::Digit0},
        {"1", Command::Digit1},
        {"2", Command::Digit2},
        {"3", Command::Digit3},
        {"4", Command::Digit4},
        {"5", Command::Digit5},
        {"6", Command::Digit6},
        {"7", Command::Digit7},
        {"8", Command::Digit8},
        {"9", Command::Digit9},
        {"000", Command::TripleZero},
        {".", Command::Point},
        {"<-", Command::Backspace},
        {"+ | -", Command::Sign},
        {"~ | _", Command::FractionBar},
        {"1/x", Command::Reciprocal},
        {"+", Command::Add},
        {"-", Command::Subtract},
        {"*", Command::Multiply},
        {"/", Command::Divide},
        {"=", Command::Equals},
        {"M+", Command::MemoryAdd},
        {"M-", Command::MemorySubtract},
        {"MR", Command::MemoryRecall},
        {"MC", Command::MemoryClear},
    };
    std::set<Command> commands;
    std::size_t buttons = 0;
    for (const ControlTemplate& c : CalcDialogTemplate().controls) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.id));
        const std::optional<Command> command = CommandOfButton(c.id);
        if (!c.IsButton()) {
            EXPECT_FALSE(command.has_value()) << "a field or the display runs a command";
            continue;
        }
        ++buttons;
        ASSERT_TRUE(command.has_value());
        const auto expected = by_caption.find(c.text);
        ASSERT_NE(expected, by_caption.end()) << "unexpected caption";
        EXPECT_EQ(*command, expected->second);
        commands.insert(*command);
    }
    EXPECT_EQ(buttons, by_caption.size());
    EXPECT_EQ(commands.size(), by_caption.size());
    EXPECT_EQ(commands.size(), kCommandCount);
    for (const Command c : commands)
        EXPECT_EQ(CommandOfButton(ButtonOfCommand(c)), c) << int{static_cast<std::uint8_t>(c)};
    EXPECT_FALSE(CommandOfButton(IDOK).has_value());
    EXPECT_FALSE(CommandOfButton(0).has_value());
}

TEST(ButtonCommands, LockListIsEveryButtonButAllClearOnceInOrder) {
    std::map<int, int> times;
    for (const ControlId id : kLockedButtons)
        ++times[id];
    for (const ControlTemplate& c : CalcDialogTemplate().controls) {
        if (!c.IsButton()) continue;
        SCOPED_TRACE(c.id);
        EXPECT_EQ(times[c.id], c.id == IDC_ALLCLEAR ? 0 : 1);
        times.erase(c.id);
    }
    EXPECT_TRUE(times.empty()) << "the lock list names a control that is not a button";

    // The order in which the keypad is disabled and enabled again.
    const std::vector<int> order = {1016, 1015, 1005, 1007, 1008, 1009, 1010, 1011, 1012,
                                    1013, 1014, 1017, 1018, 1019, 1020, 1021, 1022, 1023,
                                    1034, 1032, 1031, 1030, 1029, 1025, 1024, 1004};
    EXPECT_EQ(std::vector<int>(kLockedButtons.begin(), kLockedButtons.end()), order);
}

}  // namespace
}  // namespace tomaro
