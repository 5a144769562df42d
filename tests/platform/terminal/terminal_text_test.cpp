// What a terminal that cannot show Japanese gets instead: every text of the program as ASCII
// that fits where it is shown, and what the too-small message wraps to.
#include "platform/terminal/terminal_text.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "display/compose_display.hpp"
#include "display/expand_decimal.hpp"
#include "engine/calc_state.hpp"
#include "platform/terminal/cell_rule.hpp"
#include "platform/terminal/dialog_painter.hpp"
#include "platform/terminal/screen_layout.hpp"
#include "resources/resources.hpp"
#include "shell/pasted_number.hpp"

namespace tomaro::platform::terminal {
namespace {

bool IsAscii(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c >= ' ' && c <= '~'; });
}

int FieldWidth(int id) {
    const auto& controls = CalcDialogTemplate().controls;
    return ToCells(std::ranges::find(controls, id, &ControlTemplate::id)->rect).cols - 2;
}

TEST(TerminalText, EveryJapaneseTextHasAnAsciiFormThatFits) {
    struct Row {
        std::string_view text;
        int width;  // the cells it is shown in; 0: not checked here
    };
    std::vector<Row> rows = {
        {kKindInteger, FieldWidth(IDC_KIND)},
        {kKindProper, FieldWidth(IDC_KIND)},
        {kKindImproper, FieldWidth(IDC_KIND)},
        {kKindMixed, FieldWidth(IDC_KIND)},
        {kKindError, FieldWidth(IDC_KIND)},
        {kKindDecimal, FieldWidth(IDC_KIND)},
        {kKindTerminating, FieldWidth(IDC_KIND)},
        {kKindRecurring, FieldWidth(IDC_KIND)},
        {kNoticeDivideByZero, FieldWidth(IDC_READOUT)},
        {kNoticeZeroDenominator, FieldWidth(IDC_READOUT)},
        {kNoticePasteRefused, FieldWidth(IDC_READOUT)},
        {kTooLargeMessage, FieldWidth(IDC_DISPLAY)},
        {AboutDialogTemplate().caption, 0},
    };
    for (const MenuItem& item : ContextMenuPopup())
        rows.push_back({item.text, 0});
    const Placement about = PlaceDialog(AboutDialogTemplate(), {80, 24});
    for (const ControlTemplate& c : AboutDialogTemplate().controls)
        rows.push_back({c.text, about.Place(c).cols});
    for (const Row& row : rows) {
        const std::string ascii = AsciiForm(row.text);
        EXPECT_TRUE(IsAscii(ascii) && ascii.find('?') == std::string::npos) << row.text;
        if (row.width > 0) {
            EXPECT_LE(static_cast<int>(ascii.size()), row.width) << ascii;
        }
    }
    // A text the program does not know goes character by character.
    EXPECT_EQ(AsciiForm("１２３　／４"), "123 /4");
    EXPECT_EQ(AsciiForm("分"), "?");
}

TEST(TerminalText, TooSmallMessageWrapsBetweenWords) {
    struct Row {
        std::string_view text;
        int width;
        std::vector<std::string> lines;
    } const rows[] = {
        {"needs 80x23 cells; has 30x6.", 12, {"needs 80x23", "cells; has", "30x6."}},
        {"a bcdefgh", 4, {"a", "bcde", "fgh"}},
        {"fits", 80, {"fits"}},
        {"none", 0, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(WrapWords(row.text, row.width), row.lines) << row.text << ' ' << row.width;
}

}  // namespace
}  // namespace tomaro::platform::terminal
