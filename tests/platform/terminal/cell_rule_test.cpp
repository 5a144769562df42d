// The cell rule keeps the calculator's grid regular and inside 80 x 24, and the display's
// lines land on distinct rows.
#include "platform/terminal/cell_rule.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "display/display_model.hpp"
#include "platform/terminal/screen_layout.hpp"
#include "resources/resources.hpp"

namespace tomaro::platform::terminal {
namespace {

TEST(CellRule, CalculatorControls) {
    const DialogTemplate& t = CalcDialogTemplate();
    struct Row {
        int id;
        CellRect cells;
    } const rows[] = {
        {IDC_DISPLAY, {2, 0, 74, 5}},        {IDC_READOUT, {6, 5, 54, 1}},
        {IDC_KIND, {60, 5, 12, 1}},          {IDC_OPERATOR, {72, 5, 4, 1}},
        {IDC_MEMORYINDICATOR, {2, 5, 4, 1}}, {IDC_ALLCLEAR, {2, 7, 16, 3}},
        {IDC_CLEARENTRY, {18, 7, 10, 3}},    {IDC_DIGIT7, {14, 11, 10, 3}},
        {IDC_DIGIT5, {24, 14, 10, 3}},       {IDC_DIGIT0, {14, 20, 20, 3}},
        {IDC_EQUALS, {66, 20, 10, 3}},       {IDC_MEMORYADD, {2, 20, 10, 3}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ToCells(std::ranges::find(t.controls, row.id, &ControlTemplate::id)->rect),
                  row.cells)
            << row.id;
    // Every button of the keypad's 25 x 20 units is the same 10 x 3 cells.
    std::set<std::pair<int, int>> sizes;
    for (const ControlTemplate& c : t.controls)
        if (c.IsButton() && c.rect.width == 25 && c.rect.height == 20)
            sizes.insert({ToCells(c.rect).cols, ToCells(c.rect).rows});
    EXPECT_EQ(sizes, (std::set<std::pair<int, int>>{{10, 3}}));
    const ScreenSize needed = MinimumSize(t);
    EXPECT_EQ(needed.cols, 80);
    EXPECT_EQ(needed.rows, 23);  // what tmux leaves of 80 x 24 under its status line
}

// Spare rows go to the caption first, then to the bottom edge.
TEST(CellRule, CaptionAndBottomEdgeTakeSpareRows) {
    struct Row {
        int rows;
        bool caption, bottom_edge;
        int client_row;
    } const rows[] = {
        {23, false, false, 0}, {24, true, false, 1}, {25, true, true, 1}, {30, true, true, 3}};
    for (const Row& row : rows) {
        const Placement p = PlaceDialog(CalcDialogTemplate(), {80, row.rows});
        EXPECT_EQ(p.caption, row.caption) << row.rows;
        EXPECT_EQ(p.bottom_edge, row.bottom_edge) << row.rows;
        EXPECT_EQ(p.client.row, row.client_row) << row.rows;
        EXPECT_LE(p.box.row + p.box.rows, row.rows) << row.rows;
    }
}

TEST(CellRule, DisplayLinesFallOnDistinctRows) {
    DisplayModel m;
    SetDisplayMetrics(m, {0, 0, 576, 15}, kLetterExtent.cx, kLetterExtent.cy);
    EXPECT_EQ(m.charWidth, kCellPixelWidth);
    EXPECT_EQ(CellRowOfPixel(m.numY), 0);
    EXPECT_EQ(CellRowOfPixel(m.mainY), 1);
    EXPECT_EQ(CellRowOfPixel(m.barY), 1);
    EXPECT_EQ(CellRowOfPixel(m.denY), 2);
    EXPECT_EQ(CellRowOfPixel(m.mainY - 3), 0);  // the digit-group marks
}

TEST(CellRule, TextGoesToTheCellThatHoldsItsLeftPixel) {
    struct Row {
        std::int32_t x;
        TextAlign align;
        int cells;
        int col;
    } const rows[] = {
        {288, ALIGN_CENTRE, 1, 35}, {288, ALIGN_CENTRE, 2, 35}, {285, ALIGN_RIGHT, 1, 34},
        {291, ALIGN_LEFT, 1, 36},   {4, ALIGN_LEFT, 37, 0},     {3, ALIGN_CENTRE, 1, -1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CellColumnOfPixel(TextLeftPixel(row.x, row.align, row.cells)), row.col)
            << row.x << ' ' << row.align << ' ' << row.cells;
}

TEST(CellRule, WideDialogIsNarrowedToTheScreen) {
    const Placement about = PlaceDialog(AboutDialogTemplate(), {80, 24});
    EXPECT_EQ(about.box.cols, 80);
    const CellRect ok =
        about.Place(*std::ranges::find(AboutDialogTemplate().controls, IDOK, &ControlTemplate::id));
    EXPECT_LE(ok.col + ok.cols, about.client.col + about.client.cols);
}

}  // namespace
}  // namespace tomaro::platform::terminal
