// The reduction primitive and the 64-bit arithmetic it rests on: signed results, no traps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

#include "engine/fraction.hpp"
#include "tests/engine/engine_keys.hpp"

namespace tomaro {
namespace {

TEST(Gcd, SignFollowsTheRemaindersAndIsOrderFree) {
    struct Row {
        Int64 a, b, expected;
    };
    const Row rows[] = {
        {12, 18, 6},
        {18, 12, 6},
        {0, 5, 1},
        {5, 0, 1},
        {0, 0, 1},
        {0, -5, -5},
        {-5, 0, -5},
        {-6, 4, -2},
        {4, -6, -2},
        {-4, 6, 2},
        {6, -4, 2},
        {-4, -6, -2},
        {-7, -7, -7},
        {999999999999999999, 111111111111111111, 111111111111111111},
        // The most negative value never traps, whichever way round.
        {kInt64Min, -1, -1},
        {-1, kInt64Min, -1},
        {kInt64Max, kInt64Min, -1},
        {kInt64Min, 2, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << "Gcd(" << r.a << ", " << r.b << ")");
        EXPECT_EQ(Gcd(r.a, r.b), r.expected);
    }
}

TEST(Gcd, MagnitudeIsTheCommonDivisorAndReductionLeavesLowestTerms) {
    for (Int64 a = -40; a <= 40; ++a) {
        for (Int64 b = -40; b <= 40; ++b) {
            SCOPED_TRACE(::testing::Message() << a << "/" << b);
            const Int64 g = Gcd(a, b);
            ASSERT_NE(g, 0);
            if (std::min(a, b) != 0) {
                EXPECT_EQ(std::abs(g), std::gcd(a, b));
            }
            if (b == 0) continue;
            const Fraction f = normalize_sign(reduce({a, b}));
            EXPECT_EQ(f.num * b, a * f.den) << "the value changed";
            if (a == 0) continue;
            EXPECT_GT(f.den, 0) << "the sign belongs in the numerator";
            EXPECT_EQ(std::gcd(f.num, f.den), 1);
        }
    }
}

TEST(Gcd, ZeroNumeratorReducesOnlyOverANegativeDenominator) {
    // Gcd(0, d) is 1 for d >= 0, so 0/5 stays as it is; 0/-5 divides by -5.
    EXPECT_EQ(normalize_sign(reduce({0, 5})), (Fraction{0, 5}));
    EXPECT_EQ(normalize_sign(reduce({0, -5})), (Fraction{0, 1}));
}

TEST(Gcd, SignRuleMovesOnlyAPositiveOverANegative) {
    EXPECT_EQ(normalize_sign({3, -2}), (Fraction{-3, 2}));
    EXPECT_EQ(normalize_sign({-3, -2}), (Fraction{-3, -2}));
    EXPECT_EQ(normalize_sign({-3, 2}), (Fraction{-3, 2}));
    EXPECT_EQ(normalize_sign({0, -2}), (Fraction{0, -2}));
}

TEST(Wrapping, NeverTraps) {
    EXPECT_EQ(wrapping_neg(kInt64Min), kInt64Min);
    EXPECT_EQ(wrapping_mul(Int64{1} << 62, 2), kInt64Min);
    EXPECT_EQ(wrapping_div(kInt64Min, -1), kInt64Min);
    EXPECT_EQ(wrapping_rem(kInt64Min, -1), 0);
    EXPECT_EQ(wrapping_rem(7, -1), 0);
    EXPECT_EQ(wrapping_div(-7, 2), -3);
    EXPECT_EQ(wrapping_rem(-7, 2), -1);
    EXPECT_EQ(wrapping_rem(7, -2), 1);
    EXPECT_EQ(wrapping_div(-53, 10), -5);
}

TEST(Wrapping, FitsReducedExcludesTheMostNegativeValue) {
    EXPECT_TRUE(fits_reduced(kInt64Max));
    EXPECT_TRUE(fits_reduced(-Int128{kInt64Max}));
    EXPECT_FALSE(fits_reduced(kInt64Min));
    EXPECT_FALSE(fits_reduced(Int128{kInt64Max} + 1));
    EXPECT_FALSE(fits_reduced(Int128{103} * 89547301328687144));
}

// The portable 128-bit integer against the compiler's own, on the products and sums that
// evaluation forms (two 64-bit factors each, extremes included) and their quotients.
TEST(Wrapping, Int128AgreesWithTheCompilersOwn) {
    using Native = __int128;
    using Unsigned = unsigned __int128;
    const auto wrap = [](Unsigned v) { return static_cast<Native>(v); };
    const auto same = [](Int128 mine, Native native) {
        return static_cast<std::int64_t>(mine) == static_cast<std::int64_t>(native) &&
               static_cast<std::int64_t>(mine * Int128{1} - Int128{0}) ==
                   static_cast<std::int64_t>(native) &&
               (mine < Int128{0}) == (native < 0) && (mine == Int128{0}) == (native == 0) &&
               fits_reduced(mine) == (native >= -Native{kInt64Max} && native <= kInt64Max);
    };
    std::mt19937_64 random(20261208);
    std::vector<std::int64_t> values = {0,
                                        1,
                                        -1,
                                        2,
                                        -2,
                                        kInt64Max,
                                        kInt64Min,
                                        kInt64Min + 1,
                                        std::int64_t{1} << 32,
                                        -(std::int64_t{1} << 32)};
    for (int i = 0; i < 60; ++i)
        values.push_back(static_cast<std::int64_t>(random()));
    for (int i = 0; i < 20; ++i)
        values.push_back(static_cast<std::int64_t>(random() >> 33));
    // The whole 128 bits of a native value, built from 64-bit pieces.
    const auto of_native = [](Native n) {
        const auto low = static_cast<std::uint64_t>(n);
        const Int128 two32{std::int64_t{1} << 32};
        return Int128{static_cast<std::int64_t>(n >> 64)} * two32 * two32 +
               Int128{static_cast<std::int64_t>(low >> 1)} * Int128{2} +
               Int128{static_cast<std::int64_t>(low & 1)};
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        for (std::size_t j = 0; j < values.size(); ++j) {
            const std::int64_t a = values[i], b = values[j];
            const Native np = Native{a} * b, nq = Native{b} * a;
            const Int128 p = Int128{a} * b, q = Int128{b} * a;
            ASSERT_TRUE(same(p, np)) << a << " * " << b;
            ASSERT_TRUE(same(exact_sum(p, q), wrap(Unsigned(np) + Unsigned(nq))))
                << a << " * " << b << " twice";
            ASSERT_TRUE(same(exact_sum(p, -q), wrap(Unsigned(np) - Unsigned(nq))))
                << a << " * " << b << " less itself";
            ASSERT_EQ(p < Int128{a}, np < a) << a << " * " << b << " against " << a;
            // The high half matters: shifting the product right by 64 must agree too.
            ASSERT_EQ(p > Int128{kInt64Max}, np > kInt64Max) << a << " * " << b;
            ASSERT_EQ(p < Int128{kInt64Min}, np < kInt64Min) << a << " * " << b;
            // Division of the product by a 64-bit and by a 128-bit divisor, truncating.
            const std::int64_t c = values[(i + j) % values.size()];
            for (const std::int64_t k : {std::int64_t{1}, c}) {
                const Native d = Native{b} * k;
                if (d == 0) continue;
                const auto message = [&] {
                    return ::testing::Message() << a << " * " << b << " over " << b << " * " << k;
                };
                ASSERT_TRUE(p / of_native(d) == of_native(np / d)) << message();
                ASSERT_TRUE(p % of_native(d) == of_native(np % d)) << message();
            }
        }
    }
}

TEST(Wrapping, ShadowLimitIsTheLargestDoubleBelowTwoToThe63) {
    EXPECT_FALSE(shadow_overflows(9223372036854774784.0));
    EXPECT_FALSE(shadow_overflows(-9223372036854774784.0));
    EXPECT_TRUE(shadow_overflows(9223372036854775808.0));
    EXPECT_TRUE(shadow_overflows(-9223372036854775808.0));
    // 2^63 - 512 lies halfway and rounds to the even neighbour, 2^63.
    EXPECT_FALSE(shadow_overflows(static_cast<double>(Int64{9223372036854775295})));
    EXPECT_TRUE(shadow_overflows(static_cast<double>(Int64{9223372036854775296})));
    EXPECT_TRUE(shadow_overflows(static_cast<double>(kInt64Max)));
}

}  // namespace
}  // namespace tomaro
