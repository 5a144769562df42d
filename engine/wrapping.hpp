// Two's-complement 64-bit arithmetic as the calculator defines it: products keep the low
// 64 bits, sums and negation wrap, division truncates and never traps. Nothing else in the
// engine does integer arithmetic on numerators and denominators by hand (the shadows are
// doubles).
#pragma once

#include <cstdint>
#include <limits>

#include "engine/int128.hpp"

namespace tomaro {

using Int64 = std::int64_t;
using UInt64 = std::uint64_t;

inline constexpr Int64 kInt64Min = std::numeric_limits<Int64>::min();
inline constexpr Int64 kInt64Max = std::numeric_limits<Int64>::max();

constexpr Int64 wrapping_add(Int64 a, Int64 b) {
    return static_cast<Int64>(static_cast<UInt64>(a) + static_cast<UInt64>(b));
}

constexpr Int64 wrapping_sub(Int64 a, Int64 b) {
    return static_cast<Int64>(static_cast<UInt64>(a) - static_cast<UInt64>(b));
}

constexpr Int64 wrapping_mul(Int64 a, Int64 b) {
    return static_cast<Int64>(static_cast<UInt64>(a) * static_cast<UInt64>(b));
}

constexpr Int64 wrapping_neg(Int64 a) {
    return static_cast<Int64>(UInt64{0} - static_cast<UInt64>(a));
}

// Truncating quotient; the most negative value over -1 gives itself instead of trapping.
constexpr Int64 wrapping_div(Int64 a, Int64 b) {
    return b == -1 ? wrapping_neg(a) : a / b;
}

// Remainder with the sign of the dividend; anything rem -1 is 0.
constexpr Int64 wrapping_rem(Int64 a, Int64 b) {
    return b == -1 ? 0 : a % b;
}

// |a| without overflow: the most negative value has magnitude 2^63.
constexpr UInt64 magnitude(Int64 a) {
    return a < 0 ? UInt64{0} - static_cast<UInt64>(a) : static_cast<UInt64>(a);
}

// Sum of two exact products (each at most 2^126 in magnitude); wraps rather than traps in
// the one case that exceeds 128 bits, which is far out of range either way.
constexpr Int128 exact_sum(Int128 a, Int128 b) {
    return a + b;
}

// True when an exactly computed value is a 64-bit value of magnitude at most 2^63 - 1. The
// most negative value fails on purpose: reducing it by a divisor of -1 would wrap onto itself.
constexpr bool fits_reduced(Int128 v) {
    return v >= -Int128{kInt64Max} && v <= Int128{kInt64Max};
}

}  // namespace tomaro
