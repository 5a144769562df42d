#include "display/number_text.hpp"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace tomaro {

void format_integer(std::string& out, std::int64_t v) {
    char buf[24];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    out.assign(buf, end);
}

void format_magnitude(std::string& out, std::int64_t v) {
    char buf[24];
    const auto end = std::to_chars(buf, buf + sizeof buf, magnitude(v)).ptr;
    out.assign(buf, end);
}

void format_whole_part(std::string& out, Fraction f) {
    const Int64 q = wrapping_div(f.num, f.den);
    format_integer(out, q);
    if (q == 0 && is_negative(f)) out.insert(out.begin(), '-');
}

void format_fixed(std::string& out, double v, int precision) {
    if (v == 0.0) v = 0.0;  // drops the sign of -0.0
    // Sign, the integer digits of the largest double, the point, the decimals.
    constexpr int kWidestIntegerPart = std::numeric_limits<double>::max_exponent10 + 2;
    out.resize(static_cast<std::size_t>(kWidestIntegerPart + 2 + precision));
    const auto result =
        std::to_chars(out.data(), out.data() + out.size(), v, std::chars_format::fixed, precision);
    out.resize(static_cast<std::size_t>(result.ptr - out.data()));
}

double nearest_quotient(std::int64_t num, std::int64_t den) {
    if (num == 0 || den == 0) return static_cast<double>(num) / static_cast<double>(den);
    // Normalise both magnitudes to a set top bit; the quotient of a * 2^64 by b then has 64
    // or 65 significant bits, and a remainder folds into its lowest bit as a sticky bit so
    // that the one conversion to double rounds exactly as the true quotient would.
    const std::uint64_t a0 = magnitude(num), b0 = magnitude(den);
    const int shift_a = std::countl_zero(a0), shift_b = std::countl_zero(b0);
    const std::uint64_t a = a0 << shift_a, b = b0 << shift_b;
    const bool top = a >= b;  // the quotient's 65th bit
    const WideQuotient low = wide_div(top ? a - b : a, b);
    const std::uint64_t sticky = low.exact ? 0 : 1;
    // A 65-bit quotient drops its lowest bit into the sticky bit: 64 bits still hold more
    // than the 53 that a double keeps, so the rounding is unchanged.
    const std::uint64_t q =
        top ? (std::uint64_t{1} << 63) | (low.q >> 1) | (low.q & 1) | sticky : low.q | sticky;
    const double m = std::ldexp(static_cast<double>(q), shift_b - shift_a - (top ? 63 : 64));
    return is_negative({num, den}) ? -m : m;
}

}  // namespace tomaro
