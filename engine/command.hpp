// Every keypad command as one value, so that buttons, keys and scripts share one dispatch.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/calc_state.hpp"

namespace tomaro {

enum class Command : std::uint8_t {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    TripleZero,
    Point,
    Backspace,
    Sign,
    FractionBar,
    Reciprocal,
    Add,
    Subtract,
    Multiply,
    Divide,
    Equals,
    AllClear,
    ClearEntry,
    MemoryAdd,
    MemorySubtract,
    MemoryRecall,
    MemoryClear,
};
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::MemoryClear) + 1;

constexpr Command digit_command(int digit) {
    return static_cast<Command>(digit);
}

void Run(Command c, CalcState& s, WindowRequests& w);

}  // namespace tomaro
