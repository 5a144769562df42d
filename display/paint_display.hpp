// Draws the composed display: the whole area white, then the lines of the representation
// on show, the bar, and the digit-group marks of an integer.
#pragma once

#include "display/canvas.hpp"
#include "display/display_model.hpp"
#include "engine/fraction.hpp"

namespace tomaro {

void PaintDisplay(const DisplayModel& m, Rep entry_rep, Canvas& canvas);

}  // namespace tomaro
