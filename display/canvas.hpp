// What the display needs of a drawing surface. Coordinates are pixels of the display's
// client area; a text's y is always its top.
#pragma once

#include <cstdint>
#include <string_view>

#include "display/display_model.hpp"

namespace tomaro {

// Where a text stands from its x; each host maps these to its own drawing calls.
enum TextAlign : std::uint8_t {
    ALIGN_LEFT,    // x is the left end of the text
    ALIGN_RIGHT,   // x is the right end
    ALIGN_CENTRE,  // x is the centre
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void FillWhite(const Rect& r) = 0;
    virtual void SetTextAlign(TextAlign align) = 0;  // stays in force until set again
    virtual void TextOut(std::int32_t x, std::int32_t y, std::string_view utf8) = 0;
    // A one-pixel line from the first point towards the second, which is not drawn.
    virtual void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
};

}  // namespace tomaro
