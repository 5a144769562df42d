// The display drawn in characters, as a person would read it off the screen, followed by
// the four fields under it: "[M] [0.833333333333333] [真分数] [=]".
#pragma once

#include <string>

#include "cli/hosted_calculator.hpp"

namespace tomaro {

// Appends the picture, every line ending with a newline and none with a space. The
// digit-group marks are shown exactly where the display drew them.
void AppendTextPicture(std::string& out, const CalcState& s, const DisplayModel& m,
                       std::span<const PaintOp> display);

}  // namespace tomaro
