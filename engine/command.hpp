// Every keypad command as one value, so that buttons, keys and scripts share one dispatch.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

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

// The command's word as scripts and tests write it: "7", "000", ".", "BAR", "M+".
constexpr std::string_view CommandWord(Command c) {
    switch (c) {
        case Command::Digit0:
            return "0";
        case Command::Digit1:
            return "1";
        case Command::Digit2:
            return "2";
        case Command::Digit3:
            return "3";
        case Command::Digit4:
            return "4";
        case Command::Digit5:
            return "5";
        case Command::Digit6:
            return "6";
        case Command::Digit7:
            return "7";
        case Command::Digit8:
            return "8";
        case Command::Digit9:
            return "9";
        case Command::TripleZero:
            return "000";
        case Command::Point:
            return ".";
        case Command::Backspace:
            return "BS";
        case Command::Sign:
            return "NEG";
        case Command::FractionBar:
            return "BAR";
        case Command::Reciprocal:
            return "INV";
        case Command::Add:
            return "+";
        case Command::Subtract:
            return "-";
        case Command::Multiply:
            return "*";
        case Command::Divide:
            return "/";
        case Command::Equals:
            return "=";
        case Command::AllClear:
            return "AC";
        case Command::ClearEntry:
            return "CE";
        case Command::MemoryAdd:
            return "M+";
        case Command::MemorySubtract:
            return "M-";
        case Command::MemoryRecall:
            return "MR";
        case Command::MemoryClear:
            return "MC";
    }
    return {};
}

void Run(Command c, CalcState& s, WindowRequests& w);

}  // namespace tomaro
