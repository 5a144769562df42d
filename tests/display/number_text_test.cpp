// The readout's numbers: the quotient of two 64-bit integers rounded once, fixed-point text at
// any precision, and how many decimals a value gets.
#include "display/number_text.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "display/compose_display.hpp"

namespace tomaro {
namespace {

using U128 = unsigned __int128;

std::uint64_t mag(std::int64_t x) {
    return x < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(x) : static_cast<std::uint64_t>(x);
}

int bit_width(U128 x) {
    int n = 0;
    for (; x != 0; x >>= 1)
        ++n;
    return n;
}

// Sets out = x * 2^shift, or returns false when that needs more than 127 bits.
bool shifted(U128 x, int shift, U128& out) {
    if (x != 0 && bit_width(x) + shift > 127) return false;
    out = x << shift;
    return true;
}

// True when d is the double nearest to num/den, ties to the even mantissa, judged in exact
// integers: with |d| = M * 2^e, the exact quotient must lie within half a step of M on the
// scale of 2^e (a quarter step below when M is the smallest mantissa of its binade).
bool is_nearest_double(std::int64_t num, std::int64_t den, double d) {
    if (num == 0) return d == 0.0;
    const bool negative = (num < 0) != (den < 0);
    if (!std::isfinite(d) || d == 0.0 || std::signbit(d) != negative) return false;
    int exp = 0;
    const double frac = std::frexp(std::fabs(d), &exp);
    const auto m = static_cast<std::uint64_t>(std::ldexp(frac, 53));  // 2^52 <= m < 2^53
    const int e = exp - 53;
    const std::uint64_t a = mag(num), b = mag(den);
    // Everything is multiplied by 4 * 2^-e so that both sides are integers.
    const U128 low = (U128{m} * 4 - (m == (std::uint64_t{1} << 52) ? 1 : 2)) * b;
    const U128 high = (U128{m} * 4 + 2) * b;
    U128 x = 0, lo = low, hi = high;
    if (2 - e >= 0) {
        if (!shifted(U128{a}, 2 - e, x)) return false;  // far above any nearby double
    } else {
        x = a;
        if (!shifted(low, e - 2, lo)) return false;
        if (!shifted(high, e - 2, hi)) return false;
    }
    if (x < lo || x > hi) return false;
    if (x == lo || x == hi) return m % 2 == 0;
    return true;
}

double naive_quotient(std::int64_t num, std::int64_t den) {
    return static_cast<double>(num) / static_cast<double>(den);
}

// 3 * (2^53 + 1) over 3: the exact 2^53 + 1 ties to 2^53, but the numerator as a double is
// already 3 * 2^53 + 4, and its quotient rounds to 2^53 + 2.
constexpr std::int64_t kTwiceRoundedNum = 27021597764222979;

TEST(NearestQuotient, CheckerRejectsTheTwiceRoundedQuotient) {
    EXPECT_FALSE(is_nearest_double(kTwiceRoundedNum, 3, naive_quotient(kTwiceRoundedNum, 3)));
    EXPECT_FALSE(is_nearest_double(kTwiceRoundedNum, 3, 9007199254740994.0));
    EXPECT_TRUE(is_nearest_double(kTwiceRoundedNum, 3, 9007199254740992.0));
    EXPECT_TRUE(is_nearest_double(1, 3, 1.0 / 3));
    EXPECT_FALSE(is_nearest_double(1, 3, std::nextafter(1.0 / 3, 1.0)));
    EXPECT_FALSE(is_nearest_double(1, 3, std::nextafter(1.0 / 3, 0.0)));
    EXPECT_FALSE(is_nearest_double(1, 3, -1.0 / 3));
}

TEST(NearestQuotient, AdversarialPairs) {
    const std::int64_t big = kInt64Max, small = kInt64Min;
    const std::vector<std::pair<std::int64_t, std::int64_t>> pairs = {
        {1, 3},
        {-1, 3},
        {1, -3},
        {kTwiceRoundedNum, 3},
        {-kTwiceRoundedNum, 3},
        {9007199254740993, 1},  // 2^53 + 1: a tie, to the even 2^53
        {9007199254740995, 1},  // 2^53 + 3: a tie, to the even 2^53 + 4
        {big, 1},
        {small, 1},
        {small, -1},
        {1, small},
        {-1, small},
        {big, small},
        {small, big},
        {big, big - 1},
        {big - 1, big},
        {small, small + 1},
        {big, 3},
        {small, 3},
        {small, 7},
        {1, big},
        {4611686018427387905, 4611686018427387904},
        {9007199254740993, 9007199254740992},
        {36028797018963971, 4},
    };
    for (const auto& [num, den] : pairs) {
        const double d = nearest_quotient(num, den);
        EXPECT_TRUE(is_nearest_double(num, den, d)) << num << "/" << den << " gave " << d;
    }
    EXPECT_EQ(nearest_quotient(small, -1), 9223372036854775808.0);
    EXPECT_EQ(nearest_quotient(1, small), -std::ldexp(1.0, -63));
}

TEST(NearestQuotient, RandomPairsAreRoundedOnce) {
    std::mt19937_64 rng(20240611);
    int naive_wrong = 0;
    for (int i = 0; i < 200000; ++i) {
        // Random lengths so that small and large magnitudes meet in every combination.
        const auto draw = [&rng]() {
            const auto bits = static_cast<int>(rng() % 64);
            const auto v = static_cast<std::int64_t>(rng() >> bits);
            return v == 0 ? std::int64_t{1} : v;
        };
        const std::int64_t num = draw();
        const std::int64_t den = draw();
        ASSERT_TRUE(is_nearest_double(num, den, nearest_quotient(num, den))) << num << "/" << den;
        if (!is_nearest_double(num, den, naive_quotient(num, den))) ++naive_wrong;
    }
    // The check must be able to fail: dividing two rounded doubles often rounds twice.
    EXPECT_GT(naive_wrong, 0);
}

struct FixedRow {
    double v;
    int precision;
    std::string text;
};

TEST(FormatFixed, Examples) {
    const std::vector<FixedRow> rows = {
        {0.0, 15, "0.000000000000000"},
        {-0.0, 15, "0.000000000000000"},  // a zero value shows no minus sign
        {-0.0, 0, "0"},
        {1.0 / 3, 15, "0.333333333333333"},
        {2.0 / 3, 15, "0.666666666666667"},
        {-3.5, 15, "-3.500000000000000"},
        {1e15, 0, "1000000000000000"},
        {1e18 * 1e18, 0, "1000000000000000042420637374017961984"},
        {-1.5e19, 0, "-15000000000000000000"},
        // Ties go to the even digit; a carry runs through the point and can add a digit.
        {0.5, 0, "0"},
        {1.5, 0, "2"},
        {-2.5, 0, "-2"},
        {0.125, 2, "0.12"},
        {0.375, 2, "0.38"},
        {9.9999, 3, "10.000"},
        {-0.0001, 2, "-0.00"},
        {0.1, 20, "0.10000000000000000555"},
        {5.0 / 6, 15, "0.833333333333333"},
        {std::ldexp(1.0, 70) + std::ldexp(1.0, 18), 2, "1180591620717411565568.00"},
        {1e-36, 51, "0.000000000000000000000000000000000001000000000000000"},
        {DBL_MAX, 0,
         "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589"
         "558632766878171540458953514382464234321326889464182768467546703537516986049910576551282"
         "076245490090389328944075868508455133942304583236903222948165808559332123348274797826204"
         "144723168738177180919299881250404026184124858368"},
    };
    std::string out = "stale text that must be replaced";
    for (const FixedRow& r : rows) {
        format_fixed(out, r.v, r.precision);
        EXPECT_EQ(out, r.text) << r.v << " with " << r.precision;
    }
}

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
// The standard library's correctly rounded digits, where it has them for doubles: the text
// format_fixed must match byte for byte (but for the sign of zero, which it drops).
std::string library_fixed(double v, int precision) {
    if (v == 0.0) v = 0.0;
    std::vector<char> buf(static_cast<std::size_t>(DBL_MAX_10_EXP + precision + 8));
    const auto end =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, precision);
    return {buf.data(), end.ptr};
}

TEST(FormatFixed, AgreesWithTheLibraryForAnyDoubleAndPrecision) {
    std::mt19937_64 rng(7);
    std::string out;
    // Any bit pattern: mostly huge or tiny magnitudes, written through wide integers.
    for (int i = 0; i < 20000; ++i) {
        const auto bits = rng();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (!std::isfinite(v) || v == 0.0) continue;
        const int precision = static_cast<int>(rng() % 61);
        format_fixed(out, v, precision);
        ASSERT_EQ(out, library_fixed(v, precision)) << v << " with " << precision;
    }
    // What the readout writes: quotients of 64-bit integers at the readout's precision, and
    // a few more digits, written in 64 bits where they fit.
    for (int i = 0; i < 200000; ++i) {
        const auto num = static_cast<std::int64_t>(rng() >> (rng() % 64));
        const auto den = static_cast<std::int64_t>(rng() >> (rng() % 64)) | 1;
        const double v = nearest_quotient(i % 2 == 0 ? num : -num, den);
        const int precision = readout_precision(v) + static_cast<int>(rng() % 4);
        format_fixed(out, v, precision);
        ASSERT_EQ(out, library_fixed(v, precision)) << num << "/" << den << " with " << precision;
    }
    // Tiny and huge values at long precisions: every digit is written, none is cut off.
    for (const double v : {DBL_TRUE_MIN, -DBL_MIN, DBL_MAX, -DBL_MAX, 1e-300}) {
        for (const int precision : {0, 33, 51, 340, 400}) {
            format_fixed(out, v, precision);
            EXPECT_EQ(out, library_fixed(v, precision)) << v << " with " << precision;
        }
    }
}
#endif

TEST(ReadoutPrecision, DigitsFollowTheMagnitude) {
    // The doubles nearest to 10^-1 .. 10^-5 lie just above them, those nearest to 10^-6 and
    // 10^-7 just below; the truncated logarithm must see which.
    const std::vector<std::pair<double, int>> rows = {
        {0.0, 15},  {-0.0, 15},  {1.0, 15},   {-1.0, 15},   {9.999999999999998, 15},
        {10.0, 14}, {100.0, 13}, {0.5, 15},   {0.05, 16},   {0.1, 15},
        {-0.1, 15}, {0.01, 16},  {0.001, 17}, {1e-4, 18},   {1e-5, 19},
        {1e-6, 21}, {1e-7, 22},  {1e-18, 32}, {1e-36, 51},  {999999999999999.0, 1},
        {1e15, 0},  {-1e15, 0},  {1e16, 0},   {DBL_MAX, 0},
    };
    for (const auto& [v, p] : rows)
        EXPECT_EQ(readout_precision(v), p) << v;
}

}  // namespace
}  // namespace tomaro
