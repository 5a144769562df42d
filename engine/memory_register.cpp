#include "engine/memory_register.hpp"

#include "engine/evaluate.hpp"

namespace tomaro {
namespace {

enum class Direction { Add, Subtract };

void accumulate(CalcState& s, WindowRequests& w, Direction dir) {
    if (s.locked) return;
    if (!s.resultShown) {
        Evaluate(s, w);
        // An overflowing evaluation leaves only wrapped values: the memory keeps its own.
        if (s.locked) return;
    }
    const Shadow before = shadow_of(s.memory);
    const Fraction a = s.acc, m = s.memory;
    const double a_num = static_cast<double>(a.num), a_den = static_cast<double>(a.den);

    const Int128 cross = Int128{m.den} * a.num;
    const Int128 num = exact_sum(Int128{a.den} * m.num, dir == Direction::Add ? cross : -cross);
    const Int128 den = Int128{a.den} * m.den;
    const double f_num = dir == Direction::Add ? a_num * before.den + a_den * before.num
                                               : a_den * before.num - a_num * before.den;
    const double f_den = a_den * before.den;

    s.memory = normalize_sign(reduce({static_cast<Int64>(num), static_cast<Int64>(den)}));
    s.memoryRep = combined_rep(s.accRep, s.memoryRep, s.memory.den);
    s.memText = "M";
    // Zero is judged on the exact numerator: a tiny value must not vanish by rounding.
    if (num == 0) MemoryClear(s, w);
    const bool overflowed = shadow_overflows(f_num) || shadow_overflows(f_den) ||
                            !fits_reduced(num) || !fits_reduced(den);
    if (overflowed) {
        MemoryClear(s, w);
        s.memText = "E";
    }
    w.PushFieldTexts();
}

}  // namespace

void OnMemoryAdd(CalcState& s, WindowRequests& w) {
    accumulate(s, w, Direction::Add);
}

void OnMemorySubtract(CalcState& s, WindowRequests& w) {
    accumulate(s, w, Direction::Subtract);
}

void OnMemoryRecall(CalcState& s, WindowRequests& w) {
    if (s.locked || s.memText != "M") return;
    s.resultShown = false;
    s.entry = s.memory;
    s.entryRep = s.memoryRep;
    s.entryRecalled = true;
    w.ComposeDisplay();
    w.PaintDisplay();
}

}  // namespace tomaro
