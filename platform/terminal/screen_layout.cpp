#include "platform/terminal/screen_layout.hpp"

#include <algorithm>

#include "platform/terminal/cell_text.hpp"

namespace tomaro::platform::terminal {
namespace {

constexpr int kSides = 2;  // one frame column each side
constexpr int kCaptionRows = 1;
constexpr int kMenuPadding = 4;  // frame and one blank each side of an item

}  // namespace

CellRect Placement::Place(const ControlTemplate& c) const {
    CellRect r = ToCells(c.rect, squeeze);
    r.col += client.col;
    r.row += client.row;
    return r;
}

ScreenSize MinimumSize(const DialogTemplate& t) {
    const CellRect natural = ToCells(t.rect);
    return {natural.cols + kSides, natural.rows};
}

Placement PlaceDialog(const DialogTemplate& t, ScreenSize screen) {
    const CellRect natural = ToCells(t.rect);
    Placement p;
    int cols = natural.cols;
    if (cols + kSides > screen.cols && screen.cols > kSides) {
        p.squeeze = {screen.cols - kSides, natural.cols};
        cols = screen.cols - kSides;
    }
    const int rows = natural.rows;
    // The first spare row takes the caption, the second the bottom edge.
    const int spare = screen.rows - rows;
    p.caption = spare >= kCaptionRows;
    p.bottom_edge = spare >= kCaptionRows + 1;
    const int caption_rows = p.caption ? kCaptionRows : 0;
    const int box_rows = caption_rows + rows + (p.bottom_edge ? 1 : 0);
    const int col = std::max(0, (screen.cols - cols - kSides) / 2);
    const int row = std::max(0, (screen.rows - box_rows) / 2);
    p.box = {col, row, cols + kSides, box_rows};
    p.client = {col + 1, row + caption_rows, cols, rows};
    return p;
}

Point PointOfCell(int col, int row, CellRect anchor) {
    return {(col - anchor.col) * kCellPixelWidth, (row - anchor.row) * kCellPixelHeight};
}

std::pair<int, int> CellOfPoint(Point p, CellRect anchor) {
    return {anchor.col + CellColumnOfPixel(p.x), anchor.row + CellRowOfPixel(p.y)};
}

CellRect MenuBox(std::span<const std::pair<int, std::string>> items, Point at, CellRect anchor,
                 ScreenSize screen) {
    int widest = 0;
    for (const auto& item : items)
        widest = std::max(widest, CellsOf(WithoutMnemonics(item.second).text));
    const int cols = widest + kMenuPadding;
    const int rows = static_cast<int>(items.size()) + 2;
    const auto [col, row] = CellOfPoint(at, anchor);
    return {std::clamp(col, 0, std::max(0, screen.cols - cols)),
            std::clamp(row, 0, std::max(0, screen.rows - rows)), cols, rows};
}

}  // namespace tomaro::platform::terminal
