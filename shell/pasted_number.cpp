#include "shell/pasted_number.hpp"

#include <algorithm>
#include <string>
#include <utility>

#include "display/expand_decimal.hpp"
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
// The most places it enters: a decimal takes a digit while its denominator is below the limit.
constexpr int kKeyedPlaces = [] {
    int places = 0;
    for (Int64 den = 1; den < kKeyedDenominatorLimit; den *= 10)
        ++places;
    return places;
}();

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

// The text with its group marks taken out. A run of digits that holds a mark must be
// grouped in threes, and may not stand after a point or a brace: places and recurring
// blocks are never grouped.
std::optional<std::string> without_group_marks(std::string_view t) {
    constexpr std::string_view kDigitsAndMarks = "0123456789,'";
    std::string out;
    for (std::size_t i = 0; i < t.size();) {
        if (kDigitsAndMarks.find(t[i]) == std::string_view::npos) {
            out += t[i++];
            continue;
        }
        const std::size_t end = std::min(t.find_first_not_of(kDigitsAndMarks, i), t.size());
        const std::string_view run = t.substr(i, end - i);
        if (run.find_first_of(kGroupMarks) == std::string_view::npos) {
            out += run;
        } else {
            const bool after_point = i > 0 && (t[i - 1] == '.' || t[i - 1] == '{');
            const auto digits = grouped_digits(run);
            if (after_point || !digits) return std::nullopt;
            out += *digits;
        }
        i = end;
    }
    return out;
}

// Whether the keypad can key the number exactly as written.
bool keyable(const WrittenNumber& n) {
    if (magnitude(n.value.num) >= kKeyedValueLimit) return false;
    if (n.places >= 0) return n.places <= kKeyedPlaces;
    return n.rep == REP_INTEGER || magnitude(n.value.den) < kKeyedValueLimit;
}

void key_digits(std::vector<Command>& keys, std::string_view digits) {
    for (const char c : digits)
        keys.push_back(digit_command(c - '0'));
}

}  // namespace

std::optional<KeyedNumber> ParsePastedNumber(std::string_view utf8) {
    const auto ascii = ascii_of(utf8);
    if (!ascii) return std::nullopt;
    const auto plain = without_group_marks(trimmed(*ascii));
    if (!plain) return std::nullopt;
    const auto written = ReadNumber(*plain);
    if (!written || !keyable(*written)) return std::nullopt;
    KeyedNumber n;
    n.negative = written->negative;
    n.digits = magnitude(written->value.num);
    n.places = written->places;
    if (written->rep != REP_INTEGER && written->places < 0)
        n.denominator = magnitude(written->value.den);
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
