#include "display/display_model.hpp"

namespace tomaro {

void SetDisplayMetrics(DisplayModel& m, Rect display_rect, std::int32_t cx, std::int32_t cy,
                       const TextWidth& width) {
    m.displayRect = display_rect;
    m.charWidth = cx + 1;
    m.charHeight = cy;
    m.numY = 0;
    m.mainY = (3 * cy) / 4;
    m.barY = cy + 2;
    m.denY = cy + 6;
    for (std::size_t i = 0; i < kIntegerCharacters.size(); ++i) {
        if (!width) {
            m.advances[i] = m.charWidth * kAdvanceRun;
            continue;
        }
        // A run one longer less one alone: what a font adds once to any text (an overhang,
        // the cell's last pixel) drops out.
        const char c = kIntegerCharacters[i];
        m.advances[i] = width(std::string(kAdvanceRun + 1, c)) - width(std::string(1, c));
    }
}

}  // namespace tomaro
