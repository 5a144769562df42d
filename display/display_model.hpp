// The composed display: the texts of its three lines, where they are drawn, and the bar.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tomaro {

// Drawn over every third digit of a long integer, counted from the right.
inline constexpr std::string_view kGroupMark = "'";
// Ends the lower line of a decimal too long for the display.
inline constexpr std::string_view kCutMark = "...";

struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Which drawing the composition chose; the painter, the spoken reading and the CLI's
// picture all follow it and the positions recorded with it, so what is drawn is always what
// was composed.
enum class DisplayLayout : std::uint8_t {
    Integer,          // mainText centred, with digit-group marks
    Fraction,         // numText over a bar over denText, centred
    Mixed,            // mainText right of the bar's left end, the fraction beside it
    DecimalOneLine,   // mainText centred
    DecimalTwoLines,  // numText and denText, left-aligned, one above the other
    Error,            // the overflowed shadows, drawn as a fraction
};

// A digit-group mark of the main line: it belongs over one digit, the 3k-th from the right,
// and is drawn centred at x (the centre of that digit as drawn, one pixel left).
struct GroupMark {
    std::size_t digit;  // that digit's index in mainText
    std::int32_t x;
    std::int32_t y;  // the top of the mark
    friend bool operator==(const GroupMark&, const GroupMark&) = default;
};

// The characters an integer is written with, in the order of DisplayModel::advances.
inline constexpr std::string_view kIntegerCharacters = "0123456789-";
// Each advance is measured over a run of this many characters, in 1/kAdvanceRun pixels: a
// proportional font's digits are seldom a whole number of pixels wide.
inline constexpr std::int32_t kAdvanceRun = 20;

struct DisplayModel {
    DisplayLayout layout = DisplayLayout::Integer;
    Rect displayRect;
    std::int32_t charWidth = 0;  // width of "X" plus one pixel: the cell of every width here
    std::int32_t charHeight = 0;
    std::int32_t numX = 0;
    std::int32_t numY = 0;
    std::string numText;
    std::int32_t mainX = 0;
    std::int32_t mainY = 0;
    std::string mainText;
    std::int32_t denX = 0;
    std::int32_t denY = 0;
    std::string denText;
    std::int32_t barLeft = 0;
    std::int32_t barY = 0;
    std::int32_t barRight = 0;
    std::int32_t lowerIndent = 0;  // DecimalTwoLines: cells from the left edge to denText
    std::vector<GroupMark> marks;  // Integer: from left to right
    // How far each of kIntegerCharacters moves the pen in the display font, in
    // 1/kAdvanceRun pixels: where the group marks go over digits narrower than "X".
    std::array<std::int32_t, kIntegerCharacters.size()> advances{};
};

// The width in pixels of a text drawn in the display font.
using TextWidth = std::function<std::int32_t(std::string_view)>;

// Fixes the display's size, character cell and line positions from the extent (cx, cy) of
// "X" in the display font, and the advances of an integer's characters from `width`;
// without it every character is one cell wide. Done when the window opens, and again when it
// moves to a screen of another pixel density.
void SetDisplayMetrics(DisplayModel& m, Rect display_rect, std::int32_t cx, std::int32_t cy,
                       const TextWidth& width = nullptr);

}  // namespace tomaro
