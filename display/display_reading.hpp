// The display as text: one line for screen readers ("5/6", "0 5/6", "0.8{3}"), the same as
// it is said in Japanese, and the value it shows written out in full for the clipboard.
#pragma once

#include <optional>
#include <string>

#include "display/display_model.hpp"
#include "engine/calc_state.hpp"

namespace tomaro {

std::string DisplayReading(const DisplayModel& m);

// The reading as it is spoken: "6分の5", "2と3分の1", "マイナス1234567",
// "0.83、以下3の繰り返し" (the digits through one recurring block, then the block named),
// "1.23、以下省略" where the display cuts the text, "エラー、..." for the error display.
// A minus sign is said once, before the number, as "マイナス".
std::string SpokenReading(const DisplayModel& m);

// The value on the display in the form it is shown, in one line and in full: "5/6",
// "-2 1/3", "1234567", a decimal's whole expansion with its braces ("0.8{3}") where the
// display cuts it, and as its fraction ("1/109") where the braces hold only the first digits
// of a longer period. None while the display shows no value (the error display, a
// denominator too large to expand).
std::optional<std::string> DisplayedValueText(const CalcState& s, const DisplayModel& m);

}  // namespace tomaro
