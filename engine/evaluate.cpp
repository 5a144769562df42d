#include "engine/evaluate.hpp"

namespace tomaro {
namespace {

// Divides p and q by their Gcd, in place, so that the products that follow stay small.
void cross_reduce(Int64& p, Int64& q) {
    const Int64 g = Gcd(p, q);
    p = wrapping_div(p, g);
    q = wrapping_div(q, g);
}

// Applies op to acc and the (reduced) entry; the shadows are those loaded for this operation.
// Products are formed exactly in 128 bits; the low 64 bits are what the calculator keeps.
Checked apply(char op, Fraction acc, Fraction entry, Shadow as, Shadow es) {
    switch (op) {
        case '+':
            return checked_sum(acc, as, SumSign::Plus, entry, es);
        case '-':
            return checked_sum(acc, as, SumSign::Minus, entry, es);
        case '*':
            cross_reduce(entry.num, acc.den);
            cross_reduce(acc.num, entry.den);
            return checked(Int128{acc.num} * entry.num, Int128{acc.den} * entry.den,
                           {as.num * es.num, as.den * es.den});
        case '/':
            cross_reduce(entry.num, acc.num);
            cross_reduce(acc.den, entry.den);
            return checked(Int128{acc.num} * entry.den, Int128{acc.den} * entry.num,
                           {as.num * es.den, es.num * as.den});
        default:  // ' ' or '=': the operand itself becomes the result
            return checked(entry.num, entry.den, es);
    }
}

void refuse_division(CalcState& s, WindowRequests& w) {
    ShowNotice(s, w, kNoticeDivideByZero);
    s.entry = s.acc;
    s.entryRep = s.accRep;
    s.entryRecalled = false;
    s.pendingOp = '=';
    s.resultShown = true;
}

void choose_reps(CalcState& s) {
    if (s.pendingOp == '=') {
        s.entryRep = next_in_equals_cycle(s.entryRep);
        return;
    }
    s.pendingOp = '=';
    if (s.acc.num == 0) {
        s.acc.den = s.entry.den = 1;
        s.accRep = s.entryRep = REP_INTEGER;
        return;
    }
    s.accRep = s.entryRep = combined_rep(s.entryRep, s.accRep, s.entry.den);
}

}  // namespace

void Evaluate(CalcState& s, WindowRequests& w) {
    if (s.locked) return;
    if (s.entry.den == 0 || (s.pendingOp == '/' && s.entry.num == 0)) {
        refuse_division(s, w);
        return;
    }
    s.entryShadow = shadow_of(s.entry);
    s.accShadow = shadow_of(s.acc);
    s.entry = reduce(s.entry);

    const Checked out = apply(s.pendingOp, s.acc, s.entry, s.accShadow, s.entryShadow);
    s.acc = out.value;
    s.accShadow = out.shadow;
    if (s.pendingOp == '/') s.entryRep = REP_FRACTION;
    s.resultShown = true;
    s.entryRecalled = false;

    s.acc = normalize_sign(reduce(s.acc));
    s.entry = s.acc;
    choose_reps(s);

    const bool overflowed =
        shadow_overflows(s.accShadow.num) || shadow_overflows(s.accShadow.den) || !out.fits;
    if (overflowed) s.accRep = s.entryRep = REP_ERROR;
    if (s.accRep == REP_ERROR) {
        s.locked = true;
        w.FocusAllClear();  // before the buttons are disabled, so focus never lands on one
        w.LockKeypad();
    }
    w.ComposeDisplay();
    w.PaintDisplay();
}

}  // namespace tomaro
