// Exact decimal texts: terminating, recurring with the block in braces, and the refusal of
// denominators too large to expand.
#include "display/expand_decimal.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tomaro {
namespace {

struct DecimalRow {
    Int64 num;
    Int64 den;
    std::string text;
    std::string_view kind;
};

void PrintTo(const DecimalRow& r, std::ostream* os) {
    *os << r.num << "/" << r.den;
}

class ExpandDecimalTest : public ::testing::TestWithParam<DecimalRow> {};

TEST_P(ExpandDecimalTest, TextAndKind) {
    const DecimalRow& row = GetParam();
    const DecimalText got = ExpandDecimal({row.num, row.den});
    EXPECT_EQ(got.text, row.text);
    EXPECT_EQ(got.kind, row.kind);

    // The overload that reuses a buffer must not keep anything of what was in it.
    std::string reused = "0.{999999} left over from an earlier value";
    EXPECT_EQ(ExpandDecimal({row.num, row.den}, reused), row.kind);
    EXPECT_EQ(reused, row.text);

    // Read back, the text is the same value. Not readable: the message, a recurring zero
    // (written only for an unreduced value), a block cut short of its period (it means
    // another number) and 2^63 over an odd denominator (it has no 64-bit numerator).
    const auto read = ReadNumber(row.text);
    if (row.kind == kKindDecimal || row.text.ends_with("{0}") || !got.whole_period ||
        (row.num == kInt64Min && row.den % 2 != 0)) {
        EXPECT_FALSE(read.has_value());
        return;
    }
    ASSERT_TRUE(read.has_value());
    const Int128 num{read->negative ? -read->value.num : read->value.num};
    EXPECT_TRUE(num * row.den == Int128{row.num} * read->value.den)
        << read->value.num << "/" << read->value.den;
}

INSTANTIATE_TEST_SUITE_P(Recurring, ExpandDecimalTest,
                         ::testing::Values(DecimalRow{1, 3, "0.{3}", kKindRecurring},
                                           DecimalRow{1, 6, "0.1{6}", kKindRecurring},
                                           DecimalRow{1, 7, "0.{142857}", kKindRecurring},
                                           DecimalRow{22, 7, "3.{142857}", kKindRecurring},
                                           DecimalRow{1, 12, "0.08{3}", kKindRecurring},
                                           DecimalRow{7, 12, "0.58{3}", kKindRecurring},
                                           DecimalRow{5, 28, "0.17{857142}", kKindRecurring},
                                           DecimalRow{1, 81, "0.{012345679}", kKindRecurring},
                                           DecimalRow{1, 101, "0.{0099}", kKindRecurring},
                                           // Just below a power of ten: 10^12 - 1 has period 12.
                                           DecimalRow{1, 999999999999, "0.{000000000001}",
                                                      kKindRecurring}));

INSTANTIATE_TEST_SUITE_P(
    Negative, ExpandDecimalTest,
    ::testing::Values(
        DecimalRow{-1, 3, "-0.{3}", kKindRecurring}, DecimalRow{-7, 3, "-2.{3}", kKindRecurring},
        DecimalRow{-1, 6, "-0.1{6}", kKindRecurring}, DecimalRow{-1, 2, "-0.5", kKindTerminating},
        DecimalRow{-150, 100, "-1.50", kKindTerminating},
        // The sign may sit in the denominator, or in both parts.
        DecimalRow{1, -3, "-0.{3}", kKindRecurring}, DecimalRow{7, -10, "-0.7", kKindTerminating},
        DecimalRow{5, -2, "-2.5", kKindTerminating}, DecimalRow{-1, -3, "0.{3}", kKindRecurring},
        DecimalRow{-5, -10, "0.5", kKindTerminating},
        // Zero over a negative denominator is not a negative value.
        DecimalRow{0, -10, "0.0", kKindTerminating}, DecimalRow{0, -3, "0.{0}", kKindRecurring}));

INSTANTIATE_TEST_SUITE_P(
    Terminating, ExpandDecimalTest,
    ::testing::Values(DecimalRow{3, 8, "0.375", kKindTerminating},
                      DecimalRow{1, 250, "0.004", kKindTerminating},
                      DecimalRow{1, 1024, "0.0009765625", kKindTerminating},
                      DecimalRow{3, 2, "1.5", kKindTerminating},
                      DecimalRow{1, 2000000000000, "0.0000000000005", kKindTerminating},
                      // Read back past 64 bits as written.
                      DecimalRow{1, 1048576, "0.00000095367431640625", kKindTerminating},
                      DecimalRow{-3, 576460752303423488,
                                 "-0.0000000000000000052041704279304212832"
                                 "3577344417572021484375",
                                 kKindTerminating}));

// A keyed decimal keeps every place that was keyed, trailing zeros too.
INSTANTIATE_TEST_SUITE_P(
    PowersOfTen, ExpandDecimalTest,
    ::testing::Values(
        DecimalRow{15, 10, "1.5", kKindTerminating}, DecimalRow{150, 100, "1.50", kKindTerminating},
        DecimalRow{10, 10, "1.0", kKindTerminating}, DecimalRow{5, 1, "5.", kKindTerminating},
        DecimalRow{0, 1, "0.", kKindTerminating}, DecimalRow{123, 1, "123.", kKindTerminating},
        DecimalRow{1, 1, "1.", kKindTerminating}, DecimalRow{0, 1000, "0.000", kKindTerminating},
        DecimalRow{1, 100000000000000000, "0.00000000000000001", kKindTerminating},
        DecimalRow{123456789012345678, 100000000000000000, "1.23456789012345678",
                   kKindTerminating}));

// Only a denominator that is exactly 10^k keeps its keyed places; 10^k + 1 is an ordinary odd
// denominator with 10^k = -1 modulo it, so its period is 2k: k zeros, then k nines.
INSTANTIATE_TEST_SUITE_P(
    NearPowersOfTen, ExpandDecimalTest,
    ::testing::Values(DecimalRow{1, 1000000000001, "0.{000000000000999999999999}", kKindRecurring},
                      DecimalRow{1, 10000000000000001, "0.{00000000000000009999999999999999}",
                                 kKindRecurring},
                      DecimalRow{-1, 100000000000000001, "-0.{0000000000000000099999999999999999}",
                                 kKindRecurring}));

// The most negative numerator has no positive counterpart; its digits must still come out.
INSTANTIATE_TEST_SUITE_P(
    MostNegativeNumerator, ExpandDecimalTest,
    ::testing::Values(DecimalRow{kInt64Min, 1, "-9223372036854775808.", kKindTerminating},
                      DecimalRow{kInt64Min, 10, "-922337203685477580.8", kKindTerminating},
                      DecimalRow{kInt64Min, 3, "-3074457345618258602.{6}", kKindRecurring},
                      DecimalRow{kInt64Min, 7, "-1317624576693539401.{142857}", kKindRecurring}));

// Unreduced fractions are expanded from their own parts: the pre-period follows the remainder
// as given, so 3/6 ends in a recurring zero.
INSTANTIATE_TEST_SUITE_P(Unreduced, ExpandDecimalTest,
                         ::testing::Values(DecimalRow{2, 6, "0.{3}", kKindRecurring},
                                           DecimalRow{4, 12, "0.{3}", kKindRecurring},
                                           DecimalRow{3, 6, "0.5{0}", kKindRecurring},
                                           DecimalRow{2, 4, "0.5", kKindTerminating}));

// A denominator of 922337203685477504 is the largest expanded; its long division and period
// search must run without overflow (2^7 times an odd part whose period exceeds the cap).
INSTANTIATE_TEST_SUITE_P(
    LargestDenominators, ExpandDecimalTest,
    ::testing::Values(
        DecimalRow{1, 922337203685477504,
                   "0.0000000{000000000010842021724855045242854189440216298405754944429693487552702"
                   "57126050067070532106298935726462}",
                   kKindRecurring},
        DecimalRow{922337203685477503, 922337203685477504,
                   "0.9999999{999999999989157978275144954757145810559783701594245055570306512447297"
                   "42873949932929467893701064273537}",
                   kKindRecurring},
        DecimalRow{-1, 922337203685477503,
                   "-0.{000000000000000001084202172485504525460913294843917545577838549053316826099"
                   "86769467562880473269120857}",
                   kKindRecurring},
        DecimalRow{1, 922337203685477505, std::string(kTooLargeMessage), kKindDecimal},
        DecimalRow{1, -922337203685477505, std::string(kTooLargeMessage), kKindDecimal},
        DecimalRow{kInt64Min, kInt64Max, std::string(kTooLargeMessage), kKindDecimal},
        DecimalRow{5, kInt64Min, std::string(kTooLargeMessage), kKindDecimal}));

TEST(ExpandDecimal, TwoLineAndCutExamples) {
    const DecimalText t47 = ExpandDecimal({1, 47});
    EXPECT_EQ(t47.text, "0.{0212765957446808510638297872340425531914893617}");
    EXPECT_EQ(t47.text.size(), 50u);

    const DecimalText t97 = ExpandDecimal({1, 97});
    EXPECT_EQ(t97.text,
              "0.{01030927835051546391752577319587628865979381443298969072164948453608247422680412"
              "3711340206185567}");
    EXPECT_EQ(t97.text.size(), 100u);
    EXPECT_EQ(t97.kind, kKindRecurring);
}

TEST(ExpandDecimal, PeriodLongerThanTheCapShowsItsFirst101Digits) {
    // 1/109 has period 108; the braces close after 101 digits.
    const DecimalText t = ExpandDecimal({1, 109});
    EXPECT_EQ(t.text,
              "0.{009174311926605504587155963302752293577981651376146788990825688073394495412844"
              "03669724770642201834862}");
    EXPECT_EQ(t.text.size(), 105u);
    EXPECT_EQ(t.kind, kKindRecurring);
    EXPECT_FALSE(t.whole_period);
    EXPECT_TRUE(ExpandDecimal({1, 97}).whole_period);  // 96 digits
}

}  // namespace
}  // namespace tomaro
