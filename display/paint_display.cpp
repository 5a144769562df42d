#include "display/paint_display.hpp"

#include <algorithm>

#include "display/cp932.hpp"

namespace tomaro {
namespace {

constexpr std::int32_t kGroupMarkRise = 3;  // marks sit this many pixels above the main line
constexpr std::int32_t kFewestMarkedDigits = 4;
constexpr std::int32_t kMostMarkedDigits = 19;

void draw_bar(const DisplayModel& m, Canvas& c) {
    c.Line(m.barLeft, m.barY, m.barRight, m.barY);
}

void draw_upper_and_lower(const DisplayModel& m, Canvas& c) {
    c.TextOut(m.numX, m.numY, m.numText);
    c.TextOut(m.denX, m.denY, m.denText);
}

// A mark between every three digits, placed from the text's length alone, as if every
// character were one cell wide; drawn from the leftmost mark to the rightmost.
void draw_group_marks(const DisplayModel& m, Canvas& c) {
    const auto length = static_cast<std::int32_t>(cp932_length(m.mainText));
    const bool has_minus = m.mainText.find('-') != std::string::npos;
    const std::int32_t digits = length - (has_minus ? 1 : 0);
    if (digits < kFewestMarkedDigits || digits > kMostMarkedDigits) return;
    for (std::int32_t j = (digits - 1) / 3; j >= 1; --j) {
        const std::int32_t k = 6 * j - 1;
        c.TextOut(m.mainX - 1 + ((length - k) * m.charWidth) / 2, m.mainY - kGroupMarkRise,
                  kGroupMark);
    }
}

}  // namespace

void PaintDisplay(const DisplayModel& m, Canvas& c) {
    c.FillWhite(m.displayRect);
    switch (m.layout) {
        case DisplayLayout::Integer:
            c.SetTextAlign(ALIGN_CENTRE);
            c.TextOut(m.mainX, m.mainY, m.mainText);
            draw_group_marks(m, c);
            break;
        case DisplayLayout::Fraction:
        case DisplayLayout::Error:
            c.SetTextAlign(ALIGN_CENTRE);
            draw_upper_and_lower(m, c);
            draw_bar(m, c);
            break;
        case DisplayLayout::Mixed:
            c.SetTextAlign(ALIGN_RIGHT);
            c.TextOut(m.mainX, m.mainY, m.mainText);
            c.SetTextAlign(ALIGN_LEFT);
            draw_upper_and_lower(m, c);
            draw_bar(m, c);
            break;
        // Both decimal layouts draw all three lines; the composition empties the unused.
        case DisplayLayout::DecimalOneLine:
        case DisplayLayout::DecimalTwoLines:
            c.SetTextAlign(ALIGN_CENTRE);
            c.TextOut(m.mainX, m.mainY, m.mainText);
            c.SetTextAlign(ALIGN_LEFT);
            draw_upper_and_lower(m, c);
            break;
    }
}

}  // namespace tomaro
