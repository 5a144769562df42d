#include "engine/operand_entry.hpp"

#include <utility>

#include "engine/evaluate.hpp"

namespace tomaro {
namespace {

void refresh(WindowRequests& w) {
    w.ComposeDisplay();
    w.PaintDisplay();
}

// A shown result or a recalled value is replaced, not extended, by the next digit or point.
bool operand_is_replaced_by_keying(const CalcState& s) {
    return s.resultShown || s.entryRecalled;
}

}  // namespace

void AppendDigit(CalcState& s, WindowRequests& w, int digit) {
    if (s.locked || s.pendingOp == '=') return;
    if (operand_is_replaced_by_keying(s)) ClearEntry(s, w);
    Fraction& e = s.entry;
    if (e.num >= kKeyedNumeratorLimit || e.num <= -kKeyedNumeratorLimit) return;
    if (s.entryRep == REP_DECIMAL && e.den >= kKeyedDenominatorLimit) return;
    // The digit extends the magnitude in the direction of the sign already keyed; the limits
    // above keep every step far from wrapping.
    const Int64 shifted = wrapping_mul(e.num, 10);
    e.num = e.num < 0 ? wrapping_sub(shifted, digit) : wrapping_add(shifted, digit);
    if (s.entryRep == REP_DECIMAL) e.den = wrapping_mul(e.den, 10);
}

void OnDigit(CalcState& s, WindowRequests& w, int digit) {
    AppendDigit(s, w, digit);
    refresh(w);
}

void OnTripleZero(CalcState& s, WindowRequests& w) {
    for (int i = 0; i < 3; ++i)
        AppendDigit(s, w, 0);
    refresh(w);
}

void OnPoint(CalcState& s, WindowRequests& w) {
    if (s.locked || s.pendingOp == '=') return;
    if (operand_is_replaced_by_keying(s)) ClearEntry(s, w);
    s.entryRep = s.entryRep == REP_DECIMAL ? REP_INTEGER : REP_DECIMAL;
    s.entry.den = 1;
    refresh(w);
}

void OnBackspace(CalcState& s, WindowRequests& w) {
    if (s.locked || operand_is_replaced_by_keying(s)) return;
    s.entry.num = wrapping_div(s.entry.num, 10);
    if (s.entryRep == REP_DECIMAL) {
        s.entry.den = wrapping_div(s.entry.den, 10);
        if (s.entry.den == 0) {
            s.entry.den = 1;
            s.entryRep = REP_INTEGER;
        }
    }
    refresh(w);
}

void OnSign(CalcState& s, WindowRequests& w) {
    if (s.locked) return;
    s.entry.num = wrapping_neg(s.entry.num);
    if (s.resultShown) s.acc.num = wrapping_neg(s.acc.num);
    refresh(w);
}

void OnFractionBar(CalcState& s, WindowRequests& w) {
    if (s.locked || operand_is_replaced_by_keying(s)) return;
    if (s.entry.num != 0) {
        s.entry.den = std::exchange(s.entry.num, 0);
        s.entryRep = REP_FRACTION;
    } else {
        s.entry.den = 1;
        s.entryRep = REP_INTEGER;
    }
    refresh(w);
}

void OnReciprocal(CalcState& s, WindowRequests& w) {
    if (s.locked) return;
    const bool keyed_non_integer = !s.resultShown && s.entryRep != REP_INTEGER;
    if (s.pendingOp != '=' && !keyed_non_integer) return;
    if (s.entry.num == 0) {
        ShowNotice(s, w, kNoticeZeroDenominator);
        return;
    }
    std::swap(s.entry.num, s.entry.den);
    s.entry = normalize_sign(s.entry);
    s.entryRep = REP_FRACTION;
    if (s.resultShown) {
        std::swap(s.acc.num, s.acc.den);  // no sign rule here: the accumulator keeps its signs
        if (s.acc.den == 0) {
            s.acc.den = 1;
            s.accRep = REP_INTEGER;
        } else {
            s.accRep = REP_FRACTION;
        }
    }
    refresh(w);
}

void OnOperator(CalcState& s, WindowRequests& w, char op) {
    if (s.locked) return;
    if (!s.resultShown) Evaluate(s, w);
    s.pendingOp = op;  // stored even when that evaluation overflowed
    refresh(w);
}

void OnClearEntry(CalcState& s, WindowRequests& w) {
    if (s.locked || s.resultShown) return;
    ClearEntry(s, w);
}

}  // namespace tomaro
