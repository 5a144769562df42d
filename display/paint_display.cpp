#include "display/paint_display.hpp"

namespace tomaro {
namespace {

void draw_bar(const DisplayModel& m, Canvas& c) {
    c.Line(m.barLeft, m.barY, m.barRight, m.barY);
}

void draw_upper_and_lower(const DisplayModel& m, Canvas& c) {
    c.TextOut(m.numX, m.numY, m.numText);
    c.TextOut(m.denX, m.denY, m.denText);
}

void draw_group_marks(const DisplayModel& m, Canvas& c) {
    for (const GroupMark& mark : m.marks)
        c.TextOut(mark.x, mark.y, kGroupMark);
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
