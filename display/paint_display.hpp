// Draws the composed display: the whole area white, then the lines of the layout that was
// composed, the bar, and the digit-group marks of an integer.
#pragma once

#include "display/canvas.hpp"
#include "display/display_model.hpp"

namespace tomaro {

void PaintDisplay(const DisplayModel& m, Canvas& canvas);

}  // namespace tomaro
