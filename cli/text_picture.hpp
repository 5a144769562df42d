// The display drawn in characters, as a person would read it off the screen, followed by
// the four fields under it: "[M] [0.833333333333333] [真分数] [=]".
#pragma once

#include <string>

#include "display/display_model.hpp"
#include "engine/calc_state.hpp"

namespace tomaro {

// Appends the picture of the composed display, every line ending with a newline and none
// with a space; the digit-group marks stand where the display draws them.
void AppendTextPicture(std::string& out, const CalcState& s, const DisplayModel& m);

}  // namespace tomaro
