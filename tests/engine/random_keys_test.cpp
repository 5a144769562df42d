// Random key sequences with fixed seeds, played on the engine, locked or not (keys reach it
// while the buttons are disabled). After every key the calculator must be in a state it can
// explain: locked only with the error codes and with the keypad locked, no wrapped number
// shown as a result, a memory that is the exact sum of what went into it, a notice only
// while its timer runs, and a display that composes and draws a whole layout.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "display/paint_display.hpp"
#include "tests/support/display_keys.hpp"

namespace tomaro {
namespace {

// The oracle keeps its own 128-bit arithmetic, independent of the engine's.
using Int128 = __int128;
using U128 = unsigned __int128;

// An exact rational in 128 bits: reduced, with a positive denominator.
struct Exact {
    Int128 num;
    Int128 den;
};

U128 abs128(Int128 v) {
    return v < 0 ? U128{0} - static_cast<U128>(v) : static_cast<U128>(v);
}

Exact exact(Int128 num, Int128 den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    U128 a = abs128(num), b = abs128(den);
    while (b != 0)
        a = std::exchange(b, a % b);
    return {num / static_cast<Int128>(a), den / static_cast<Int128>(a)};
}

// Magnitude at most 2^63 - 1, as the calculator may show it.
bool fits(Int128 v) {
    return v >= -Int128{kInt64Max} && v <= Int128{kInt64Max};
}

std::optional<Fraction> shown(Exact e) {
    if (!fits(e.num) || !fits(e.den)) return std::nullopt;
    return Fraction{static_cast<Int64>(e.num), static_cast<Int64>(e.den)};
}

// What acc op entry is, computed without any 64-bit step.
Exact exact_result(char op, Fraction a, Fraction e) {
    const Int128 an = a.num, ad = a.den, en = e.num, ed = e.den;
    switch (op) {
        case '+':
            return exact(an * ed + en * ad, ad * ed);
        case '-':
            return exact(an * ed - en * ad, ad * ed);
        case '*':
            return exact(an * en, ad * ed);
        case '/':
            return exact(an * ed, ad * en);
        default:
            return exact(en, ed);
    }
}

bool is_operator(Command c) {
    return c == Command::Add || c == Command::Subtract || c == Command::Multiply ||
           c == Command::Divide;
}

bool is_memory_sum(Command c) {
    return c == Command::MemoryAdd || c == Command::MemorySubtract;
}

struct Choice {
    Command command;
    int weight;
};

constexpr Command kTick = static_cast<Command>(255);  // the notice timer, not a button

// Digits are drawn as a group (weight 40), the other keys by these weights.
constexpr int kDigitWeight = 40;
const Choice kChoices[] = {
    {Command::TripleZero, 3},   {Command::Point, 3},       {Command::Backspace, 2},
    {Command::Sign, 3},         {Command::FractionBar, 4}, {Command::Reciprocal, 3},
    {Command::Add, 4},          {Command::Subtract, 3},    {Command::Multiply, 5},
    {Command::Divide, 4},       {Command::Equals, 7},      {Command::AllClear, 3},
    {Command::ClearEntry, 2},   {Command::MemoryAdd, 3},   {Command::MemorySubtract, 3},
    {Command::MemoryRecall, 3}, {Command::MemoryClear, 1}, {kTick, 2},
};

std::string name_of(Command c) {
    return c == kTick ? "TICK" : std::string(CommandWord(c));
}

// Every text the painter draws.
class TextCanvas final : public Canvas {
public:
    std::vector<std::string> texts;
    void FillWhite(const Rect&) override {}
    void SetTextAlign(TextAlign) override {}
    void TextOut(std::int32_t, std::int32_t, std::string_view text) override {
        texts.emplace_back(text);
    }
    void Line(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
};

// How often a session reached the states worth reaching.
struct Reached {
    int evaluations = 0;
    int refusals = 0;
    int locks = 0;
    int memory_overflows = 0;
    int full_operands = 0;  // a digit met the 18-digit limit
};

class RandomSession {
public:
    explicit RandomSession(std::uint64_t seed) : rng_(seed) {
        for (const Choice& c : kChoices)
            total_weight_ += c.weight;
    }

    // Plays about `keys` keys into a freshly started calculator; stops at the first failure.
    void Run(int keys) { Play(keys); }

    const Reached& reached() const { return reached_; }

    std::string RecentKeys() const {
        const std::size_t from = history_.size() > 60 ? history_.size() - 60 : 0;
        std::string out;
        for (std::size_t i = from; i < history_.size(); ++i)
            out += history_[i] + " ";
        return out;
    }

private:
    void Play(int keys) {
        for (int played = 0; played < keys && !::testing::Test::HasFailure();) {
            const Command c = Draw();
            // Long digit runs reach the keying limits and products past 2^63.
            const int run = c <= Command::Digit9 && rng_() % 5 == 0 ? 4 + int(rng_() % 15) : 1;
            for (int i = 0; i < run && !::testing::Test::HasFailure(); ++i, ++played) {
                Press(i == 0 ? c : digit_command(int(rng_() % 10)));
            }
        }
    }

    Command Draw() {
        int pick = int(rng_() % std::uint64_t(total_weight_));
        if (pick < kDigitWeight) return digit_command(pick % 10);
        pick -= kDigitWeight;
        for (const Choice& c : kChoices) {
            if ((pick -= c.weight) < 0) return c.command;
        }
        return Command::Equals;
    }

    void Press(Command c) {
        const CalcState before = calc_.state();
        history_.push_back(name_of(c));
        calc_.requests.clear();
        calc_.play(history_.back());
        CheckDisplay();
        const CalcState& after = calc_.state();

        if (c <= Command::Digit9 && !before.locked && before.pendingOp != '=' &&
            !before.resultShown && before.entry.num >= 100000000000000000) {
            ++reached_.full_operands;
        }
        if (after.locked && !before.locked) ++reached_.locks;
        if (after.memText == "E" && before.memText != "E") ++reached_.memory_overflows;
        const bool evaluates =
            !before.locked &&
            (c == Command::Equals || ((is_operator(c) || is_memory_sum(c)) && !before.resultShown));
        if (c == Command::AllClear) evaluated_since_clear_ = false;
        if (evaluates) {
            evaluated_since_clear_ = true;
            CheckEvaluation(before, after, c);
        }
        if (is_memory_sum(c) && !before.locked) CheckMemorySum(before, after, c);
        CheckInvariants(after);
    }

    void CheckEvaluation(const CalcState& before, const CalcState& after, Command c) {
        const Fraction a = before.acc, e = before.entry;
        const char op = before.pendingOp;
        ++reached_.evaluations;
        EXPECT_TRUE(after.resultShown);
        if (is_operator(c)) {
            EXPECT_EQ(after.pendingOp, name_of(c)[0]);
        }
        if (e.den == 0 || (op == '/' && e.num == 0)) {
            ++reached_.refusals;
            EXPECT_EQ(after.noticeText, kNoticeDivideByZero);
            EXPECT_EQ(after.acc, a);
            EXPECT_EQ(after.entry, a);
            EXPECT_EQ(after.entryRep, before.accRep);
            EXPECT_FALSE(after.locked);
            if (!is_operator(c)) {
                EXPECT_EQ(after.pendingOp, '=');
            }
            return;
        }
        if (!is_operator(c)) {
            EXPECT_EQ(after.pendingOp, '=');
        }
        if (after.locked) return;
        // Not locked: what is shown is the exact result, in lowest terms, sign on top.
        const std::optional<Fraction> expected = shown(exact_result(op, a, e));
        ASSERT_TRUE(expected.has_value()) << "a result past 2^63 - 1 was shown: " << after.acc
                                          << " for " << a << " " << op << " " << e;
        EXPECT_EQ(after.acc, *expected) << a << " " << op << " " << e;
        EXPECT_EQ(after.entry, *expected);
    }

    void CheckMemorySum(const CalcState& before, const CalcState& after, Command c) {
        if (after.locked) {  // the evaluation overflowed: the memory is left alone
            EXPECT_EQ(after.memory, before.memory);
            EXPECT_EQ(after.memText, before.memText);
            return;
        }
        const bool add = c == Command::MemoryAdd;
        const Fraction a = after.acc, m = before.memory;
        const Int128 cross = Int128{m.den} * a.num;
        const Int128 num = Int128{a.den} * m.num + (add ? cross : -cross);
        const Int128 den = Int128{a.den} * m.den;
        const double an = double(a.num), ad = double(a.den);
        const double mn = double(m.num), md = double(m.den);
        const double f_num = add ? an * md + ad * mn : ad * mn - an * md;
        const double f_den = ad * md;
        const bool overflow =
            shadow_overflows(f_num) || shadow_overflows(f_den) || !fits(num) || !fits(den);
        if (overflow) {
            EXPECT_EQ(after.memText, "E") << a << " into " << m;
            EXPECT_EQ(after.memory, (Fraction{0, 1}));
        } else if (num == 0) {
            EXPECT_EQ(after.memText, "");
            EXPECT_EQ(after.memory, (Fraction{0, 1}));
        } else {
            EXPECT_EQ(after.memText, "M");
            const std::optional<Fraction> expected = shown(exact(num, den));
            ASSERT_TRUE(expected.has_value());
            EXPECT_EQ(after.memory, *expected) << a << " into " << m;
        }
    }

    // Every state composes, and what was last composed draws whole: a number line is never
    // drawn empty, except the unused lines of a decimal.
    void CheckDisplay() {
        CalcState s = calc_.state();
        DisplayModel m = calc_.model();
        ComposeDisplay(s, m);
        const DisplayModel& shown = calc_.model();
        TextCanvas painted;
        PaintDisplay(shown, painted);
        const bool decimal = shown.layout == DisplayLayout::DecimalOneLine ||
                             shown.layout == DisplayLayout::DecimalTwoLines;
        for (const std::string& text : painted.texts) {
            if (!decimal) {
                EXPECT_FALSE(text.empty());
            }
        }
    }

    void CheckInvariants(const CalcState& s) {
        EXPECT_EQ(calc_.keypad_locked, s.locked);
        if (s.locked) {
            EXPECT_EQ(s.entryRep, REP_ERROR);
            EXPECT_EQ(s.accRep, REP_ERROR);
        } else {
            EXPECT_NE(s.entryRep, REP_ERROR);
            EXPECT_NE(s.accRep, REP_ERROR);
            EXPECT_NE(s.entry.den, 0);
            EXPECT_NE(s.acc.den, 0);
        }
        EXPECT_EQ(s.pendingOp == ' ', !evaluated_since_clear_) << "pending '" << s.pendingOp << "'";
        EXPECT_TRUE(s.memText == "" || s.memText == "M" || s.memText == "E") << s.memText;
        EXPECT_TRUE(s.memoryRep == REP_INTEGER || s.memoryRep == REP_FRACTION ||
                    s.memoryRep == REP_DECIMAL);
        if (s.memText == "M") {
            EXPECT_NE(s.memory.num, 0);
            EXPECT_GT(s.memory.den, 0);
            EXPECT_EQ(exact(s.memory.num, s.memory.den).num, s.memory.num) << s.memory;
        } else {
            EXPECT_EQ(s.memory, (Fraction{0, 1}));
            EXPECT_EQ(s.memoryRep, REP_INTEGER);
        }
        EXPECT_EQ(s.noticeText.empty(), !calc_.notice_timer_running);
    }

    std::mt19937_64 rng_;
    int total_weight_ = kDigitWeight;
    testing::Shown calc_;
    bool evaluated_since_clear_ = false;
    Reached reached_;
    std::vector<std::string> history_;
};

TEST(RandomKeys, EveryStateKeepsTheInvariants) {
    const std::uint64_t seeds[] = {1, 2, 3, 20240611, 0x5eed, 987654321};
    Reached total;
    for (const std::uint64_t seed : seeds) {
        RandomSession session(seed);
        session.Run(10000);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "seed " << seed << ", last keys: " << session.RecentKeys();
            return;
        }
        const Reached& r = session.reached();
        total.evaluations += r.evaluations;
        total.refusals += r.refusals;
        total.locks += r.locks;
        total.memory_overflows += r.memory_overflows;
        total.full_operands += r.full_operands;
    }
    // Sessions that never got there would prove little.
    EXPECT_GT(total.evaluations, 3000);
    EXPECT_GT(total.refusals, 20);
    EXPECT_GT(total.locks, 50);
    EXPECT_GT(total.memory_overflows, 10);
    EXPECT_GT(total.full_operands, 100);
}

}  // namespace
}  // namespace tomaro
