#include "display/expand_decimal.hpp"

#include <algorithm>

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

// The smallest n with 10^n = 1 (mod d), or the cap when that is larger; whether it was found.
std::pair<int, bool> period_length(UInt64 d) {
    UInt64 x = 0;
    int n = 0;
    do {
        ++n;
        x = (x * 10 + 9) % d;
    } while (x != 0 && n < kPeriodCap);
    return {n, x == 0};
}

// The smallest m for which p divides y * 10^m (p is a product of powers of 2 and 5).
int pre_period_length(UInt64 y, UInt64 p) {
    int m = 0;
    for (y %= p; y != 0; y = (y * 10) % p)
        ++m;
    return m;
}

// Two fractions whose denominators are below 10^18 differ by more than 10^-36: 36 digits of
// a recurring decimal pin down the one fraction with such a denominator that it can be.
constexpr int kRecurringProbeDigits = 36;

bool all_digits(std::string_view t) {
    return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool fits(Int128 v) {
    return v >= Int128{0} && v <= Int128{kInt64Max};
}

// Digits, leading zeros allowed, as a value up to 2^63 - 1.
std::optional<Int64> read_digits(std::string_view digits) {
    if (digits.empty() || !all_digits(digits)) return std::nullopt;
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    Int128 value;
    for (const char c : digits) {
        value = value * Int128{10} + Int128{c - '0'};
        if (!fits(value)) return std::nullopt;
    }
    return static_cast<Int64>(value);
}

struct Ratio {
    Int128 num, den;
};

// The fraction with the smallest denominator strictly between lo and hi (0 <= lo < hi), by
// their continued fractions. Every value stays below twice the largest part given.
Ratio simplest_between(Ratio lo, Ratio hi) {
    const Int128 one{1};
    const Int128 whole = lo.num / lo.den;
    if ((whole + one) * hi.den < hi.num) return {whole + one, one};
    const Int128 lo_rest = lo.num - whole * lo.den;  // the fractional parts, over the same dens
    const Int128 hi_rest = hi.num - whole * hi.den;
    if (lo_rest == Int128{0}) {  // whole + 1/y, y the smallest integer above hi.den / hi_rest
        const Int128 y = hi.den / hi_rest + one;
        return {whole * y + one, y};
    }
    const Ratio y = simplest_between({hi.den, hi_rest}, {lo.den, lo_rest});
    return {whole * y.num + y.den, y.num};
}

// The fraction below 1 that ExpandDecimal writes as 0.P{R}, the whole period in the braces,
// or as 0.P when R is empty and P ends in a digit other than 0, if there is one.
std::optional<Fraction> fraction_written_as(std::string_view pre, std::string_view block) {
    if (!all_digits(pre) || !all_digits(block)) return std::nullopt;
    const bool terminating = block.empty();
    if (terminating && pre.empty()) return Fraction{0, 1};
    Int128 probe, scale{1};
    for (std::size_t i = 0; i < static_cast<std::size_t>(kRecurringProbeDigits); ++i) {
        const char c = i < pre.size() ? pre[i]
                       : terminating  ? '0'
                                      : block[(i - pre.size()) % block.size()];
        probe = probe * Int128{10} + Int128{c - '0'};
        scale = scale * Int128{10};
    }
    // The value lies strictly between probe and probe + 1 (over the scale), unless it is a
    // terminating decimal of no more places than the probe: then it is the probe itself.
    const Int128 one{1}, two{2};
    const bool exact = terminating && pre.size() <= static_cast<std::size_t>(kRecurringProbeDigits);
    const Ratio f =
        exact ? simplest_between({two * probe - one, two * scale}, {two * probe + one, two * scale})
              : simplest_between({probe, scale}, {probe + one, scale});
    if (!fits(f.num) || !fits(f.den) || f.den > Int128{Int64{kTooLargeDenominator}})
        return std::nullopt;
    const Fraction candidate{static_cast<Int64>(f.num), static_cast<Int64>(f.den)};
    std::string shown = "0.";
    shown.append(pre);
    if (!terminating) shown.append(1, '{').append(block).append(1, '}');
    const DecimalText written = ExpandDecimal(candidate);
    if (written.text != shown || !written.whole_period) return std::nullopt;
    return candidate;
}

// n written as whole + part, its value over the part's denominator, if that fits.
std::optional<WrittenNumber> with_whole(WrittenNumber n, Int64 whole, Fraction part, Rep rep) {
    const Int128 num = Int128{whole} * part.den + part.num;
    if (!fits(num)) return std::nullopt;
    n.value = {static_cast<Int64>(num), part.den};
    n.rep = rep;
    return n;
}

bool leading_zero(std::string_view digits) {
    return digits.size() > 1 && digits.front() == '0';
}

std::optional<WrittenNumber> read_fraction(std::string_view t, WrittenNumber n) {
    const std::size_t space = t.find(' ');
    std::optional<Int64> whole;
    if (space != std::string_view::npos) {
        whole = read_digits(t.substr(0, space));
        if (!whole) return std::nullopt;
        t.remove_prefix(t.find_first_not_of(' ', space));
    }
    const std::size_t bar = t.find('/');
    const auto num = read_digits(t.substr(0, bar));
    const auto den = read_digits(t.substr(bar + 1));
    if (!num || !den || *den == 0) return std::nullopt;
    if (whole) {
        // A mixed number's fraction is proper, and written without leading zeros: "1 000/3"
        // is more likely a thousand thirds than one and no thirds.
        if (*num >= *den || leading_zero(t.substr(0, bar)) || leading_zero(t.substr(bar + 1)))
            return std::nullopt;
        return with_whole(n, *whole, {*num, *den}, REP_MIXED);
    }
    n.value = {*num, *den};
    n.rep = REP_FRACTION;
    return n;
}

// The digits before a point, none standing for 0 (".5").
std::optional<Int64> read_whole(std::string_view digits) {
    return digits.empty() ? Int64{0} : read_digits(digits);
}

std::optional<WrittenNumber> read_recurring(std::string_view t, WrittenNumber n) {
    const std::size_t point = t.find('.');
    const std::size_t open = t.find('{');
    if (point > open || !t.ends_with('}') || t.find('}') != t.size() - 1) return std::nullopt;
    const std::string_view block = t.substr(open + 1, t.size() - open - 2);
    const auto whole = read_whole(t.substr(0, point));
    if (!whole || block.empty()) return std::nullopt;
    const auto part = fraction_written_as(t.substr(point + 1, open - point - 1), block);
    if (!part) return std::nullopt;
    return with_whole(n, *whole, *part, REP_DECIMAL);
}

std::optional<WrittenNumber> read_terminating(std::string_view t, WrittenNumber n) {
    const std::size_t point = t.find('.');
    const std::string_view whole = t.substr(0, point);
    const std::string_view places = t.substr(point + 1);
    if (!all_digits(whole) || !all_digits(places) || (whole.empty() && places.empty()))
        return std::nullopt;
    n.rep = REP_DECIMAL;
    Int128 den{1};
    for (std::size_t i = 0; i < places.size() && fits(den); ++i)
        den = den * Int128{10};
    if (const auto digits = read_digits(std::string(whole).append(places)); digits && fits(den)) {
        n.value = {*digits, static_cast<Int64>(den)};
        n.places = static_cast<int>(places.size());
        return n;
    }
    // Too long for 64 bits as written: the value in lowest terms, if that fits.
    const auto whole_value = read_whole(whole);
    const auto part = fraction_written_as(places.substr(0, places.find_last_not_of('0') + 1), {});
    if (!whole_value || !part) return std::nullopt;
    return with_whole(n, *whole_value, *part, REP_DECIMAL);
}

// Writes the expansion into t; whole_period is cleared where the block is cut at the cap.
std::string_view expand(Fraction f, std::string& t, bool& whole_period) {
    whole_period = true;
    const UInt64 den = magnitude(f.den);
    // A zero denominator never reaches here; should one, it is refused like a huge one.
    if (den == 0 || den > kTooLargeDenominator) {
        t.assign(kTooLargeMessage);
        return kKindDecimal;
    }
    const UInt64 num = magnitude(f.num);
    format_whole_part(t, f);
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
    const auto [n, found] = period_length(d);
    whole_period = found;
    const int m = pre_period_length(rem, p);
    const UInt64 r = append_digits(t, rem, den, m);
    t.push_back('{');
    append_digits(t, r, den, n);
    t.push_back('}');
    return kKindRecurring;
}

}  // namespace

std::string_view ExpandDecimal(Fraction f, std::string& t) {
    bool whole_period = true;
    return expand(f, t, whole_period);
}

DecimalText ExpandDecimal(Fraction f) {
    DecimalText out;
    out.kind = expand(f, out.text, out.whole_period);
    return out;
}

std::optional<WrittenNumber> ReadNumber(std::string_view t) {
    WrittenNumber n;
    if (t.starts_with('-')) {
        n.negative = true;
        t.remove_prefix(1);
    }
    if (t.find('/') != std::string_view::npos) return read_fraction(t, n);
    if (t.find('{') != std::string_view::npos) return read_recurring(t, n);
    if (t.find('.') != std::string_view::npos) return read_terminating(t, n);
    const auto value = read_digits(t);
    if (!value) return std::nullopt;
    n.value = {*value, 1};
    return n;
}

}  // namespace tomaro
