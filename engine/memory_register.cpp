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
    // The shadow's terms in the register's own order: the accumulator first when adding,
    // the memory first when subtracting.
    const Checked sum =
        dir == Direction::Add
            ? checked_sum(s.acc, shadow_of(s.acc), SumSign::Plus, s.memory, shadow_of(s.memory))
            : checked_sum(s.memory, shadow_of(s.memory), SumSign::Minus, s.acc, shadow_of(s.acc));

    s.memory = normalize_sign(reduce(sum.value));
    s.memoryRep = combined_rep(s.accRep, s.memoryRep, s.memory.den);
    s.memText = "M";
    // Zero is judged on the exact numerator: a tiny value must not vanish by rounding.
    if (sum.zero) MemoryClear(s, w);
    const bool overflowed =
        shadow_overflows(sum.shadow.num) || shadow_overflows(sum.shadow.den) || !sum.fits;
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
