// The key map and the command table: every code that runs a command, the button that takes
// the focus, and the template's buttons that the table covers.
#include "shell/key_map.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>

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
            m[48 + d] = {digit_command(d), digits[d]};  // main row
            m[96 + d] = {digit_command(d), digits[d]};  // numeric keypad
        }
        m[79] = {Command::TripleZero, IDC_TRIPLEZERO};
        m[110] = m[190] = {Command::Point, IDC_POINT};
        m[107] = m[187] = {Command::Add, IDC_ADD};
        m[109] = m[189] = {Command::Subtract, IDC_SUBTRACT};
        m[106] = m[186] = {Command::Multiply, IDC_MULTIPLY};
        m[111] = m[191] = {Command::Divide, IDC_DIVIDE};
        m[13] = {Command::Equals, IDC_EQUALS};
        m[8] = m[37] = {Command::Backspace, IDC_BACKSPACE};
        m[27] = m[46] = {Command::AllClear, IDC_ALLCLEAR};
        m[35] = m[36] = {Command::ClearEntry, IDC_CLEARENTRY};
        m[38] = m[82] = {Command::Reciprocal, IDC_RECIPROCAL};
        m[39] = m[77] = m[120] = {Command::Sign, IDC_SIGN};
        m[40] = m[70] = {Command::FractionBar, IDC_FRACTIONBAR};
        m[86] = {Command::MemoryAdd, IDC_MEMORYADD};
        m[67] = {Command::MemorySubtract, IDC_MEMORYSUBTRACT};
        m[88] = {Command::MemoryRecall, IDC_MEMORYRECALL};
        m[90] = {Command::MemoryClear, IDC_MEMORYCLEAR};
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
    for (int code : {9, 32, 16, 17, 18, 20, 0, 7, 192, 255})
        EXPECT_FALSE(LookUpKey(code)) << code;
}

// Every push button of the calculator runs one command, each command has its own button,
// and a click finds the command its button stands for.
TEST(CommandTable, CoversEveryButtonOfTheTemplateOnce) {
    std::set<int> template_buttons;
    for (const ControlTemplate& c : CalcDialogTemplate().controls)
        if (c.IsButton()) template_buttons.insert(c.id);
    const std::span<const ControlId> table = CommandButtons();
    EXPECT_EQ(std::set<int>(table.begin(), table.end()), template_buttons);
    EXPECT_EQ(table.size(), kCommandCount);  // no button twice
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const auto c = static_cast<Command>(i);
        EXPECT_EQ(CommandOfButton(ButtonOfCommand(c)), c) << i;
    }
    EXPECT_FALSE(CommandOfButton(IDC_DISPLAY));
    EXPECT_FALSE(CommandOfButton(IDCANCEL));
}

}  // namespace
}  // namespace tomaro
