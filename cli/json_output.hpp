// The calculator's state as one line of JSON, for scripts and bug reports.
#pragma once

#include <string>
#include <string_view>

#include "cli/hosted_calculator.hpp"

namespace tomaro {

// A JSON string literal: quote, backslash and control characters escaped, UTF-8 as it is.
void AppendJsonString(std::string& out, std::string_view text);

// The shortest text that reads back as the same double (the values here are finite).
void AppendJsonNumber(std::string& out, double v);

// One object on one line, ending with a newline: the key that just ran (null for the start
// state), the numbers and flags, the field texts, the composed display, the drawing
// operations the display shows, and the clipboard's text.
void AppendJsonState(std::string& out, const Key* key, const CalcState& s, const DisplayModel& m,
                     std::span<const PaintOp> display, std::string_view clipboard);

}  // namespace tomaro
