// The one-value memory register: M+, M- and MR (MC is MemoryClear).
#pragma once

#include "engine/calc_state.hpp"

namespace tomaro {

void OnMemoryAdd(CalcState& s, WindowRequests& w);
void OnMemorySubtract(CalcState& s, WindowRequests& w);
void OnMemoryRecall(CalcState& s, WindowRequests& w);

}  // namespace tomaro
