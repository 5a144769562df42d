// How a dialog template becomes character cells, and how the display's "pixels" fall into
// them. A cell is 2.5 dialog units wide and 20/3 high: column = round(x * 2 / 5) and
// row = round(y * 3 / 20), halves rounded up, each edge of a rectangle mapped on its own.
// The calculator's buttons (25 x 20 units) are then 10 x 3 cells, its rows and columns stay
// straight, and the whole dialog is 78 x 23 cells: 80 x 24 with its frame and caption.
#pragma once

#include <cstdint>

#include "platform/platform.hpp"
#include "resources/dialog_template.hpp"

namespace tomaro::platform::terminal {

struct CellRect {
    int col = 0, row = 0, cols = 0, rows = 0;
    bool Contains(int c, int r) const {
        return c >= col && c < col + cols && r >= row && r < row + rows;
    }
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

// A dialog wider than the screen is narrowed to fit it: every column is then scaled by
// fit_cols / natural_cols. {1, 1} leaves the rule as it is.
struct Squeeze {
    int fit_cols = 1;
    int natural_cols = 1;
};

int ColumnOf(int dlu_x, Squeeze squeeze = {});
int RowOf(int dlu_y);
CellRect ToCells(const DluRect& r, Squeeze squeeze = {});

// The display's device context and screen points count in "pixels": each cell is this many
// wide and high. "X" measures 7 x 7, so the display's character cell is 8 (its width plus
// one) and its lines fall at y = 0 (upper), 5 (main), 9 (bar) and 13 (lower): rows 0, 1, 1
// and 2, with the digit-group marks (y = 2) on row 0.
inline constexpr std::int32_t kCellPixelWidth = 8;
inline constexpr std::int32_t kCellPixelHeight = 5;
inline constexpr Size kLetterExtent{7, 7};

// The cell that holds a pixel (floor division: pixels left of or above 0 are outside).
int CellColumnOfPixel(std::int32_t x);
int CellRowOfPixel(std::int32_t y);

// The left pixel of a text `cells` wide that the display's painter draws at x.
std::int32_t TextLeftPixel(std::int32_t x, TextAlign align, int cells);

}  // namespace tomaro::platform::terminal
