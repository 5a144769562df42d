// The resets (A.C., clear entry, MC, and both as the calculator opens) and the notice that a
// refused key shows.
#include <gtest/gtest.h>

#include "tests/engine/engine_keys.hpp"

namespace tomaro {
namespace {

using testing::Engine;
using testing::played;
using testing::Requests;
using testing::TestWindow;

void expect_cleared_calculation(const CalcState& s) {
    EXPECT_EQ(s.entry, (Fraction{0, 1}));
    EXPECT_EQ(s.entryRep, REP_INTEGER);
    EXPECT_EQ(s.acc, (Fraction{0, 1}));
    EXPECT_EQ(s.accRep, REP_INTEGER);
    EXPECT_EQ(s.pendingOp, ' ');
    EXPECT_FALSE(s.resultShown);
    EXPECT_FALSE(s.locked);
    EXPECT_EQ(s.noticeText, "");
}

TEST(Reset, AllClearThenMemoryClearClearsEverything) {
    CalcState s;
    s.entry = {4, 7};
    s.acc = {-3, 2};
    s.memory = {9, 1};
    s.memText = "M";
    s.pendingOp = '*';
    s.locked = true;  // A.C. runs first, so that MC is not refused
    s.noticeText = "x";
    TestWindow w;
    AllClear(s, w);
    MemoryClear(s, w);
    expect_cleared_calculation(s);
    EXPECT_EQ(s.memory, (Fraction{0, 1}));
    EXPECT_EQ(s.memoryRep, REP_INTEGER);
    EXPECT_EQ(s.memText, "");
    EXPECT_EQ(w.requests, (Requests{"stop-timer", "compose", "paint", "unlock", "push"}));
}

TEST(Reset, AllClearLeavesTheLockAndKeepsTheMemory) {
    auto calc = played("5 M+ AC 99999999999999999 * 99999999999999999 =");
    ASSERT_TRUE(calc.w.keypad_locked);
    testing::play(calc, "AC");
    expect_cleared_calculation(calc.state());
    EXPECT_FALSE(calc.w.keypad_locked);
    EXPECT_EQ(calc.state().memory, (Fraction{5, 1}));
    EXPECT_EQ(calc.state().memText, "M");
    // Keying works again.
    testing::play(calc, "2 + 3 =");
    EXPECT_EQ(calc.state().entry, (Fraction{5, 1}));

    Engine e("7 / 2 * 3");
    EXPECT_EQ(e.requests("AC"), (Requests{"stop-timer", "compose", "paint", "unlock"}));
    expect_cleared_calculation(e.s);
}

TEST(Reset, ClearEntryClearsOnlyTheOperand) {
    const CalcState s = played("5 + 3 BAR 2 CE").state();
    EXPECT_EQ(s.entry, (Fraction{0, 1}));
    EXPECT_EQ(s.entryRep, REP_INTEGER);
    EXPECT_EQ(s.acc, (Fraction{5, 1}));
    EXPECT_EQ(s.pendingOp, '+');
    EXPECT_FALSE(s.resultShown);
    EXPECT_EQ(played("5 + 3 CE 4 =").state().entry, (Fraction{9, 1}));
    EXPECT_EQ(played("1.5 CE 2").state().entry, (Fraction{2, 1}));  // decimal keying ends too
    EXPECT_EQ(played("1.5 CE 2").state().entryRep, REP_INTEGER);
}

TEST(Reset, MemoryClear) {
    Engine e("3 BAR 2 M+");
    ASSERT_EQ(e.s.memoryRep, REP_FRACTION);
    EXPECT_EQ(e.requests("MC"), Requests{"push"});
    EXPECT_EQ(e.s.memory, (Fraction{0, 1}));
    EXPECT_EQ(e.s.memoryRep, REP_INTEGER);
    EXPECT_EQ(e.s.memText, "");
    EXPECT_EQ(e.s.entry, (Fraction{2, 3}));  // nothing else changes
}

TEST(Reset, NoticeShowsUntilItExpiresOrTheEntryIsCleared) {
    CalcState s;
    TestWindow w;
    testing::start(s, w);
    w.requests.clear();
    ShowNotice(s, w, "message");
    EXPECT_EQ(s.noticeText, "message");
    EXPECT_EQ(w.requests, Requests{"notice:message"});

    w.requests.clear();
    ExpireNotice(s, w);
    EXPECT_EQ(s.noticeText, "");
    // The readout comes back at once.
    EXPECT_EQ(w.requests, (Requests{"stop-timer", "compose", "paint"}));

    auto calc = played("3 BAR INV");
    ASSERT_TRUE(calc.w.notice_timer_running);
    EXPECT_EQ(calc.state().noticeText, kNoticeZeroDenominator);
    testing::play(calc, "TICK");
    EXPECT_EQ(calc.state().noticeText, "");
    EXPECT_FALSE(calc.w.notice_timer_running);
    EXPECT_EQ(calc.state().entry, (Fraction{0, 3}));

    // Clear entry, and a digit that starts a new operand, end the notice as well.
    const char* const clearing[] = {"3 BAR INV CE", "5 / 0 + 2", "5 / 0 + .", "5 / 0 = AC"};
    for (const char* keys : clearing) {
        SCOPED_TRACE(keys);
        const auto c = played(keys);
        EXPECT_EQ(c.state().noticeText, "");
        EXPECT_FALSE(c.w.notice_timer_running);
    }
    // Other keys leave it standing.
    const auto kept = played("5 / 0 = NEG");
    EXPECT_EQ(kept.state().noticeText, kNoticeDivideByZero);
    EXPECT_TRUE(kept.w.notice_timer_running);
}

}  // namespace
}  // namespace tomaro
