// Keying an operand: digits and their limits, point, backspace, sign, fraction bar,
// reciprocal, operators and clear entry, with the guards and refreshes of each.
#include <gtest/gtest.h>

#include "tests/engine/engine_keys.hpp"

namespace tomaro {
namespace {

using testing::Engine;
using testing::played;
using testing::Requests;

struct EntryRow {
    const char* keys;
    Fraction entry;
    Rep rep;
};

void expect_entries(const EntryRow* begin, const EntryRow* end) {
    for (const EntryRow* r = begin; r != end; ++r) {
        SCOPED_TRACE(r->keys);
        const CalcState s = played(r->keys).state();
        EXPECT_EQ(s.entry, r->entry);
        EXPECT_EQ(s.entryRep, r->rep);
    }
}

TEST(OperandEntry, KeyedFormsAreKeptExactlyAsKeyed) {
    const EntryRow rows[] = {
        {"0 0 7", {7, 1}, REP_INTEGER},
        {"000 5", {5, 1}, REP_INTEGER},
        {"5 000", {5000, 1}, REP_INTEGER},
        {"3 BAR 2", {2, 3}, REP_FRACTION},  // denominator first
        {"3 NEG BAR 2", {2, -3}, REP_FRACTION},
        {"1.25", {125, 100}, REP_DECIMAL},
        {"1.50", {150, 100}, REP_DECIMAL},  // trailing zeros stay
        {".", {0, 1}, REP_DECIMAL},
        {"1.", {1, 1}, REP_DECIMAL},
        {"1.5.", {15, 1}, REP_INTEGER},  // the point toggles; every digit stays
        {"1 . 5 . 2", {152, 1}, REP_INTEGER},
        {"3 BAR 2 .", {2, 1}, REP_DECIMAL},  // the keyed denominator is dropped
        {"3 BAR 2 . 5", {25, 10}, REP_DECIMAL},
        {"1.5 BAR 2", {2, 15}, REP_FRACTION},  // the bar takes the numerator, not the value
        {"3 BAR BAR", {0, 1}, REP_INTEGER},
        {"3 BAR 2 BAR", {0, 2}, REP_FRACTION},
        {"NEG 5", {5, 1}, REP_INTEGER},  // a zero has no sign to keep
        {"5 NEG 3", {-53, 1}, REP_INTEGER},
        {"5 NEG 3 BS", {-5, 1}, REP_INTEGER},
        {"5 NEG 3 BS BS", {0, 1}, REP_INTEGER},
        {"12. BS", {1, 1}, REP_INTEGER},
        {"1.25 BS", {12, 10}, REP_DECIMAL},
        {"1.25 BS BS", {1, 1}, REP_DECIMAL},
        {"1.25 BS BS BS", {0, 1}, REP_INTEGER},
        {". BS", {0, 1}, REP_INTEGER},
        {"3 BAR 2 BS", {0, 3}, REP_FRACTION},  // only the numerator shrinks
        {"3 BAR 2 BS BS", {0, 3}, REP_FRACTION},
    };
    expect_entries(std::begin(rows), std::end(rows));
}

TEST(OperandEntry, KeyingLimits) {
    const EntryRow rows[] = {
        {"999999999999999999", {999999999999999999, 1}, REP_INTEGER},
        {"9999999999999999999", {999999999999999999, 1}, REP_INTEGER},
        {"99999999999999999 NEG 9 9", {-999999999999999999, 1}, REP_INTEGER},
        // After seventeen digits "000" takes exactly one zero, either sign.
        {"10000000000000000 000", {100000000000000000, 1}, REP_INTEGER},
        {"10000000000000000 NEG 000", {-100000000000000000, 1}, REP_INTEGER},
        {"10000000000000000 0 0", {100000000000000000, 1}, REP_INTEGER},
        {"99999999999999999 000", {999999999999999990, 1}, REP_INTEGER},
        // Seventeen places at most: the eighteenth digit after the point is refused.
        {".111111111111111111", {11111111111111111, 100000000000000000}, REP_DECIMAL},
        {".00000000000000000 5", {0, 100000000000000000}, REP_DECIMAL},
        {".0000000000000000 000", {0, 100000000000000000}, REP_DECIMAL},
    };
    expect_entries(std::begin(rows), std::end(rows));
}

TEST(OperandEntry, ReciprocalOfAKeyedOperand) {
    const EntryRow rows[] = {
        {"5 INV", {5, 1}, REP_INTEGER},  // a keyed integer is not inverted
        {"3 BAR 2 INV", {3, 2}, REP_FRACTION},
        {".5 INV", {10, 5}, REP_FRACTION},  // not reduced
        {"1. INV", {1, 1}, REP_FRACTION},
        {"3 BAR 2 NEG INV", {-3, 2}, REP_FRACTION},
        {"3 NEG BAR 2 INV", {-3, 2}, REP_FRACTION},
        {"3 NEG BAR 2 NEG INV", {-3, -2}, REP_FRACTION},  // two minus signs stay
        {"3 BAR INV", {0, 3}, REP_FRACTION},
        {"2 + 4 INV", {4, 1}, REP_INTEGER},
        {"3 BAR 2 +  INV", {2, 3}, REP_FRACTION},  // a shown result before "=" is left alone
    };
    expect_entries(std::begin(rows), std::end(rows));
    EXPECT_EQ(played("3 BAR INV").state().noticeText, kNoticeZeroDenominator);
    EXPECT_EQ(played("3 BAR 2 INV").state().noticeText, "");
}

TEST(OperandEntry, ReciprocalAfterEqualsInvertsTheAccumulatorToo) {
    auto calc = played("2 NEG / 3 =");
    ASSERT_EQ(calc.state().entry, (Fraction{-2, 3}));
    testing::play(calc, "INV");
    EXPECT_EQ(calc.state().entry, (Fraction{-3, 2}));
    EXPECT_EQ(calc.state().entryRep, REP_FRACTION);
    // The accumulator is swapped without the sign rule: 3 over -2 is the same value.
    EXPECT_EQ(calc.state().acc, (Fraction{3, -2}));
    EXPECT_EQ(calc.state().accRep, REP_FRACTION);
    testing::play(calc, "INV");
    EXPECT_EQ(calc.state().entry, (Fraction{-2, 3}));
    EXPECT_EQ(calc.state().acc, (Fraction{-2, 3}));

    const CalcState s = played("2 + 3 = INV + 1 =").state();
    EXPECT_EQ(s.entry, (Fraction{6, 5}));
    EXPECT_EQ(s.entryRep, REP_FRACTION);

    const auto zero = played("5 - 5 = INV");
    EXPECT_EQ(zero.state().noticeText, kNoticeZeroDenominator);
    EXPECT_EQ(zero.state().entry, (Fraction{0, 1}));
    EXPECT_EQ(zero.state().acc, (Fraction{0, 1}));
}

TEST(OperandEntry, AShownResultIsNotEdited) {
    // After "=" digits, "000", point, backspace, bar and clear entry leave the result.
    const char* const after_equals[] = {"4", "000", ".", "BS", "BAR", "CE", "4 5 . 6"};
    for (const char* keys : after_equals) {
        SCOPED_TRACE(keys);
        const CalcState s = played(std::string("2 + 3 = ") + keys).state();
        EXPECT_EQ(s.entry, (Fraction{5, 1}));
        EXPECT_EQ(s.entryRep, REP_INTEGER);
        EXPECT_TRUE(s.resultShown);
        EXPECT_EQ(s.pendingOp, '=');
    }
    // After an operator backspace, bar and clear entry are ignored too; keying starts afresh.
    const EntryRow rows[] = {
        {"2 + BS", {2, 1}, REP_INTEGER},  {"2 + BAR", {2, 1}, REP_INTEGER},
        {"2 + CE", {2, 1}, REP_INTEGER},  {"2 + 4", {4, 1}, REP_INTEGER},
        {"2 + 000", {0, 1}, REP_INTEGER}, {"2 + 000 5", {5, 1}, REP_INTEGER},
        {"2 + .", {0, 1}, REP_DECIMAL},   {"1.5 + . 2", {2, 10}, REP_DECIMAL},
    };
    expect_entries(std::begin(rows), std::end(rows));
    EXPECT_TRUE(played("2 + CE").state().resultShown);
    EXPECT_FALSE(played("2 + 4").state().resultShown);
}

TEST(OperandEntry, SignChangeOfAShownResultNegatesTheAccumulator) {
    CalcState s = played("2 + 3 = NEG").state();
    EXPECT_EQ(s.entry, (Fraction{-5, 1}));
    EXPECT_EQ(s.acc, (Fraction{-5, 1}));
    s = played("2 + NEG 3 =").state();
    EXPECT_EQ(s.entry, (Fraction{1, 1}));
    // A keyed operand's sign leaves the accumulator alone.
    s = played("2 + 3 NEG").state();
    EXPECT_EQ(s.acc, (Fraction{2, 1}));
    EXPECT_EQ(s.entry, (Fraction{-3, 1}));
}

TEST(OperandEntry, OperatorsReplaceEachOtherAndClearEntryKeepsThePending) {
    CalcState s = played("5 + -").state();
    EXPECT_EQ(s.pendingOp, '-');
    EXPECT_EQ(s.acc, (Fraction{5, 1}));
    s = played("5 + 3 CE").state();
    EXPECT_EQ(s.entry, (Fraction{0, 1}));
    EXPECT_EQ(s.pendingOp, '+');
    EXPECT_EQ(played("5 + 3 CE 4 =").state().entry, (Fraction{9, 1}));
}

TEST(OperandEntry, RefreshRequestsPerCommand) {
    struct Row {
        const char* setup;
        const char* key;
        Requests expected;
    };
    const Requests refresh = {"compose", "paint"};
    const Requests cleared_then_refresh = {"stop-timer", "compose", "paint", "compose", "paint"};
    const Row rows[] = {
        {"", "5", refresh},
        {"2 + 3 =", "5", refresh},  // ignored, still refreshed
        {"999999999999999999", "9", refresh},
        {"2 +", "5", cleared_then_refresh},
        {"2 +", "000", cleared_then_refresh},  // only the first zero clears
        {"", ".", refresh},
        {"2 + 3 =", ".", {}},
        {"2 +", ".", cleared_then_refresh},
        {"12", "BS", refresh},
        {"2 +", "BS", {}},
        {"", "NEG", refresh},
        {"3", "BAR", refresh},
        {"2 +", "BAR", {}},
        {"5", "INV", {}},
        {"3 BAR 2", "INV", refresh},
        {"3 BAR", "INV", {testing::kZeroDenominatorNotice}},
        {"5", "+", {"compose", "paint", "compose", "paint"}},
        {"5 +", "-", refresh},
        {"5", "CE", {"stop-timer", "compose", "paint"}},
        {"5 +", "CE", {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.setup) + " | " + r.key);
        Engine e(r.setup);
        EXPECT_EQ(e.requests(r.key), r.expected);
    }
}

TEST(OperandEntry, LockedCalculatorIgnoresEveryKeyButDigitsStillRefresh) {
    const char* const keys[] = {"5", "000", ".",  "BS", "NEG", "BAR", "INV", "+", "-",
                                "*", "/",   "CE", "=",  "M+",  "M-",  "MR",  "MC"};
    for (const char* key : keys) {
        SCOPED_TRACE(key);
        Engine e("7 M+ AC 99999999999999999 * 99999999999999999 =");
        ASSERT_TRUE(e.s.locked);
        const CalcState before = e.s;
        const Requests requests = e.requests(key);
        const bool digit = std::string(key) == "5" || std::string(key) == "000";
        const Requests expected = digit ? Requests{"compose", "paint"} : Requests{};
        EXPECT_EQ(requests, expected);
        EXPECT_EQ(e.s.entry, before.entry);
        EXPECT_EQ(e.s.acc, before.acc);
        EXPECT_EQ(e.s.memory, before.memory);
        EXPECT_EQ(e.s.memText, "M");
        EXPECT_EQ(e.s.pendingOp, before.pendingOp);
        EXPECT_EQ(e.s.resultShown, before.resultShown);
        EXPECT_EQ(e.s.entryRep, REP_ERROR);
        EXPECT_EQ(e.s.accRep, REP_ERROR);
        EXPECT_TRUE(e.s.locked);
    }
}

}  // namespace
}  // namespace tomaro
