// The memory register: M+, M-, MR and MC, the indicator, the overflow "E", and what the
// next key does with a recalled value.
#include <gtest/gtest.h>

#include "tests/engine/engine_keys.hpp"

namespace tomaro {
namespace {

using testing::Engine;
using testing::played;
using testing::Requests;

struct MemoryRow {
    const char* keys;
    Fraction memory;
    Rep rep;
    const char* text;
};

TEST(MemoryRegister, AddAndSubtract) {
    const MemoryRow rows[] = {
        {"AC 0 M+", {0, 1}, REP_INTEGER, ""},
        {"5 M+", {5, 1}, REP_INTEGER, "M"},
        {"5 M+ M-", {0, 1}, REP_INTEGER, ""},
        {"2 M-", {-2, 1}, REP_INTEGER, "M"},
        {"2 + 3 M+", {5, 1}, REP_INTEGER, "M"},  // the pending addition is evaluated first
        {"5 + M+", {5, 1}, REP_INTEGER, "M"},    // the operator has already evaluated
        {"5 M+ AC", {5, 1}, REP_INTEGER, "M"},   // A.C. keeps the memory
        {"5 M+ MC", {0, 1}, REP_INTEGER, ""},
        {"3 BAR 1 M+ AC 3 BAR 2 M+", {1, 1}, REP_INTEGER, "M"},
        {".5 M+ AC 3 BAR 1 M+", {5, 6}, REP_FRACTION, "M"},
        {".5 M+ AC .5 M+", {1, 1}, REP_INTEGER, "M"},
        {".5 M+ AC 1 M+", {3, 2}, REP_DECIMAL, "M"},
        {"3 + .5 M+ AC 1 M+", {9, 2}, REP_DECIMAL, "M"},
        {"2 BAR 1 M+ AC 6 BAR 1 M+", {2, 3}, REP_FRACTION, "M"},   // 8/12 reduced
        {"2 BAR 1 M+ AC 3 BAR 2 M-", {-1, 6}, REP_FRACTION, "M"},  // the sign goes up
        {"3 BAR 1 M-", {-1, 3}, REP_FRACTION, "M"},
        {"4 NEG BAR 1 M+", {-1, 4}, REP_FRACTION, "M"},
        {"5 M+ MR M+", {10, 1}, REP_INTEGER, "M"},
        // A refused division leaves the accumulator, and the memory command goes on with it.
        {"5 / 0 M+", {5, 1}, REP_INTEGER, "M"},
        // The zero test is exact: 1/10000000300000002 is not zero, however it rounds.
        {"100000001 BAR 100000000 M+ AC 100000002 BAR 100000001 M-",
         {-1, 10000000300000002},
         REP_FRACTION,
         "M"},
    };
    for (const MemoryRow& r : rows) {
        SCOPED_TRACE(r.keys);
        const CalcState s = played(r.keys).state();
        EXPECT_EQ(s.memory, r.memory);
        EXPECT_EQ(s.memoryRep, r.rep);
        EXPECT_EQ(s.memText, r.text);
        EXPECT_FALSE(s.locked);
    }
}

TEST(MemoryRegister, RecallCopiesTheMemoryIntoTheOperand) {
    auto calc = played(".5 M+ AC 1 M+ AC 7 + MR");
    const CalcState& s = calc.state();
    EXPECT_EQ(s.entry, (Fraction{3, 2}));
    EXPECT_EQ(s.entryRep, REP_DECIMAL);
    EXPECT_FALSE(s.resultShown);
    EXPECT_EQ(s.acc, (Fraction{7, 1}));
    EXPECT_EQ(s.pendingOp, '+');
    testing::play(calc, "=");
    EXPECT_EQ(calc.state().entry, (Fraction{17, 2}));
    // Recalled after "=", the value is evaluated again by the next M+ with '=' pending, which
    // steps its representation.
    const CalcState twice = played("5 M+ MR M+").state();
    EXPECT_EQ(twice.entryRep, REP_FRACTION);
    EXPECT_EQ(twice.pendingOp, '=');
    // With '=' pending the reciprocal takes a recalled integer, but leaves the accumulator.
    const CalcState inverted = played("5 M+ AC 2 + 4 = MR INV").state();
    EXPECT_EQ(inverted.entry, (Fraction{1, 5}));
    EXPECT_EQ(inverted.entryRep, REP_FRACTION);
    EXPECT_EQ(inverted.acc, (Fraction{6, 1}));
}

TEST(MemoryRegister, OverflowShowsEAndStartsAfresh) {
    auto calc = played("50000000000000000 * 100 = M+");
    EXPECT_EQ(calc.state().memory, (Fraction{5000000000000000000, 1}));
    EXPECT_EQ(calc.state().memText, "M");
    testing::play(calc, "M+");  // the floating numerator 10^19 is past the limit
    EXPECT_EQ(calc.state().memory, (Fraction{0, 1}));
    EXPECT_EQ(calc.state().memoryRep, REP_INTEGER);
    EXPECT_EQ(calc.state().memText, "E");
    EXPECT_FALSE(calc.state().locked);
    EXPECT_FALSE(calc.w.keypad_locked);
    EXPECT_EQ(calc.state().entry, (Fraction{5000000000000000000, 1}));
    testing::play(calc, "MR");  // nothing to recall
    EXPECT_TRUE(calc.state().resultShown);
    testing::play(calc, "AC");
    EXPECT_EQ(calc.state().memText, "E");
    testing::play(calc, "50000000000000000 * 100 = M+");
    EXPECT_EQ(calc.state().memory, (Fraction{5000000000000000000, 1}));
    EXPECT_EQ(calc.state().memText, "M");
    EXPECT_EQ(played("50000000000000000 * 100 = M+ M+ MC").state().memText, "");
}

TEST(MemoryRegister, ExactSumPastTheLimitIsAnOverflowEvenWhenTheDoublesPass) {
    // 103 * 89547301328687144 + 1 exceeds 2^63 - 1; in doubles it rounds to just below.
    const CalcState s = played("89547301328687144 M+ AC 103 BAR 1 M+").state();
    EXPECT_EQ(s.memText, "E");
    EXPECT_EQ(s.memory, (Fraction{0, 1}));
}

TEST(MemoryRegister, AnEvaluationThatLocksLeavesTheMemoryAsItWas) {
    const char* const cases[] = {"5 M+ AC 99999999999999999 * 99999999999999999 M+",
                                 "5 M+ AC 99999999999999999 * 99999999999999999 M-",
                                 "5 M+ AC 99999999999999999 * 99999999999999999 = M+",
                                 "5 M+ AC 99999999999999999 * 99999999999999999 = MC",
                                 "5 M+ AC 99999999999999999 * 99999999999999999 = MR"};
    for (const char* keys : cases) {
        SCOPED_TRACE(keys);
        auto calc = played(keys);
        EXPECT_TRUE(calc.state().locked);
        EXPECT_EQ(calc.state().memory, (Fraction{5, 1}));
        EXPECT_EQ(calc.state().memText, "M");
        testing::play(calc, "AC 3 + MR =");
        EXPECT_EQ(calc.state().entry, (Fraction{8, 1}));
    }
}

TEST(MemoryRegister, RecallIgnoredWithoutAValue) {
    const char* const cases[] = {"7 + 3 MR", "5 M+ MC AC 7 + 3 MR"};
    for (const char* keys : cases) {
        SCOPED_TRACE(keys);
        const CalcState s = played(keys).state();
        EXPECT_EQ(s.entry, (Fraction{3, 1}));
        EXPECT_FALSE(s.resultShown);
    }
}

TEST(MemoryRegister, ARecalledValueIsReplacedNotExtendedByKeying) {
    struct Row {
        const char* keys;
        Fraction result;
        Rep rep;
    };
    const Row rows[] = {
        {"7 M+ AC 5 + MR 3 =", {8, 1}, REP_INTEGER},
        {"7 M+ AC 5 + MR 3 4 =", {39, 1}, REP_INTEGER},  // only the first digit replaces
        {"7 M+ AC 5 + MR 000 =", {5, 1}, REP_INTEGER},
        {"7 M+ AC 5 + MR . 5 =", {11, 2}, REP_DECIMAL},
        {"7 M+ AC 5 + MR BS =", {12, 1}, REP_INTEGER},
        {"7 M+ AC 5 + MR BAR =", {12, 1}, REP_INTEGER},
        {"7 M+ AC 5 + MR BAR 2 =", {7, 1}, REP_INTEGER},  // the bar is ignored, the digit replaces
        {"7 M+ AC 5 + MR CE 3 4 =", {39, 1}, REP_INTEGER},
        // Operators, "=", sign change and reciprocal take the recalled value as it is.
        {"7 M+ AC 5 + MR =", {12, 1}, REP_INTEGER},
        {"7 M+ AC 5 + MR * 2 =", {24, 1}, REP_INTEGER},
        {"7 M+ AC 5 + MR NEG =", {-2, 1}, REP_INTEGER},
        {"7 M+ AC 5 + MR NEG 4 =", {9, 1}, REP_INTEGER},
        {"4 BAR 1 M+ AC 5 + MR INV =", {9, 1}, REP_INTEGER},
        {"4 BAR 1 M+ AC 5 + MR INV 2 =", {7, 1}, REP_INTEGER},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.keys);
        const CalcState s = played(r.keys).state();
        EXPECT_EQ(s.entry, r.result);
        EXPECT_EQ(s.entryRep, r.rep);
    }
    // M+ on a recalled operand evaluates it first: 5 + 7 = 12 goes into the memory of 7.
    EXPECT_EQ(played("7 M+ AC 5 + MR M+").state().memory, (Fraction{19, 1}));
}

TEST(MemoryRegister, RequestsInOrder) {
    struct Row {
        const char* setup;
        const char* key;
        Requests expected;
    };
    const Row rows[] = {
        {"5", "M+", {"compose", "paint", "push"}},
        {"5 +", "M+", {"push"}},
        {"5 M+", "M-", {"push", "push"}},  // emptied: the clear pushes, then the command
        {"50000000000000000 * 100 = M+", "M+", {"push", "push"}},
        {"5 / 0", "M+", {testing::kDivideNotice, "push"}},
        {"5 M+ AC 99999999999999999 * 99999999999999999",
         "M+",
         {"focus-ac", "lock", "compose", "paint"}},
        {"99999999999999999 * 99999999999999999 =", "M+", {}},
        {"5 M+", "MR", {"compose", "paint"}},
        {"", "MR", {}},
        {"5 M+", "MC", {"push"}},
        {"5 M+ AC 99999999999999999 * 99999999999999999 =", "MC", {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.setup) + " | " + r.key);
        Engine e(r.setup);
        EXPECT_EQ(e.requests(r.key), r.expected);
    }
}

}  // namespace
}  // namespace tomaro
