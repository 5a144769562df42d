// The drawing operations of the display, in the order they reach the canvas.
#include "display/paint_display.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/compose_display.hpp"
#include "tests/support/display_keys.hpp"

namespace tomaro {
namespace {

using Ops = std::vector<std::string>;

class StringCanvas final : public Canvas {
public:
    Ops ops;

    void FillWhite(const Rect& r) override {
        ops.push_back("fill " + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                      std::to_string(r.right) + "," + std::to_string(r.bottom));
    }
    void SetTextAlign(TextAlign align) override {
        ops.push_back(align == ALIGN_LEFT    ? "align left"
                      : align == ALIGN_RIGHT ? "align right"
                                             : "align centre");
    }
    void TextOut(std::int32_t x, std::int32_t y, std::string_view text) override {
        ops.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " " +
                      std::string(text));
    }
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        ops.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + " " +
                      std::to_string(x2) + "," + std::to_string(y2));
    }
};

Ops painted(const DisplayModel& m) {
    StringCanvas canvas;
    PaintDisplay(m, canvas);
    return canvas.ops;
}

Ops painted(DisplayModel m, DisplayLayout layout) {
    m.layout = layout;
    return painted(m);
}

TEST(DisplayMetrics, LinePositionsFollowTheFontHeight) {
    struct Row {
        std::int32_t cy, mainY, barY, denY;
    };
    for (const Row& r : {Row{16, 12, 18, 22}, Row{18, 13, 20, 24}}) {
        DisplayModel m;
        SetDisplayMetrics(m, {0, 0, 200, 40}, 8, r.cy);
        EXPECT_EQ(m.numY, 0);
        EXPECT_EQ(m.mainY, r.mainY) << r.cy;
        EXPECT_EQ(m.barY, r.barY) << r.cy;
        EXPECT_EQ(m.denY, r.denY) << r.cy;
        EXPECT_EQ(m.charWidth, 9);
        EXPECT_EQ(m.charHeight, r.cy);
        EXPECT_EQ(m.displayRect, (Rect{0, 0, 200, 40}));
    }
}

// A model whose every text and position is distinct, so each operation shows what it drew.
DisplayModel distinct_model() {
    DisplayModel m;
    SetDisplayMetrics(m, {0, 0, 200, 40}, 8, 16);  // y: 0, 12, bar 18, 22
    m.numText = "NUM";
    m.mainText = "MAIN";
    m.denText = "DEN";
    m.numX = 41;
    m.mainX = 52;
    m.denX = 63;
    m.barLeft = 74;
    m.barRight = 125;
    m.marks = {{1, 47, 9}, {2, 58, 8}};
    return m;
}

TEST(PaintDisplay, OperationsForEachLayout) {
    const DisplayModel m = distinct_model();
    const std::string fill = "fill 0,0,200,40";
    using enum DisplayLayout;
    struct Row {
        DisplayLayout layout;
        Ops ops;
    };
    const std::vector<Row> rows = {
        // Only an integer draws its group marks, where the composition placed them.
        {Integer, {fill, "align centre", "text 52,12 MAIN", "text 47,9 '", "text 58,8 '"}},
        {Fraction, {fill, "align centre", "text 41,0 NUM", "text 63,22 DEN", "line 74,18 125,18"}},
        {Mixed,
         {fill, "align right", "text 52,12 MAIN", "align left", "text 41,0 NUM", "text 63,22 DEN",
          "line 74,18 125,18"}},
        // A decimal draws all three lines and never a bar, on one line or two.
        {DecimalOneLine,
         {fill, "align centre", "text 52,12 MAIN", "align left", "text 41,0 NUM",
          "text 63,22 DEN"}},
        {DecimalTwoLines,
         {fill, "align centre", "text 52,12 MAIN", "align left", "text 41,0 NUM",
          "text 63,22 DEN"}},
        // The error display leaves the main line out, whatever it holds.
        {Error, {fill, "align centre", "text 41,0 NUM", "text 63,22 DEN", "line 74,18 125,18"}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(painted(m, r.layout), r.ops) << static_cast<int>(r.layout);
}

// From keys to drawing: what the display shows after the keys.
TEST(PaintDisplay, KeyedValues) {
    struct Row {
        std::string keys;
        Ops ops;
    };
    const std::string fill = "fill 0,0,200,40";
    const std::vector<Row> rows = {
        {"1234567", {fill, "align centre", "text 100,12 1234567", "text 81,9 '", "text 108,9 '"}},
        {"3 BAR 2", {fill, "align centre", "text 100,0 2", "text 100,22 3", "line 91,18 109,18"}},
        {"2 BAR 247 = =",
         {fill, "align right", "text 106,12 123", "align left", "text 112,0 1", "text 112,22 2",
          "line 109,18 127,18"}},
        {"1.50",
         {fill, "align centre", "text 100,12 1.50", "align left", "text 0,0 ", "text 0,22 "}},
        {"47 BAR 1 = = =",
         {fill, "align centre", "text 93,12 ", "align left",
          "text 4,0 0.{0212765957446808510638297872340425", "text 36,22 531914893617}"}},
        {"1 / 999999999999999999 * 1 / 999999999999999999 =",
         {fill, "align centre", "text 100,0 1", "text 100,22 1000000000000000042420637374017961984",
          "line -71,18 271,18"}},
        // A refused division brings back the left operand, which is not composed until the
        // notice ends: the display keeps the operand that was refused.
        {"7 BAR 2 / 1.5 CE =", {fill, "align centre", "text 100,12 0"}},
        {". 9 / 0 M-", {fill, "align centre", "text 100,12 0"}},
        {"7 BAR 2 / 1.5 CE = TICK",
         {fill, "align centre", "text 100,0 2", "text 100,22 7", "line 91,18 109,18"}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(painted(testing::shown(r.keys).model()), r.ops) << r.keys;
}

// Measured again at twice the size (the window moved to a screen of twice the pixel
// density), the display draws what it showed, placed for the new size: the cell is 18, the
// lines are at 0, 24 and 38, the bar at 34. Nothing is composed that was not yet due.
TEST(PaintDisplay, MeasuredAgainTheSamePictureFitsTheNewSize) {
    struct Row {
        std::string keys;
        Ops ops;
    };
    const std::string fill = "fill 0,0,400,80";
    const std::vector<Row> rows = {
        {"1234567",
         {fill, "align centre", "text 200,24 1234567", "text 163,21 '", "text 217,21 '"}},
        {"3 BAR 2", {fill, "align centre", "text 200,0 2", "text 200,38 3", "line 182,34 218,34"}},
        {"2 BAR 247 = =",
         {fill, "align right", "text 215,24 123", "align left", "text 221,0 1", "text 221,38 2",
          "line 218,34 254,34"}},
        // The empty middle line keeps the place it had (it draws nothing).
        {"47 BAR 1 = = =",
         {fill, "align centre", "text 93,24 ", "align left",
          "text 9,0 0.{0212765957446808510638297872340425", "text 72,38 531914893617}"}},
        // The refused 0 stays, not the fraction that comes back when the notice ends.
        {"7 BAR 2 / 1.5 CE =", {fill, "align centre", "text 200,24 0"}},
    };
    for (const Row& r : rows) {
        DisplayModel m = testing::shown(r.keys).model();
        SetDisplayMetrics(m, {0, 0, 400, 80}, 17, 32);
        PlaceDisplay(m);
        StringCanvas canvas;
        PaintDisplay(m, canvas);
        EXPECT_EQ(canvas.ops, r.ops) << r.keys;
    }
}

}  // namespace
}  // namespace tomaro
