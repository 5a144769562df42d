// Exact evaluation of the pending operator: the "=" command, and the first step of every
// operator and memory command that finds an unevaluated operand.
#pragma once

#include "engine/calc_state.hpp"

namespace tomaro {

void Evaluate(CalcState& s, WindowRequests& w);

// The representation that the next "=" on an evaluated result shows.
constexpr Rep next_in_equals_cycle(Rep r) {
    switch (r) {
        case REP_INTEGER:
            return REP_FRACTION;
        case REP_FRACTION:
            return REP_MIXED;
        case REP_MIXED:
            return REP_DECIMAL;
        default:
            return REP_INTEGER;
    }
}

// How a sum of two values with these codes is shown, given its reduced denominator.
constexpr Rep combined_rep(Rep a, Rep b, Int64 reduced_den) {
    if (reduced_den == 1) return REP_INTEGER;
    if (a == REP_FRACTION || b == REP_FRACTION) return REP_FRACTION;
    if (a == REP_DECIMAL || b == REP_DECIMAL) return REP_DECIMAL;
    return REP_INTEGER;
}

}  // namespace tomaro
