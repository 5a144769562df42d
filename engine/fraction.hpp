// The calculator's value types: an exact 64-bit fraction, how it is shown, and its
// floating-point shadow used only to judge overflow.
#pragma once

#include "engine/wrapping.hpp"

namespace tomaro {

// Held exactly as keyed (1.50 is 150/100, a denominator may be negative) until an
// evaluation or the memory register reduces it.
struct Fraction {
    Int64 num = 0;
    Int64 den = 1;
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

enum Rep : int {
    REP_ERROR = -1,
    REP_INTEGER = 0,
    REP_FRACTION = 1,
    REP_MIXED = 2,
    REP_DECIMAL = 3,
};

// A fraction carried in doubles beside the exact one: it sees every operation unreduced.
struct Shadow {
    double num = 0.0;
    double den = 0.0;
    friend bool operator==(const Shadow&, const Shadow&) = default;
};

// 2^63 - 1024, the largest double below 2^63; a larger magnitude has overflowed.
inline constexpr double OVERFLOW_LIMIT = 9223372036854774784.0;

constexpr bool shadow_overflows(double x) {
    return x > OVERFLOW_LIMIT || x < -OVERFLOW_LIMIT;
}

constexpr Shadow shadow_of(Fraction f) {
    return {static_cast<double>(f.num), static_cast<double>(f.den)};
}

// A result computed exactly in 128 bits: the low 64 bits that the calculator keeps, its
// shadow, whether the exact numerator and denominator fitted, and whether the exact
// numerator is 0 (the kept one can be 0 by wrapping alone).
struct Checked {
    Fraction value;
    Shadow shadow;
    bool fits;
    bool zero;
};

constexpr Checked checked(Int128 num, Int128 den, Shadow shadow) {
    return {{static_cast<Int64>(num), static_cast<Int64>(den)},
            shadow,
            fits_reduced(num) && fits_reduced(den),
            num == 0};
}

enum class SumSign { Plus, Minus };

// left ± right over the product of the denominators, the one sum for every caller that
// adds fractions. Each caller passes its own shadows, and chooses which operand goes left:
// the shadow's terms are formed in that order, so its rounding is the caller's.
constexpr Checked checked_sum(Fraction left, Shadow ls, SumSign sign, Fraction right, Shadow rs) {
    const Int128 cross_left = Int128{left.num} * right.den;
    const Int128 cross_right = Int128{right.num} * left.den;
    const Int128 den = Int128{left.den} * right.den;
    if (sign == SumSign::Plus)
        return checked(exact_sum(cross_left, cross_right), den,
                       {ls.num * rs.den + rs.num * ls.den, ls.den * rs.den});
    return checked(exact_sum(cross_left, -cross_right), den,
                   {ls.num * rs.den - rs.num * ls.den, ls.den * rs.den});
}

// Signed Euclid, not std::gcd: the calculator's results depend on its sign, which follows
// the remainders, so a result divided by it still needs the sign rule (normalize_sign). It is
// never 0 and never traps, also for the most negative value.
constexpr Int64 Gcd(Int64 a, Int64 b) {
    Int64 x = a >= b ? a : b;
    Int64 y = a >= b ? b : a;
    if (y == 0) return 1;
    for (;;) {
        const Int64 r = wrapping_rem(x, y);
        if (r == 0) return y;
        x = y;
        y = r;
    }
}

// Divides both parts by their Gcd (wrapping, as everything else here).
constexpr Fraction reduce(Fraction f) {
    const Int64 g = Gcd(f.num, f.den);
    return {wrapping_div(f.num, g), wrapping_div(f.den, g)};
}

// A positive numerator over a negative denominator moves its sign up; nothing else changes.
constexpr Fraction normalize_sign(Fraction f) {
    if (f.num > 0 && f.den < 0) return {wrapping_neg(f.num), wrapping_neg(f.den)};
    return f;
}

}  // namespace tomaro
