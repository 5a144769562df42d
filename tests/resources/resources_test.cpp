// The dialog templates, menu, strings and version against the layout a person reads off the
// keypad, and the dialog-unit arithmetic against hand-computed values.
#include "resources/resources.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tomaro {
namespace {

constexpr int kDialogWidth = 195;
constexpr int kDialogHeight = 155;

// The keypad as drawn: four rows under the top row, seven columns; "0" spans two columns.
constexpr int kColumns[] = {5, 35, 60, 85, 110, 140, 165};
constexpr int kRows[] = {71, 91, 111, 131};
constexpr int kButtonWidth = 25;
constexpr int kButtonHeight = 20;

struct GridCell {
    int id;
    int row;     // index into kRows
    int column;  // index into kColumns
    int columns_spanned = 1;
};

constexpr GridCell kGrid[] = {
    {IDC_MEMORYCLEAR, 0, 0},    {IDC_DIGIT7, 0, 1},      {IDC_DIGIT8, 0, 2},
    {IDC_DIGIT9, 0, 3},         {IDC_RECIPROCAL, 0, 4},  {IDC_DIVIDE, 0, 5},
    {IDC_MEMORYRECALL, 1, 0},   {IDC_DIGIT4, 1, 1},      {IDC_DIGIT5, 1, 2},
    {IDC_DIGIT6, 1, 3},         {IDC_FRACTIONBAR, 1, 4}, {IDC_MULTIPLY, 1, 5},
    {IDC_MEMORYSUBTRACT, 2, 0}, {IDC_DIGIT1, 2, 1},      {IDC_DIGIT2, 2, 2},
    {IDC_DIGIT3, 2, 3},         {IDC_SIGN, 2, 4},        {IDC_SUBTRACT, 2, 5},
    {IDC_MEMORYADD, 3, 0},      {IDC_DIGIT0, 3, 1, 2},   {IDC_TRIPLEZERO, 3, 3},
    {IDC_POINT, 3, 4},          {IDC_ADD, 3, 5},         {IDC_EQUALS, 3, 6},
};

const ControlTemplate& Control(int id) {
    const auto controls = CalcDialogTemplate().controls;
    const auto c = std::ranges::find(controls, id, &ControlTemplate::id);
    if (c == controls.end()) throw std::runtime_error("no control " + std::to_string(id));
    return *c;
}

std::vector<int> ButtonIds(const DialogTemplate& t) {
    std::vector<int> ids;
    for (const ControlTemplate& c : t.controls)
        if (c.IsButton()) ids.push_back(c.id);
    return ids;
}

bool Overlap(const DluRect& a, const DluRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

TEST(CalcDialogTemplate, KeypadButtonsSitOnTheGrid) {
    for (const GridCell& cell : kGrid) {
        SCOPED_TRACE(cell.id);
        const ControlTemplate& c = Control(cell.id);
        EXPECT_EQ(c.kind, ControlKind::PushButton);
        EXPECT_EQ(c.rect.x, kColumns[cell.column]);
        EXPECT_EQ(c.rect.y, kRows[cell.row]);
        // A spanning button reaches as far as the last column it covers.
        const int last = cell.column + cell.columns_spanned - 1;
        EXPECT_EQ(c.rect.x + c.rect.width, kColumns[last] + kButtonWidth);
        EXPECT_EQ(c.rect.height, kButtonHeight);
    }
}

TEST(CalcDialogTemplate, TopRowHoldsTheClearKeysSideBySide) {
    const ControlTemplate& all_clear = Control(IDC_ALLCLEAR);
    const ControlTemplate& clear_entry = Control(IDC_CLEARENTRY);
    const ControlTemplate& backspace = Control(IDC_BACKSPACE);
    EXPECT_EQ(all_clear.rect.x, 5);
    EXPECT_EQ(all_clear.rect.width, 40);
    for (const ControlTemplate* c : {&all_clear, &clear_entry, &backspace}) {
        EXPECT_EQ(c->kind, ControlKind::PushButton);
        EXPECT_EQ(c->rect.y, 45);
        EXPECT_EQ(c->rect.height, kButtonHeight);
    }
    EXPECT_EQ(clear_entry.rect.x, all_clear.rect.x + all_clear.rect.width);
    EXPECT_EQ(backspace.rect.x, clear_entry.rect.x + clear_entry.rect.width);
    EXPECT_EQ(backspace.rect.width, kButtonWidth);
}

TEST(CalcDialogTemplate, EveryButtonIsOnTheKeypad) {
    std::set<int> placed = {IDC_ALLCLEAR, IDC_CLEARENTRY, IDC_BACKSPACE};
    for (const GridCell& cell : kGrid)
        EXPECT_TRUE(placed.insert(cell.id).second) << cell.id << " placed twice";
    const std::vector<int> buttons = ButtonIds(CalcDialogTemplate());
    EXPECT_EQ(std::set<int>(buttons.begin(), buttons.end()), placed);
    EXPECT_EQ(buttons.size(), placed.size()) << "a button appears twice in the template";
}

TEST(CalcDialogTemplate, DisplayAndFieldsLieAboveTheKeypad) {
    const ControlTemplate& display = Control(IDC_DISPLAY);
    EXPECT_EQ(display.kind, ControlKind::WhiteFrame);
    EXPECT_EQ(display.rect.y, 0);
    EXPECT_EQ(display.rect.y + display.rect.height, 30);
    EXPECT_TRUE(display.sunkenEdge);

    // Left to right in one row under the display, read-only and right-aligned.
    const int fields[] = {IDC_MEMORYINDICATOR, IDC_READOUT, IDC_KIND, IDC_OPERATOR};
    int previous_x = -1;
    for (const int id : fields) {
        SCOPED_TRACE(id);
        const ControlTemplate& f = Control(id);
        EXPECT_EQ(f.kind, ControlKind::ReadOnlyField);
        EXPECT_EQ(f.rect.y, 30);
        EXPECT_GT(f.rect.x, previous_x);
        EXPECT_EQ(f.align, Alignment::Right);
        previous_x = f.rect.x;
    }
    EXPECT_EQ(Control(IDC_MEMORYINDICATOR).rect.x, display.rect.x);
    const ControlTemplate& op = Control(IDC_OPERATOR);
    EXPECT_EQ(op.rect.x + op.rect.width, display.rect.x + display.rect.width);
    // Only the readout scrolls: it is the one field whose text can outgrow it.
    EXPECT_TRUE(Control(IDC_READOUT).scrolls);
    EXPECT_FALSE(Control(IDC_KIND).scrolls);
}

TEST(CalcDialogTemplate, EveryControlLiesInsideTheDialog) {
    const DialogTemplate& t = CalcDialogTemplate();
    EXPECT_EQ(t.rect.width, kDialogWidth);
    EXPECT_EQ(t.rect.height, kDialogHeight);
    for (const ControlTemplate& c : t.controls) {
        SCOPED_TRACE(c.id);
        EXPECT_GE(c.rect.x, 0);
        EXPECT_GE(c.rect.y, 0);
        EXPECT_GT(c.rect.width, 0);
        EXPECT_GT(c.rect.height, 0);
        EXPECT_LE(c.rect.x + c.rect.width, kDialogWidth);
        EXPECT_LE(c.rect.y + c.rect.height, kDialogHeight);
    }
}

// Neighbours touch; the only overlaps are the borders that the readout, the kind label and
// the operator field share, one dialog unit each.
TEST(CalcDialogTemplate, OnlyTheFieldBordersOverlap) {
    const std::set<std::pair<int, int>> shared_borders = {
        {IDC_READOUT, IDC_KIND},
        {IDC_KIND, IDC_OPERATOR},
    };
    std::set<std::pair<int, int>> overlapping;
    const auto controls = CalcDialogTemplate().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (!Overlap(controls[i].rect, controls[j].rect)) continue;
            overlapping.insert(std::minmax(controls[i].id, controls[j].id));
        }
    }
    std::set<std::pair<int, int>> expected;
    for (const auto& [a, b] : shared_borders)
        expected.insert(std::minmax(a, b));
    EXPECT_EQ(overlapping, expected);
    for (const auto& [left, right] : shared_borders) {
        const DluRect& l = Control(left).rect;
        EXPECT_EQ(l.x + l.width - Control(right).rect.x, 1) << left << " and " << right;
    }
}

TEST(CalcDialogTemplate, OnlyEqualsTakesTheTabStopAndNoButtonIsDefault) {
    const DialogTemplate& t = CalcDialogTemplate();
    std::vector<int> tab_stops;
    for (const ControlTemplate& c : t.controls) {
        SCOPED_TRACE(c.id);
        if (c.tabStop) tab_stops.push_back(c.id);
        EXPECT_NE(c.id, IDOK);
        EXPECT_NE(c.id, IDCANCEL);
        EXPECT_NE(c.kind, ControlKind::DefaultPushButton);
        EXPECT_FALSE(c.disabled);
    }
    EXPECT_EQ(tab_stops, std::vector<int>{IDC_EQUALS});
}

TEST(CalcDialogTemplate, WindowIsAFixedSizeCaptionedDialog) {
    const DialogTemplate& t = CalcDialogTemplate();
    EXPECT_EQ(t.id, IDD_CALC_DIALOG);
    EXPECT_EQ(t.caption, "Tomaro -Quillet-");
    EXPECT_TRUE(t.systemMenu);
    EXPECT_TRUE(t.minimizeBox);
    EXPECT_TRUE(t.appWindow);
    EXPECT_EQ(t.fontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(t.fontPointSize, 9);
}

TEST(AboutDialogTemplate, ShowsTheIconTheVersionAndOneOkButton) {
    const DialogTemplate& t = AboutDialogTemplate();
    EXPECT_EQ(t.id, IDD_ABOUTBOX);
    EXPECT_FALSE(t.extended);
    EXPECT_EQ(t.caption, "Tomaroのバージョン情報");
    EXPECT_EQ(t.rect.width, 235);
    EXPECT_EQ(t.rect.height, 55);
    ASSERT_EQ(t.controls.size(), 4u);

    const ControlTemplate& icon = t.controls[0];
    EXPECT_EQ(icon.kind, ControlKind::Icon);
    EXPECT_EQ(icon.iconId, IDR_MAINFRAME);

    // The version line follows the version data, so that one change moves both.
    EXPECT_EQ(t.controls[1].text, "Tomaro -Quillet- Version " + std::string(Version().version));
    EXPECT_TRUE(t.controls[1].literalAmpersands);
    EXPECT_FALSE(t.controls[2].text.empty());

    const ControlTemplate& ok = t.controls[3];
    EXPECT_EQ(ok.id, IDOK);
    EXPECT_EQ(ok.text, "OK");
    EXPECT_EQ(ok.kind, ControlKind::DefaultPushButton);
    EXPECT_TRUE(ok.tabStop);
    EXPECT_FALSE(t.minimizeBox);
    for (const ControlTemplate& c : t.controls) {
        EXPECT_LE(c.rect.x + c.rect.width, t.rect.width) << c.text;
        EXPECT_LE(c.rect.y + c.rect.height, t.rect.height) << c.text;
    }
}

// Windows converts with MulDiv, which rounds to the nearest pixel and halves away from zero.
TEST(ToPixels, RoundsAsTheDialogManagerDoes) {
    struct Case {
        DluRect dlu;
        BaseUnits units;
        PixelRect pixels;
    };
    const Case cases[] = {
        // 195 * 6 / 4 = 292.5, 155 * 12 / 8 = 232.5
        {{0, 0, 195, 155}, {6, 12}, {0, 0, 293, 233}},
        // 5 * 6 / 4 = 7.5, 45 * 12 / 8 = 67.5
        {{5, 45, 40, 20}, {6, 12}, {8, 68, 60, 30}},
        // 35 * 7 / 4 = 61.25, 131 * 15 / 8 = 245.625, 50 * 7 / 4 = 87.5, 20 * 15 / 8 = 37.5
        {{35, 131, 50, 20}, {7, 15}, {61, 246, 88, 38}},
        // 149 * 7 / 4 = 260.75, 30 * 15 / 8 = 56.25, 32 * 7 / 4 = 56, 12 * 15 / 8 = 22.5
        {{149, 30, 32, 12}, {7, 15}, {261, 56, 56, 23}},
        {{5, 30, 10, 12}, {8, 16}, {10, 60, 20, 24}},
        // -5 * 6 / 4 = -7.5, -3 * 12 / 8 = -4.5: away from zero
        {{-5, -3, 1, 1}, {6, 12}, {-8, -5, 2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.dlu.x << "," << c.dlu.y << " " << c.dlu.width << "x" << c.dlu.height
                     << " @ " << c.units.horizontal << "/" << c.units.vertical);
        EXPECT_EQ(ToPixels(c.dlu, c.units), c.pixels);
    }
}

// The average of 52 letters, rounded half up: ((total / 26) + 1) / 2.
TEST(HorizontalBaseUnit, AveragesTheFiftyTwoLetters) {
    const std::pair<int, int> cases[] = {
        {312, 6},  // exactly 6
        {337, 6},  // 6.48
        {338, 7},  // 6.5
        {364, 7},  // exactly 7
        {389, 7},  // 7.48
        {390, 8},  // 7.5
    };
    for (const auto& [total, expected] : cases)
        EXPECT_EQ(HorizontalBaseUnit(total), expected) << total;
}

TEST(Strings, OnlyTheAboutItemIsInTheTable) {
    EXPECT_EQ(LoadString(IDS_ABOUTBOX), "このソフトのバージョン情報(&A)...");
    for (const int id : {0, -1, 1, 100, 102, 103, 128, 32775})
        EXPECT_EQ(LoadString(id), "") << id;
}

TEST(ContextMenu, OffersCopyPasteThenAboutAndExit) {
    const auto items = ContextMenuPopup();
    const std::vector<std::pair<int, std::string_view>> expected = {{32776, "コピー(&C)"},
                                                                    {32777, "貼り付け(&P)"},
                                                                    {0, ""},
                                                                    {32775, "バージョン情報(&A)"},
                                                                    {32774, "終了(&X)"}};
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(std::make_pair(items[i].id, items[i].text), expected[i]);
        EXPECT_EQ(items[i].separator(), expected[i].first == 0);
        EXPECT_FALSE(items[i].disabled);
    }
}

}  // namespace
}  // namespace tomaro
