#include "shell/pasted_number.hpp"

#include <algorithm>
#include <string>
#include <utility>

#include "display/expand_decimal.hpp"
#include "engine/int128.hpp"
#include "engine/operand_entry.hpp"

namespace tomaro {
namespace {

// Full-width forms taken as their ASCII ones; full-width digits are U+FF10 to U+FF19.
constexpr std::pair<std::string_view, char> kFullWidth[] = {
    {"．", '.'}, {"／", '/'}, {"－", '-'}, {"　", ' '}};
constexpr std::string_view kFullWidthDigitLead = "\xEF\xBC";
constexpr unsigned char kFullWidthZeroTail = 0x90;
constexpr std::string_view kSpaces = " \t\r\n";
constexpr std::string_view kGroupMarks = ",'";
constexpr std::size_t kGroupSize = 3;

// The largest magnitude the keypad enters: a numerator takes a digit while inside 10^17.
constexpr UInt64 kKeyedValueLimit = 10 * static_cast<UInt64>(kKeyedNumeratorLimit);

// Two fractions whose denominators are below 10^18 differ by more than 10^-36: 36 digits of
// a recurring decimal pin down the one fraction with such a denominator that it can be.
constexpr int kRecurringProbeDigits = 36;

std::optional<std::string> ascii_of(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        if (utf8.substr(i).starts_with(kFullWidthDigitLead) && i + 2 < utf8.size()) {
            const auto tail = static_cast<unsigned char>(utf8[i + 2]);
            if (tail >= kFullWidthZeroTail && tail < kFullWidthZeroTail + 10) {
                out += static_cast<char>('0' + (tail - kFullWidthZeroTail));
                i += 3;
                continue;
            }
        }
        const auto* form =
            std::find_if(std::begin(kFullWidth), std::end(kFullWidth),
                         [&](const auto& f) { return utf8.substr(i).starts_with(f.first); });
        if (form == std::end(kFullWidth)) return std::nullopt;
        out += form->second;
        i += form->first.size();
    }
    return out;
}

std::string_view trimmed(std::string_view t) {
    const std::size_t first = t.find_first_not_of(kSpaces);
    if (first == std::string_view::npos) return {};
    return t.substr(first, t.find_last_not_of(kSpaces) - first + 1);
}

bool all_digits(std::string_view t) {
    return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits, with a group mark allowed between groups of three: the digits alone.
std::optional<std::string> grouped_digits(std::string_view t) {
    std::string digits;
    for (bool first = true;; first = false) {
        const std::size_t mark = t.find_first_of(kGroupMarks);
        const std::string_view group = t.substr(0, mark);
        if (group.empty() || !all_digits(group)) return std::nullopt;
        const bool grouped = !first || mark != std::string_view::npos;
        if (grouped && (first ? group.size() > kGroupSize : group.size() != kGroupSize))
            return std::nullopt;
        digits += group;
        if (mark == std::string_view::npos) return digits;
        t.remove_prefix(mark + 1);
    }
}

// Digits as the keypad would take them all; none where it would stop taking them.
std::optional<UInt64> keyed_value(std::string_view digits) {
    const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
    digits.remove_prefix(first);
    constexpr std::size_t kUInt64Digits = 19;
    if (digits.size() > kUInt64Digits) return std::nullopt;
    UInt64 value = 0;
    for (const char c : digits)
        value = value * 10 + static_cast<UInt64>(c - '0');
    if (value >= kKeyedValueLimit) return std::nullopt;
    return value;
}

std::optional<UInt64> grouped_value(std::string_view t) {
    const auto digits = grouped_digits(t);
    return digits ? keyed_value(*digits) : std::nullopt;
}

int max_keyed_places() {
    int places = 0;
    for (UInt64 den = 1; den < static_cast<UInt64>(kKeyedDenominatorLimit); den *= 10)
        ++places;
    return places;
}

// whole * den + num, if the keypad can key it.
std::optional<UInt64> improper_numerator(UInt64 whole, UInt64 den, UInt64 num) {
    const Wide product = wide_mul(whole, den);
    if (product.hi != 0 || product.lo >= kKeyedValueLimit) return std::nullopt;
    return keyed_value(std::to_string(product.lo + num));
}

// Unsigned 128-bit arithmetic for the recurring-decimal probe, which stays below 2^122.
struct U128 {
    UInt64 hi = 0, lo = 0;
    friend bool operator==(const U128&, const U128&) = default;
    friend bool operator<(U128 a, U128 b) { return a.hi != b.hi ? a.hi < b.hi : a.lo < b.lo; }
    friend U128 operator+(U128 a, U128 b) {
        const U128 r{a.hi + b.hi, a.lo + b.lo};
        return {r.hi + (r.lo < a.lo ? 1 : 0), r.lo};
    }
    friend U128 operator-(U128 a, U128 b) {
        return {a.hi - b.hi - (a.lo < b.lo ? 1 : 0), a.lo - b.lo};
    }
    friend U128 operator*(U128 a, U128 b) {
        const Wide low = wide_mul(a.lo, b.lo);
        return {low.hi + a.hi * b.lo + a.lo * b.hi, low.lo};
    }
    friend U128 operator/(U128 n, U128 d) {
        U128 q, r;
        for (int bit = 127; bit >= 0; --bit) {
            const UInt64 in = bit >= 64 ? (n.hi >> (bit - 64)) & 1 : (n.lo >> bit) & 1;
            r = {(r.hi << 1) | (r.lo >> 63), (r.lo << 1) | in};
            q = {(q.hi << 1) | (q.lo >> 63), q.lo << 1};
            if (!(r < d)) {
                r = r - d;
                q.lo |= 1;
            }
        }
        return q;
    }
};

struct Ratio {
    U128 num, den;
};

// The fraction with the smallest denominator strictly between lo and hi (0 <= lo < hi), by
// their continued fractions.
Ratio simplest_between(Ratio lo, Ratio hi) {
    const U128 one{0, 1};
    const U128 whole = lo.num / lo.den;
    if ((whole + one) * hi.den < hi.num) return {whole + one, one};
    const U128 lo_rest = lo.num - whole * lo.den;  // the fractional parts, over the same dens
    const U128 hi_rest = hi.num - whole * hi.den;
    if (lo_rest == U128{}) {  // whole + 1/y, y the smallest integer above hi.den / hi_rest
        const U128 y = hi.den / hi_rest + one;
        return {whole * y + one, y};
    }
    const Ratio y = simplest_between({hi.den, hi_rest}, {lo.den, lo_rest});
    return {whole * y.num + y.den, y.num};
}

// 0.P{R} as the fraction whose expansion the display writes exactly so, if there is one.
std::optional<Ratio> recurring_fraction(std::string_view pre, std::string_view block) {
    const U128 ten{0, 10};
    U128 probe, scale{0, 1};
    for (std::size_t i = 0; i < static_cast<std::size_t>(kRecurringProbeDigits); ++i) {
        const char c = i < pre.size() ? pre[i] : block[(i - pre.size()) % block.size()];
        probe = probe * ten + U128{0, static_cast<UInt64>(c - '0')};
        scale = scale * ten;
    }
    const Ratio f = simplest_between({probe, scale}, {probe + U128{0, 1}, scale});
    if (f.num.hi != 0 || f.den.hi != 0 || f.den.lo > kTooLargeDenominator) return std::nullopt;
    const std::string shown = "0." + std::string(pre) + "{" + std::string(block) + "}";
    const Fraction exact{static_cast<Int64>(f.num.lo), static_cast<Int64>(f.den.lo)};
    if (ExpandDecimal(exact).text != shown) return std::nullopt;
    return f;
}

std::optional<KeyedNumber> parse_fraction(std::string_view t, KeyedNumber n) {
    const std::size_t space = t.find(' ');
    std::optional<UInt64> whole;
    if (space != std::string_view::npos) {
        whole = grouped_value(t.substr(0, space));
        if (!whole) return std::nullopt;
        t.remove_prefix(t.find_first_not_of(' ', space));
    }
    const std::size_t bar = t.find('/');
    const auto num = grouped_value(t.substr(0, bar));
    const auto den = grouped_value(t.substr(bar + 1));
    if (!num || !den || *den == 0) return std::nullopt;
    n.denominator = *den;
    n.digits = *num;
    if (whole) {
        if (*num >= *den) return std::nullopt;  // a mixed number's fraction is proper
        const auto improper = improper_numerator(*whole, *den, *num);
        if (!improper) return std::nullopt;
        n.digits = *improper;
    }
    return n;
}

std::optional<KeyedNumber> parse_recurring(std::string_view t, KeyedNumber n) {
    const std::size_t point = t.find('.');
    const std::size_t open = t.find('{');
    if (point > open || !t.ends_with('}') || t.find('}') != t.size() - 1) return std::nullopt;
    const auto whole = grouped_value(t.substr(0, point));
    const std::string_view pre = t.substr(point + 1, open - point - 1);
    const std::string_view block = t.substr(open + 1, t.size() - open - 2);
    if (!whole || !all_digits(pre) || block.empty() || !all_digits(block)) return std::nullopt;
    const auto f = recurring_fraction(pre, block);
    if (!f) return std::nullopt;
    const auto improper = improper_numerator(*whole, f->den.lo, f->num.lo);
    if (!improper) return std::nullopt;
    n.denominator = f->den.lo;
    n.digits = *improper;
    return n;
}

std::optional<KeyedNumber> parse_decimal(std::string_view t, KeyedNumber n) {
    const std::size_t point = t.find('.');
    const std::string_view whole = t.substr(0, point);
    const std::string_view places = t.substr(point + 1);
    if (!all_digits(places) || static_cast<int>(places.size()) > max_keyed_places())
        return std::nullopt;
    std::string digits;
    if (!whole.empty()) {
        const auto grouped = grouped_digits(whole);
        if (!grouped) return std::nullopt;
        digits = *grouped;
    } else if (places.empty()) {
        return std::nullopt;
    }
    const auto value = keyed_value(digits + std::string(places));
    if (!value) return std::nullopt;
    n.digits = *value;
    n.places = static_cast<int>(places.size());
    return n;
}

void key_digits(std::vector<Command>& keys, std::string_view digits) {
    for (const char c : digits)
        keys.push_back(digit_command(c - '0'));
}

}  // namespace

std::optional<KeyedNumber> ParsePastedNumber(std::string_view utf8) {
    const auto ascii = ascii_of(utf8);
    if (!ascii) return std::nullopt;
    std::string_view t = trimmed(*ascii);
    KeyedNumber n;
    if (t.starts_with('-')) {
        n.negative = true;
        t.remove_prefix(1);
    }
    if (t.find('/') != std::string_view::npos) return parse_fraction(t, n);
    if (t.find('{') != std::string_view::npos) return parse_recurring(t, n);
    if (t.find('.') != std::string_view::npos) return parse_decimal(t, n);
    const auto value = grouped_value(t);
    if (!value) return std::nullopt;
    n.digits = *value;
    return n;
}

std::vector<Command> KeysOf(const KeyedNumber& n) {
    std::vector<Command> keys;
    std::string digits = std::to_string(n.digits);
    if (n.denominator != 0) {
        key_digits(keys, std::to_string(n.denominator));
        keys.push_back(Command::FractionBar);
        key_digits(keys, digits);
    } else if (n.places < 0) {
        key_digits(keys, digits);
    } else {
        const auto places = static_cast<std::size_t>(n.places);
        if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
        key_digits(keys, std::string_view(digits).substr(0, digits.size() - places));
        keys.push_back(Command::Point);
        key_digits(keys, std::string_view(digits).substr(digits.size() - places));
    }
    if (n.negative) keys.push_back(Command::Sign);
    return keys;
}

}  // namespace tomaro
