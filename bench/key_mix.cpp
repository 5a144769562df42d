#include "bench/key_mix.hpp"

#include <algorithm>
#include <array>
#include <random>
#include <string_view>
#include <vector>

namespace tomaro::bench {
namespace {

using Tokens = std::vector<std::string>;

// The key words that look like numbers: each is one key, not one key per character.
bool is_number_token(std::string_view t) {
    return t != "000" && t != "." && std::all_of(t.begin(), t.end(), [](char c) {
               return c == '.' || (c >= '0' && c <= '9');
           });
}

std::size_t keys_in(std::string_view token) {
    return is_number_token(token) ? token.size() : 1;
}

// std::mt19937 yields the same numbers everywhere; the distributions of <random> need not,
// so the picks below are plain remainders.
class Picker {
public:
    explicit Picker(std::uint32_t seed) : rng_(seed) {}

    int between(int lo, int hi) {
        return lo + static_cast<int>(rng_() % static_cast<unsigned>(hi - lo + 1));
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T, std::size_t N>
    const T& one_of(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(between(0, static_cast<int>(N) - 1))];
    }

    std::string digits(int count) {
        std::string s(1, static_cast<char>('1' + between(0, 8)));
        for (int i = 1; i < count; ++i)
            s.push_back(static_cast<char>('0' + between(0, 9)));
        return s;
    }
    std::string integer(int most_digits) { return digits(between(1, most_digits)); }
    std::string decimal() {
        std::string s = chance(25) ? "0" : integer(3);
        s.push_back('.');
        const int places = between(1, 3);
        for (int i = 0; i < places; ++i)
            s.push_back(static_cast<char>('0' + between(0, 9)));
        return s;
    }
    std::string op() { return std::string(one_of(kOperators)); }

private:
    static constexpr std::array<std::string_view, 4> kOperators{"+", "-", "*", "/"};
    std::mt19937 rng_;
};

constexpr std::array<int, 20> kDenominators{2,  3,  4,  5,  6,  7,  8,  9,   11,  12,
                                            13, 15, 16, 17, 24, 47, 97, 100, 109, 360};

void add(Tokens& t, std::initializer_list<std::string_view> words) {
    for (std::string_view w : words)
        t.emplace_back(w);
}

void more_equals(Picker& p, Tokens& t, int most) {
    for (int i = p.between(0, most); i > 0; --i)
        t.emplace_back("=");
}

std::string fraction_denominator(Picker& p) {
    return p.chance(70) ? std::to_string(p.one_of(kDenominators)) : p.integer(2);
}

// 3 BAR 2 + 6 BAR 1 = = = ...: the representations of a fraction result in turn.
void fractions(Picker& p, Tokens& t) {
    for (int operand = 0; operand < 2; ++operand) {
        if (operand == 1) t.push_back(p.op());
        const std::string den = fraction_denominator(p);
        t.push_back(den);
        t.emplace_back("BAR");
        t.push_back(std::to_string(p.between(1, std::stoi(den) + 2)));
    }
    t.emplace_back("=");
    more_equals(p, t, 4);
    if (p.chance(30)) {  // carry the result on into another operation
        t.push_back(p.op());
        t.push_back(fraction_denominator(p));
        t.emplace_back("BAR");
        t.push_back(p.integer(1));
        t.emplace_back("=");
        more_equals(p, t, 3);
    }
    t.emplace_back("AC");
}

void decimals(Picker& p, Tokens& t) {
    t.push_back(p.decimal());
    t.push_back(p.op());
    t.push_back(p.chance(70) ? p.decimal() : p.integer(2));
    t.emplace_back("=");
    more_equals(p, t, 3);
    t.emplace_back("AC");
}

void integers(Picker& p, Tokens& t) {
    t.push_back(p.integer(5));
    if (p.chance(20)) t.emplace_back("000");
    for (int i = p.between(1, 3); i > 0; --i) {
        t.push_back(p.op());
        t.push_back(p.integer(4));
    }
    t.emplace_back("=");
    more_equals(p, t, 2);
    t.emplace_back("AC");
}

// A division into a recurring decimal: fraction, mixed number, then the decimal.
void recurring(Picker& p, Tokens& t) {
    static constexpr std::array<int, 16> kRecurring{3,  6,  7,  9,  11, 12, 13,  17,
                                                    19, 23, 29, 31, 47, 97, 109, 7919};
    t.push_back(p.integer(3));
    if (p.chance(20)) t.emplace_back("NEG");
    t.emplace_back("/");
    t.push_back(std::to_string(p.one_of(kRecurring)));
    add(t, {"=", "=", "="});
    more_equals(p, t, 2);
    t.emplace_back("AC");
}

void memory(Picker& p, Tokens& t) {
    t.push_back(p.integer(3));
    t.emplace_back("M+");
    t.push_back(fraction_denominator(p));
    t.emplace_back("BAR");
    t.push_back(p.integer(2));
    add(t, {"M-", "MR", "+"});
    t.push_back(p.decimal());
    add(t, {"=", "M+", "MR", "*", "2", "=", "=", "MR"});
    t.emplace_back(p.chance(30) ? "MC" : "AC");
    if (t.back() == "MC") t.emplace_back("AC");
}

// Corrections while keying: backspace, sign change, clear entry, the point toggled,
// the reciprocal of a keyed decimal.
void editing(Picker& p, Tokens& t) {
    t.push_back(p.integer(4));
    add(t, {"BS", "NEG"});
    t.push_back(p.integer(2));
    t.emplace_back("CE");
    t.push_back(p.decimal());
    add(t, {"BS", "INV", "+"});
    t.push_back(p.integer(1));
    add(t, {"BAR"});
    t.push_back(p.integer(1));
    add(t, {"=", "=", "AC"});
}

// The keypad locks; keys go unheeded until A.C.
void overflow(Picker& p, Tokens& t) {
    if (p.chance(50)) {
        add(t, {"999999999", "*", "999999999", "*", "999999999", "="});
    } else {
        add(t, {"103", "*", "89547301328687144", "="});
    }
    t.push_back(p.integer(2));
    add(t, {"+", "=", "AC"});
}

void division_by_zero(Picker& p, Tokens& t) {
    if (p.chance(50)) {
        t.push_back(p.integer(3));
        add(t, {"/", "0", "=", "TICK", "AC"});
    } else {
        t.push_back(p.integer(2));
        add(t, {"BAR", "INV", "TICK", "AC"});
    }
}

Tokens calculation(Picker& p) {
    Tokens t;
    const int roll = p.between(1, 100);
    if (roll <= 25) {
        fractions(p, t);
    } else if (roll <= 45) {
        decimals(p, t);
    } else if (roll <= 60) {
        integers(p, t);
    } else if (roll <= 70) {
        recurring(p, t);
    } else if (roll <= 84) {
        memory(p, t);
    } else if (roll <= 94) {
        editing(p, t);
    } else if (roll <= 97) {
        overflow(p, t);
    } else {
        division_by_zero(p, t);
    }
    return t;
}

void append_line(std::string& out, const Tokens& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i > 0) out.push_back(' ');
        out += t[i];
    }
    out.push_back('\n');
}

}  // namespace

std::string KeyMix(std::size_t key_count, std::uint32_t seed) {
    Picker p(seed);
    std::string out;
    std::size_t played = 0;
    while (played < key_count) {
        Tokens t = calculation(p);
        Tokens line;
        for (const std::string& token : t) {
            const std::size_t left = key_count - played;
            if (left == 0) break;
            if (keys_in(token) <= left) {
                line.push_back(token);
                played += keys_in(token);
                continue;
            }
            // A number cut short: its characters one by one, so that no prefix reads as a word.
            for (std::size_t i = 0; i < left; ++i)
                line.emplace_back(1, token[i]);
            played += left;
        }
        append_line(out, line);
    }
    return out;
}

std::string WholeKeyMix(std::size_t key_count, std::uint32_t seed) {
    Picker p(seed);
    std::string out;
    std::size_t played = 0;
    while (played < key_count) {
        const Tokens t = calculation(p);
        for (const std::string& token : t)
            played += keys_in(token);
        append_line(out, t);
    }
    out += "AC MC\n";
    return out;
}

}  // namespace tomaro::bench
