// The display as one line of text, for screen readers: "5/6", "1 2/3", "0.8{3}".
#pragma once

#include <string>

#include "display/display_model.hpp"
#include "engine/fraction.hpp"

namespace tomaro {

std::string DisplayReading(const DisplayModel& m, Rep entry_rep);

}  // namespace tomaro
