// Numbers as the display writes them.
#pragma once

#include <cstdint>
#include <string>

namespace tomaro {

// Signed decimal, "-" before negative values, no padding.
void format_integer(std::string& out, std::int64_t v);
// |v| in decimal, exact also for the most negative value.
void format_magnitude(std::string& out, std::int64_t v);

// Fixed point with `precision` digits after the point, correctly rounded; the buffer is
// sized for any double and any precision. Zero is written without a minus sign.
void format_fixed(std::string& out, double v, int precision);

// The double nearest to num / den: one rounding of the exact quotient, however large the
// integers. A zero denominator gives what double division would.
double nearest_quotient(std::int64_t num, std::int64_t den);

}  // namespace tomaro
