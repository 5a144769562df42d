// Turns the calculator's state into the display's texts and positions and into the texts of
// the readout, kind and operator fields. Composes only; drawing is PaintDisplay.
#pragma once

#include <string_view>

#include "display/display_model.hpp"
#include "engine/calc_state.hpp"

namespace tomaro {

inline constexpr std::string_view kKindInteger = "整数";
inline constexpr std::string_view kKindProper = "真分数";
inline constexpr std::string_view kKindImproper = "仮分数";
inline constexpr std::string_view kKindMixed = "帯分数";
inline constexpr std::string_view kKindError = "エラー";

// Writes only the fields that entryRep shows; the others keep their last values.
void ComposeDisplay(CalcState& s, DisplayModel& m);

// Places the composed lines again for the display's present size and character cell, from
// their texts alone: after the metrics were measured anew (the window moved to a screen of
// another pixel density) the same picture fits the new size, and nothing is composed that
// the calculator had not yet asked for.
void PlaceDisplay(DisplayModel& m);

// The readout's digits for a value v: 16 significant digits from 1 up to 10^15, none
// after the point beyond, 15 or 16 below 1.
int readout_precision(double v);

}  // namespace tomaro
