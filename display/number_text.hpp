// Numbers as the display writes them.
#pragma once

#include <cstdint>
#include <string>

#include "engine/fraction.hpp"

namespace tomaro {

// The sign of every value shown: negative when the numerator is not 0 and the signs of the
// two parts differ (5/-6 and -5/6 alike).
constexpr bool is_negative(Fraction f) {
    return f.num != 0 && (f.num < 0) != (f.den < 0);
}

// Signed decimal, "-" before negative values, no padding.
void format_integer(std::string& out, std::int64_t v);
// |v| in decimal, exact also for the most negative value.
void format_magnitude(std::string& out, std::int64_t v);

// The whole part of f as the display writes it before a fraction or a point: the truncated
// quotient, with a minus sign also where a negative value truncates to 0 ("-0" of -1/2).
void format_whole_part(std::string& out, Fraction f);

// Fixed point with `precision` digits after the point, correctly rounded; the buffer is
// sized for any double and any precision. Zero is written without a minus sign.
void format_fixed(std::string& out, double v, int precision);

// The double nearest to num / den: one rounding of the exact quotient, however large the
// integers. A zero denominator gives what double division would.
double nearest_quotient(std::int64_t num, std::int64_t den);

}  // namespace tomaro
