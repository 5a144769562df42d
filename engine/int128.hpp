// A signed 128-bit integer in two 64-bit halves, for the exact products and sums that judge
// overflow and the exact reading of decimals, and the wide product and division of 64-bit
// halves it rests on. Written out
// rather than taken from the compiler because 32-bit targets have no 128-bit type;
// arithmetic wraps modulo 2^128 and never traps.
#pragma once

#include <compare>
#include <cstdint>

namespace tomaro {

// The full 128-bit product of two unsigned 64-bit values, from 32-bit halves.
struct Wide {
    std::uint64_t hi, lo;
};

constexpr Wide wide_mul(std::uint64_t a, std::uint64_t b) {
    constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;
    const std::uint64_t a_lo = a & kLow32, a_hi = a >> 32, b_lo = b & kLow32, b_hi = b >> 32;
    const std::uint64_t lo_lo = a_lo * b_lo, hi_lo = a_hi * b_lo;
    const std::uint64_t lo_hi = a_lo * b_hi, hi_hi = a_hi * b_hi;
    const std::uint64_t middle = (lo_lo >> 32) + (hi_lo & kLow32) + lo_hi;
    return {hi_hi + (hi_lo >> 32) + (middle >> 32), (middle << 32) | (lo_lo & kLow32)};
}

// (high * 2^64) / divisor, for high < divisor and a divisor with its top bit set, and
// whether it divides exactly: long division in 32-bit digits. The readout rounds a quotient
// of 64-bit values with it. The intermediate products wrap modulo 2^64 by design; each
// partial remainder is below the divisor.
struct WideQuotient {
    std::uint64_t q;
    bool exact;
};

constexpr WideQuotient wide_div(std::uint64_t high, std::uint64_t divisor) {
    constexpr std::uint64_t kDigit = std::uint64_t{1} << 32;
    const std::uint64_t v1 = divisor >> 32, v0 = divisor & (kDigit - 1);
    const auto next_digit = [&](std::uint64_t rest, std::uint64_t digit_in) {
        std::uint64_t q = rest / v1, r = rest - q * v1;
        while (q >= kDigit || q * v0 > kDigit * r + digit_in) {
            --q;
            r += v1;
            if (r >= kDigit) break;
        }
        return q;
    };
    const std::uint64_t q1 = next_digit(high, 0);
    const std::uint64_t rest = high * kDigit - q1 * divisor;
    const std::uint64_t q0 = next_digit(rest, 0);
    const std::uint64_t remainder = rest * kDigit - q0 * divisor;
    return {q1 * kDigit + q0, remainder == 0};
}

class Int128 {
public:
    constexpr Int128() = default;
    constexpr Int128(std::int64_t v)  // NOLINT: widening, as a built-in integer would
        : hi_(v < 0 ? ~std::uint64_t{0} : 0), lo_(static_cast<std::uint64_t>(v)) {}

    // The low 64 bits, as a narrowing conversion of a built-in integer keeps them.
    constexpr explicit operator std::int64_t() const { return static_cast<std::int64_t>(lo_); }

    friend constexpr Int128 operator+(Int128 a, Int128 b) {
        const std::uint64_t lo = a.lo_ + b.lo_;
        return {a.hi_ + b.hi_ + (lo < a.lo_ ? 1 : 0), lo};
    }
    friend constexpr Int128 operator-(Int128 a) { return Int128{~a.hi_, ~a.lo_} + Int128{1}; }
    friend constexpr Int128 operator-(Int128 a, Int128 b) { return a + -b; }
    friend constexpr Int128 operator*(Int128 a, Int128 b) {
        const Wide low = wide_mul(a.lo_, b.lo_);
        return {low.hi + a.hi_ * b.lo_ + a.lo_ * b.hi_, low.lo};
    }

    // Truncating quotient and remainder, as the built-in integers give them: the remainder
    // takes the sign of the dividend. A zero divisor gives a quotient of all one bits.
    friend constexpr Int128 operator/(Int128 a, Int128 b) {
        Int128 r;
        const Int128 q = divide_magnitudes(magnitude_bits(a), magnitude_bits(b), r);
        return (a < Int128{0}) != (b < Int128{0}) ? -q : q;
    }
    friend constexpr Int128 operator%(Int128 a, Int128 b) {
        Int128 r;
        divide_magnitudes(magnitude_bits(a), magnitude_bits(b), r);
        return a < Int128{0} ? -r : r;
    }

    friend constexpr bool operator==(Int128, Int128) = default;
    friend constexpr std::strong_ordering operator<=>(Int128 a, Int128 b) {
        const auto a_hi = static_cast<std::int64_t>(a.hi_), b_hi = static_cast<std::int64_t>(b.hi_);
        if (a_hi != b_hi) return a_hi <=> b_hi;
        return a.lo_ <=> b.lo_;
    }

private:
    constexpr Int128(std::uint64_t hi, std::uint64_t lo) : hi_(hi), lo_(lo) {}

    // |v| as an unsigned 128-bit value in the same two halves; -2^127 gives 2^127.
    static constexpr Int128 magnitude_bits(Int128 v) { return v < Int128{0} ? -v : v; }

    // Comparison and one-bit shift of the halves read as an unsigned 128-bit value.
    static constexpr bool unsigned_below(Int128 a, Int128 b) {
        return a.hi_ != b.hi_ ? a.hi_ < b.hi_ : a.lo_ < b.lo_;
    }
    static constexpr Int128 shifted_in(Int128 v, std::uint64_t bit) {
        return {(v.hi_ << 1) | (v.lo_ >> 63), (v.lo_ << 1) | bit};
    }

    // Unsigned binary long division, one bit of the dividend at a time: the quotient, and
    // the remainder in `rest`.
    static constexpr Int128 divide_magnitudes(Int128 n, Int128 d, Int128& rest) {
        Int128 q;
        rest = Int128{};
        for (int bit = 127; bit >= 0; --bit) {
            const std::uint64_t half = bit >= 64 ? n.hi_ : n.lo_;
            rest = shifted_in(rest, (half >> (bit % 64)) & 1);
            q = shifted_in(q, 0);
            if (!unsigned_below(rest, d)) {
                rest = rest - d;
                q.lo_ |= 1;
            }
        }
        return q;
    }

    std::uint64_t hi_ = 0;  // two's complement: the sign is the top bit of hi_
    std::uint64_t lo_ = 0;
};

}  // namespace tomaro
