#include "display/number_text.hpp"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

#include "engine/wrapping.hpp"

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
    using U128 = unsigned __int128;
    // Normalise both magnitudes to a set top bit; the 64-bit quotient of the two then has 64
    // or 65 significant bits, and a remainder folds into its lowest bit as a sticky bit so
    // that the one conversion to double rounds exactly as the true quotient would.
    const std::uint64_t a = magnitude(num), b = magnitude(den);
    const int shift_a = std::countl_zero(a), shift_b = std::countl_zero(b);
    const U128 dividend = static_cast<U128>(a << shift_a) << 64;
    const std::uint64_t divisor = b << shift_b;
    U128 q = dividend / divisor;
    if (dividend % divisor != 0) q |= 1;
    const double m = std::ldexp(static_cast<double>(q), shift_b - shift_a - 64);
    return (num < 0) != (den < 0) ? -m : m;
}

}  // namespace tomaro
