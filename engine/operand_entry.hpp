// Keying an operand and choosing an operator: digits, point, backspace, sign change,
// fraction bar, reciprocal, the four operators and clear entry.
#pragma once

#include "engine/calc_state.hpp"

namespace tomaro {

// A keyed numerator takes another digit only while strictly inside +-10^17 (18 digits).
inline constexpr Int64 kKeyedNumeratorLimit = 100000000000000000;
// A keyed decimal takes another digit only while its denominator is below 10^17 (17 places).
inline constexpr Int64 kKeyedDenominatorLimit = 100000000000000000;

void AppendDigit(CalcState& s, WindowRequests& w, int digit);  // no refresh of its own

void OnDigit(CalcState& s, WindowRequests& w, int digit);
void OnTripleZero(CalcState& s, WindowRequests& w);
void OnPoint(CalcState& s, WindowRequests& w);
void OnBackspace(CalcState& s, WindowRequests& w);
void OnSign(CalcState& s, WindowRequests& w);
void OnFractionBar(CalcState& s, WindowRequests& w);
void OnReciprocal(CalcState& s, WindowRequests& w);
void OnOperator(CalcState& s, WindowRequests& w, char op);  // '+', '-', '*' or '/'
void OnClearEntry(CalcState& s, WindowRequests& w);

}  // namespace tomaro
