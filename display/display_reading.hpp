// The display as one line of text, for screen readers: "5/6", "1 2/3", "0.8{3}".
#pragma once

#include <string>

#include "display/display_model.hpp"

namespace tomaro {

std::string DisplayReading(const DisplayModel& m);

}  // namespace tomaro
