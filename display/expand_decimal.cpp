#include "display/expand_decimal.hpp"

#include "display/number_text.hpp"

namespace tomaro {
namespace {

// Long division of rem / den: appends `count` digits and returns the remainder left.
UInt64 append_digits(std::string& out, UInt64 rem, UInt64 den, int count) {
    for (int i = 0; i < count; ++i) {
        rem *= 10;
        out.push_back(static_cast<char>('0' + rem / den));
        rem %= den;
    }
    return rem;
}

// k when den is exactly 10^k, otherwise -1.
int power_of_ten_exponent(UInt64 den) {
    int k = 0;
    for (; den % 10 == 0; den /= 10)
        ++k;
    return den == 1 ? k : -1;
}

// The smallest n with 10^n = 1 (mod d), or the cap when that is larger.
int period_length(UInt64 d) {
    UInt64 x = 0;
    int n = 0;
    do {
        ++n;
        x = (x * 10 + 9) % d;
    } while (x != 0 && n < kPeriodCap);
    return n;
}

// The smallest m for which p divides y * 10^m (p is a product of powers of 2 and 5).
int pre_period_length(UInt64 y, UInt64 p) {
    int m = 0;
    for (y %= p; y != 0; y = (y * 10) % p)
        ++m;
    return m;
}

}  // namespace

std::string_view ExpandDecimal(Fraction f, std::string& t) {
    const UInt64 den = magnitude(f.den);
    // A zero denominator never reaches here; should one, it is refused like a huge one.
    if (den == 0 || den > kTooLargeDenominator) {
        t.assign(kTooLargeMessage);
        return kKindDecimal;
    }
    const UInt64 num = magnitude(f.num);
    const Int64 q = wrapping_div(f.num, f.den);
    const bool negative_below_one = q == 0 && f.num != 0 && (f.num < 0) != (f.den < 0);
    format_integer(t, q);
    if (negative_below_one) t.insert(t.begin(), '-');
    t.push_back('.');

    const UInt64 rem = num % den;
    if (const int k = power_of_ten_exponent(den); k >= 0) {
        append_digits(t, rem, den, k);  // as many places as were keyed, trailing zeros too
        return kKindTerminating;
    }
    UInt64 d = den, p = 1;
    for (; d % 2 == 0; d /= 2)
        p *= 2;
    for (; d % 5 == 0; d /= 5)
        p *= 5;
    if (d == 1) {
        for (UInt64 r = rem; r != 0;)
            r = append_digits(t, r, den, 1);
        return kKindTerminating;
    }
    const int n = period_length(d);
    const int m = pre_period_length(rem, p);
    const UInt64 r = append_digits(t, rem, den, m);
    t.push_back('{');
    append_digits(t, r, den, n);
    t.push_back('}');
    return kKindRecurring;
}

DecimalText ExpandDecimal(Fraction f) {
    DecimalText out;
    out.kind = ExpandDecimal(f, out.text);
    return out;
}

}  // namespace tomaro
