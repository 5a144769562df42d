#include "display/number_text.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace tomaro {
namespace {

// An unsigned integer of up to 36 limbs of 32 bits, least significant first: room for a
// double's integer part (below 2^1024) and for its fraction's numerator times ten (below
// 2^1078). Only the rare values that 64 bits cannot hold come here.
class BigUnsigned {
public:
    // m * 2^shift.
    BigUnsigned(std::uint64_t m, std::size_t shift) : size_(shift / 32) {
        const std::size_t bits = shift % 32;
        const std::uint64_t low = m << bits, high = bits == 0 ? 0 : m >> (64 - bits);
        for (const std::uint64_t part : {low, high}) {
            limbs_[size_++] = static_cast<std::uint32_t>(part);
            limbs_[size_++] = static_cast<std::uint32_t>(part >> 32);
        }
        Trim();
    }

    bool IsZero() const { return size_ == 0; }

    void MultiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < size_; ++i) {
            carry += std::uint64_t{limbs_[i]} * factor;
            limbs_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) limbs_[size_++] = static_cast<std::uint32_t>(carry);
    }

    // Divides by the divisor and answers the remainder.
    std::uint32_t DivideBy(std::uint32_t divisor) {
        std::uint64_t rest = 0;
        for (std::size_t i = size_; i-- > 0;) {
            rest = (rest << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(rest / divisor);
            rest %= divisor;
        }
        Trim();
        return static_cast<std::uint32_t>(rest);
    }

    // Removes the bits from `bit` up and answers them; they must fit in 32 bits.
    std::uint32_t TakeFrom(std::size_t bit) {
        const std::size_t limb = bit / 32, shift = bit % 32;
        if (limb >= size_) return 0;
        std::uint64_t above = limbs_[limb] >> shift;
        if (limb + 1 < size_) above |= std::uint64_t{limbs_[limb + 1]} << (32 - shift);
        limbs_[limb] &= (std::uint32_t{1} << shift) - 1;
        size_ = limb + 1;
        Trim();
        return static_cast<std::uint32_t>(above);
    }

    // -1, 0 or 1 as the value is below, at or above 2^bit.
    int CompareWithPowerOfTwo(std::size_t bit) const {
        const std::size_t limb = bit / 32;
        const std::uint32_t power = std::uint32_t{1} << (bit % 32);
        if (size_ != limb + 1) return size_ > limb + 1 ? 1 : -1;
        if (limbs_[limb] != power) return limbs_[limb] > power ? 1 : -1;
        for (std::size_t i = 0; i < limb; ++i)
            if (limbs_[i] != 0) return 1;
        return 0;
    }

private:
    void Trim() {
        while (size_ > 0 && limbs_[size_ - 1] == 0)
            --size_;
    }

    std::array<std::uint32_t, 36> limbs_{};
    std::size_t size_;
};

// The fraction m / 2^k, k > 0, for digits one at a time: in 64 bits while ten times it fits,
// else in a BigUnsigned.
struct SmallFraction {
    std::uint64_t numerator;
    int k;
    bool IsZero() const { return numerator == 0; }
    char NextDigit() {
        numerator *= 10;
        const auto digit = static_cast<char>('0' + (numerator >> k));
        numerator &= (std::uint64_t{1} << k) - 1;
        return digit;
    }
    int CompareWithHalf() const {
        const std::uint64_t half = std::uint64_t{1} << (k - 1);
        return numerator < half ? -1 : numerator > half ? 1 : 0;
    }
};

struct BigFraction {
    BigUnsigned numerator;
    std::size_t k;
    bool IsZero() const { return numerator.IsZero(); }
    char NextDigit() {
        numerator.MultiplyBy(10);
        return static_cast<char>('0' + numerator.TakeFrom(k));
    }
    int CompareWithHalf() const { return numerator.CompareWithPowerOfTwo(k - 1); }
};

// Writes the first `precision` digits of the fraction at `at` and answers whether what they
// leave out rounds the last digit written (or the whole part's last, with no decimals) up.
template <typename Digits>
bool WriteFractionDigits(char* at, std::size_t precision, Digits f, char last_whole_digit) {
    char last = last_whole_digit;
    std::size_t i = 0;
    for (; i < precision && !f.IsZero(); ++i)
        last = at[i] = f.NextDigit();
    std::fill(at + i, at + precision, '0');
    if (i < precision) return false;  // exact: nothing cut off
    const int half = f.CompareWithHalf();
    return half > 0 || (half == 0 && (last - '0') % 2 == 1);  // ties to even, as printf
}

// |v| = m * 2^e with m odd (or 0 with e 0), for a finite v: the fewest bits after the point,
// which keeps a fraction in 64 bits more often.
struct Binary {
    std::uint64_t m;
    int e;
};

Binary BinaryOf(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const int biased_exponent = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased_exponent != 0) m |= std::uint64_t{1} << 52;
    if (m == 0) return {0, 0};
    const int zeros = std::countr_zero(m);
    return {m >> zeros, (biased_exponent == 0 ? -1074 : biased_exponent - 1075) + zeros};
}

// The fraction of m * 2^e, e < 0, one digit at a time.
template <typename Use>
auto WithFraction(std::uint64_t m, int e, Use use) {
    const int k = -e;
    const std::uint64_t numerator = k >= 64 ? m : m & ((std::uint64_t{1} << k) - 1);
    return k <= 60 ? use(SmallFraction{numerator, k})
                   : use(BigFraction{BigUnsigned(numerator, 0), static_cast<std::size_t>(k)});
}

// The whole part of m * 2^e, most significant digit first; answers how many digits.
constexpr std::size_t kWholeDigits = 320;  // the largest double has 309

std::size_t WriteWholePart(std::array<char, kWholeDigits>& whole, std::uint64_t m, int e) {
    if (e <= 11) {  // m has at most 53 bits: below 2^64
        const std::uint64_t w = e >= 0 ? m << e : -e >= 64 ? 0 : m >> -e;
        return static_cast<std::size_t>(
            std::to_chars(whole.data(), whole.data() + whole.size(), w).ptr - whole.data());
    }
    // In 32-bit limbs, nine digits at a time from the lowest.
    BigUnsigned w(m, static_cast<std::size_t>(e));
    char* start = whole.data() + whole.size();
    while (!w.IsZero()) {
        std::uint32_t chunk = w.DivideBy(1000000000);
        for (int i = 0; i < 9; ++i, chunk /= 10)
            *--start = static_cast<char>('0' + chunk % 10);
    }
    while (*start == '0')
        ++start;
    const auto length = static_cast<std::size_t>(whole.data() + whole.size() - start);
    std::memmove(whole.data(), start, length);
    return length;
}

}  // namespace

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

// Exact in integers: a double is m * 2^e, so its whole part is an integer and its fraction
// m' / 2^k gives one decimal digit per multiplication by ten. Every host then writes the
// same text (printf's and to_chars' correctly rounded digits, ties to even), and none needs a
// floating-point to_chars.
void format_fixed(std::string& out, double v, int precision) {
    if (!std::isfinite(v)) {
        out = std::isnan(v) ? (std::signbit(v) ? "-nan" : "nan") : (v < 0 ? "-inf" : "inf");
        return;
    }
    const auto [m, e] = BinaryOf(v);

    std::array<char, kWholeDigits> whole;
    const std::size_t whole_length = WriteWholePart(whole, m, e);

    const std::size_t sign = v < 0 ? 1 : 0;  // -0.0 is written without its sign
    const auto decimals = static_cast<std::size_t>(std::max(precision, 0));
    out.resize(sign + whole_length + (decimals > 0 ? 1 + decimals : 0));
    char* const digits = out.data() + sign;
    if (sign != 0) out[0] = '-';
    std::memcpy(digits, whole.data(), whole_length);
    char* const fraction = digits + whole_length + 1;
    if (decimals > 0) fraction[-1] = '.';
    bool round_up = false;
    if (e >= 0) {
        std::fill_n(fraction, decimals, '0');
    } else {
        const char last_whole = digits[whole_length - 1];
        round_up = WithFraction(m, e, [&](auto digits_of) {
            return WriteFractionDigits(fraction, decimals, digits_of, last_whole);
        });
    }
    if (!round_up) return;
    for (std::size_t i = out.size(); i-- > sign;) {
        if (out[i] == '.') continue;
        if (out[i] != '9') {
            ++out[i];
            return;
        }
        out[i] = '0';
    }
    out.insert(sign, 1, '1');
}

int truncated_log10(double v) {
    if (!std::isfinite(v) || v == 0.0) return 0;
    const auto [m, e] = BinaryOf(v);
    std::array<char, kWholeDigits> whole;
    const std::size_t whole_length = WriteWholePart(whole, m, e);
    if (whole_length > 1 || whole[0] != '0') return static_cast<int>(whole_length) - 1;
    // Below 1: 10^-(n+1) < |v| < 10^-n, n the zeros after the point (no power of ten below 1
    // is a double, so |v| is neither bound).
    return WithFraction(m, e, [](auto digits_of) {
        int zeros = 0;
        while (digits_of.NextDigit() == '0')
            ++zeros;
        return -zeros;
    });
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
