#include "display/display_model.hpp"

namespace tomaro {

void SetDisplayMetrics(DisplayModel& m, Rect display_rect, std::int32_t cx, std::int32_t cy) {
    m.displayRect = display_rect;
    m.charWidth = cx + 1;
    m.charHeight = cy;
    m.numY = 0;
    m.mainY = (3 * cy) / 4;
    m.barY = cy + 2;
    m.denY = cy + 6;
}

}  // namespace tomaro
