#include "platform/terminal/cell_rule.hpp"

namespace tomaro::platform::terminal {
namespace {

constexpr int kColumnsPerFiveUnits = 2;  // 2.5 units a column
constexpr int kRowsPerTwentyUnits = 3;   // a button's 20 units are three rows

// value * numerator / denominator, halves rounded up (values here are never negative).
int RoundedScale(long long value, long long numerator, long long denominator) {
    return static_cast<int>((2 * value * numerator + denominator) / (2 * denominator));
}

int FloorDiv(std::int32_t value, std::int32_t divisor) {
    const std::int32_t q = value / divisor;
    return (value % divisor != 0 && value < 0) ? q - 1 : q;
}

}  // namespace

int ColumnOf(int dlu_x, Squeeze squeeze) {
    return RoundedScale(dlu_x, kColumnsPerFiveUnits * static_cast<long long>(squeeze.fit_cols),
                        5LL * squeeze.natural_cols);
}

int RowOf(int dlu_y) {
    return RoundedScale(dlu_y, kRowsPerTwentyUnits, 20);
}

CellRect ToCells(const DluRect& r, Squeeze squeeze) {
    const int col = ColumnOf(r.x, squeeze);
    const int row = RowOf(r.y);
    return {col, row, ColumnOf(r.x + r.width, squeeze) - col, RowOf(r.y + r.height) - row};
}

int CellColumnOfPixel(std::int32_t x) {
    return FloorDiv(x, kCellPixelWidth);
}

int CellRowOfPixel(std::int32_t y) {
    return FloorDiv(y, kCellPixelHeight);
}

std::int32_t TextLeftPixel(std::int32_t x, TextAlign align, int cells) {
    const std::int32_t width = cells * kCellPixelWidth;
    switch (align) {
        case ALIGN_RIGHT:
            return x - width;
        case ALIGN_CENTRE:
            return x - width / 2;
        case ALIGN_LEFT:
            break;
    }
    return x;
}

}  // namespace tomaro::platform::terminal
