// The display drawn in characters, as a person would read it off the screen, followed by
// the four fields under it: "[M] [0.833333333333333] [真分数] [=]".
#pragma once

#include <string>

#include "cli/headless_calculator.hpp"
#include "cli/recording_canvas.hpp"

namespace tomaro {

// Appends the picture, every line ending with a newline and none with a space. `canvas` is
// scratch space: the digit-group marks are shown exactly where the display draws them.
void AppendTextPicture(std::string& out, const HeadlessCalculator& calc, RecordingCanvas& canvas);

}  // namespace tomaro
