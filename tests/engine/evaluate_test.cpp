// "=" and the evaluation that every operator and memory key may run first: exact results,
// the representation they are shown in, the repeated "=", the division refusal and overflow.
#include <gtest/gtest.h>

#include "engine/evaluate.hpp"
#include "tests/engine/engine_keys.hpp"

namespace tomaro {
namespace {

using testing::Engine;
using testing::played;
using testing::Requests;

struct ResultRow {
    const char* keys;
    Fraction value;
    Rep rep;  // both entryRep and accRep
};

TEST(Evaluate, ExactResultsAndTheirRepresentation) {
    const ResultRow rows[] = {
        {"3 BAR 2 + 6 BAR 1 =", {5, 6}, REP_FRACTION},
        {"2 BAR 1 + 3 BAR 1 =", {5, 6}, REP_FRACTION},
        {"6 / 3 =", {2, 1}, REP_INTEGER},  // the division's fraction code yields to a whole result
        {"7 / 2 =", {7, 2}, REP_FRACTION},
        {"1 / 2 NEG =", {-1, 2}, REP_FRACTION},
        {"6 / 4 NEG =", {-3, 2}, REP_FRACTION},
        {"6 NEG / 4 NEG =", {3, 2}, REP_FRACTION},
        {"3 - 5 =", {-2, 1}, REP_INTEGER},
        {"5 - 5 =", {0, 1}, REP_INTEGER},
        {"3 BAR 2 - 3 BAR 2 =", {0, 1}, REP_INTEGER},  // zero always shows as an integer
        {"1.5 =", {3, 2}, REP_DECIMAL},
        {".5 + .5 =", {1, 1}, REP_INTEGER},
        {".5 + 3 BAR 1 =", {5, 6}, REP_FRACTION},  // a fraction wins over a decimal
        {"1 + .25 =", {5, 4}, REP_DECIMAL},
        {"1.5 * 3 =", {9, 2}, REP_DECIMAL},
        {"1.5 * 2 =", {3, 1}, REP_INTEGER},
        {"1.5 / 3 =", {1, 2}, REP_FRACTION},  // a division shows a fraction, even of decimals
        {"7 * 2 BAR 1 =", {7, 2}, REP_FRACTION},
        {"4 BAR 3 * 9 BAR 2 =", {1, 6}, REP_FRACTION},
        {"5 + =", {10, 1}, REP_INTEGER},              // the operand serves again as right operand
        {"5 + 3 BAR =", {5, 1}, REP_INTEGER},         // 0/3 keyed, numerator still to come
        {"3 NEG BAR 1 =", {-1, 3}, REP_FRACTION},     // 1 over -3
        {"4 NEG BAR 2 NEG =", {1, 2}, REP_FRACTION},  // -2 over -4
        {"1 + 2 + 3 * 4 =", {24, 1}, REP_INTEGER},    // each operator applies the previous one
        {"2 + 3 = * 4 =", {20, 1}, REP_INTEGER},  // an operator after "=" goes on from the result
        {"5 + - 3 =", {2, 1}, REP_INTEGER},       // the later operator replaces the earlier
        // The accumulator's code survives the cycle.
        {"7 / 2 = = = = + 1 =", {9, 2}, REP_FRACTION},
        {"999999999999999999 * 999999999999999999 BAR 1 =", {1, 1}, REP_INTEGER},
    };
    for (const ResultRow& r : rows) {
        SCOPED_TRACE(r.keys);
        const CalcState s = played(r.keys).state();
        EXPECT_EQ(s.entry, r.value);
        EXPECT_EQ(s.acc, r.value);
        EXPECT_EQ(s.entryRep, r.rep);
        EXPECT_EQ(s.accRep, r.rep);
        EXPECT_EQ(s.pendingOp, '=');
        EXPECT_TRUE(s.resultShown);
        EXPECT_FALSE(s.locked);
    }
}

TEST(Evaluate, RepeatedEqualsStepsOnlyTheShownRepresentation) {
    auto calc = played("7 / 2 =");
    const Rep cycle[] = {REP_MIXED, REP_DECIMAL, REP_INTEGER, REP_FRACTION, REP_MIXED};
    for (Rep expected : cycle) {
        testing::play(calc, "=");
        EXPECT_EQ(calc.state().entryRep, expected);
        EXPECT_EQ(calc.state().accRep, REP_FRACTION);
        EXPECT_EQ(calc.state().entry, (Fraction{7, 2}));
        EXPECT_EQ(calc.state().acc, (Fraction{7, 2}));
        EXPECT_EQ(calc.state().pendingOp, '=');
    }
    // An integer steps through the same cycle.
    EXPECT_EQ(played("5 + 3 = =").state().entryRep, REP_FRACTION);
    EXPECT_EQ(played("5 + 3 = =").state().entry, (Fraction{8, 1}));
    EXPECT_EQ(played("1.5 = =").state().entryRep, REP_INTEGER);
    EXPECT_EQ(played("5 + = =").state().entry, (Fraction{10, 1}));
}

TEST(Evaluate, FirstOperatorOnlyTakesTheOperand) {
    const CalcState s = played("3 BAR 2 +").state();
    EXPECT_EQ(s.acc, (Fraction{2, 3}));
    EXPECT_EQ(s.accRep, REP_FRACTION);
    EXPECT_EQ(s.pendingOp, '+');
    EXPECT_TRUE(s.resultShown);
}

TEST(Evaluate, DivisionByZeroIsRefusedAndTheAccumulatorComesBack) {
    const char* const cases[] = {"5 / 0 =", "5 / 3 BAR ="};  // 0/3 is a zero divisor too
    for (const char* keys : cases) {
        SCOPED_TRACE(keys);
        const auto calc = played(keys);
        const CalcState& s = calc.state();
        EXPECT_EQ(s.noticeText, kNoticeDivideByZero);
        EXPECT_TRUE(calc.w.notice_timer_running);
        EXPECT_EQ(s.entry, (Fraction{5, 1}));
        EXPECT_EQ(s.entryRep, REP_INTEGER);
        EXPECT_EQ(s.acc, (Fraction{5, 1}));
        EXPECT_EQ(s.pendingOp, '=');
        EXPECT_TRUE(s.resultShown);
        EXPECT_FALSE(s.locked);
        EXPECT_FALSE(calc.w.keypad_locked);
    }
    // The operand takes the accumulator's code as well.
    EXPECT_EQ(played("3 BAR 2 / 0 =").state().entry, (Fraction{2, 3}));
    EXPECT_EQ(played("3 BAR 2 / 0 =").state().entryRep, REP_FRACTION);
    // A refusal met by an operator key leaves that operator pending; the calculation goes on.
    EXPECT_EQ(played("5 / 0 +").state().pendingOp, '+');
    EXPECT_EQ(played("5 / 0 + 2 =").state().entry, (Fraction{7, 1}));
}

TEST(Evaluate, RefusalLeavesTheShadowsAlone) {
    Engine e("4 * 3 = / 0");
    const Shadow acc_shadow = e.s.accShadow, entry_shadow = e.s.entryShadow;
    e.requests("=");
    EXPECT_EQ(e.s.accShadow, acc_shadow);
    EXPECT_EQ(e.s.entryShadow, entry_shadow);
    EXPECT_EQ(e.s.entry, (Fraction{12, 1}));
}

struct OverflowRow {
    const char* keys;
    bool locked;
};

TEST(Evaluate, OverflowIsJudgedOnShadowsAndOnTheExactResult) {
    const OverflowRow rows[] = {
        {"99999999999999999 * 99999999999999999 =", true},
        // The shadow numerator is 10^19 although the exact product is 10^13.
        {"10000000000000000 * 0.001000 =", true},
        {"10000000000000000 * 0.001 =", false},
        // 9007199254740991 * 1024 is the limit itself, which passes.
        {"9007199254740991 * 1024 =", false},
        {"9007199254740991 * 1024 = =", false},
        // 9223372036854775300 fits, but as a double it is 2^63 wherever it enters a shadow.
        {"10 * 922337203685477530 =", false},
        {"10 * 922337203685477530 = + 0 =", true},
        {"10 * 922337203685477530 = =", true},
        // The exact result passes 2^63 - 1 while every shadow rounds to just below the limit.
        {"103 * 89547301328687144 =", true},
        {"89547301328687144 + 103 BAR 1 =", true},
        {"89547301328687144 / 103 BAR 1 =", true},
        {"103 BAR 1 * 89547301328687144 BAR 1 =", true},
        {"99999999999999999 * 99999999999999999 +", true},
    };
    for (const OverflowRow& r : rows) {
        SCOPED_TRACE(r.keys);
        const auto calc = played(r.keys);
        const CalcState& s = calc.state();
        EXPECT_EQ(s.locked, r.locked);
        EXPECT_EQ(calc.w.keypad_locked, r.locked);
        if (r.locked) {
            EXPECT_EQ(s.entryRep, REP_ERROR);
            EXPECT_EQ(s.accRep, REP_ERROR);
            EXPECT_TRUE(calc.w.all_clear_focused);
        } else {
            EXPECT_NE(s.entryRep, REP_ERROR);
        }
    }
    EXPECT_EQ(played("10000000000000000 * 0.001 =").state().entry, (Fraction{10000000000000, 1}));
    EXPECT_EQ(played("10000000000000000 * 0.001 =").state().entryRep, REP_INTEGER);
    EXPECT_EQ(played("9007199254740991 * 1024 =").state().entry,
              (Fraction{9223372036854774784, 1}));
    EXPECT_EQ(played("10 * 922337203685477530 =").state().entry,
              (Fraction{9223372036854775300, 1}));
    // An operator whose evaluation overflows is still stored.
    EXPECT_EQ(played("99999999999999999 * 99999999999999999 +").state().pendingOp, '+');
}

TEST(Evaluate, RequestsInOrder) {
    struct Row {
        const char* setup;
        const char* keys;
        Requests expected;
    };
    const Row rows[] = {
        {"7 / 2", "=", {"compose", "paint"}},
        {"7 / 2 =", "=", {"compose", "paint"}},
        // Focus goes to A.C. before the buttons are disabled.
        {testing::kOverflowKeys.data(), "=", {"focus-ac", "lock", "compose", "paint"}},
        {testing::kOverflowKeys.data(),
         "+",
         {"focus-ac", "lock", "compose", "paint", "compose", "paint"}},
        // The refusal's notice repaints by itself; the evaluation adds nothing.
        {"5 / 0", "=", {testing::kDivideNotice}},
        {"5 / 0", "+", {testing::kDivideNotice, "compose", "paint"}},
        {"99999999999999999 * 99999999999999999 =", "=", {}},
        {"99999999999999999 * 99999999999999999 =", "+", {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.setup) + " | " + r.keys);
        Engine e(r.setup);
        EXPECT_EQ(e.requests(r.keys), r.expected);
    }
}

TEST(Evaluate, LockedEqualsChangesNothing) {
    Engine e("99999999999999999 * 99999999999999999 =");
    const CalcState before = e.s;
    EXPECT_EQ(e.requests("= = ="), Requests{});
    EXPECT_EQ(e.s.entry, before.entry);
    EXPECT_EQ(e.s.acc, before.acc);
    EXPECT_EQ(e.s.entryShadow, before.entryShadow);
    EXPECT_EQ(e.s.accShadow, before.accShadow);
    EXPECT_EQ(e.s.entryRep, REP_ERROR);
    EXPECT_EQ(e.s.pendingOp, '=');
    EXPECT_TRUE(e.s.locked);
}

}  // namespace
}  // namespace tomaro
