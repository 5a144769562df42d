#include "shell/pasted_number.hpp"

#include <algorithm>
#include <string>
#include <utility>

#include "display/expand_decimal.hpp"
#include "engine/operand_entry.hpp"

namespace tomaro {
namespace {

// Stand-ins, after the text is made ASCII, for a no-break space (a space that may also
// separate groups of digits) and for the invisible marks that text copied from documents
// carries at its ends. Neither byte is taken as typed.
constexpr char kNoBreakSpace = '\x1F';
constexpr char kInvisible = '\x1E';

// Characters taken as ASCII ones; full-width digits are U+FF10 to U+FF19.
constexpr std::pair<std::string_view, char> kForms[] = {
    {"．", '.'},
    {"／", '/'},
    {"－", '-'},
    {"\u2212", '-'},  // MINUS SIGN
    {"　", ' '},
    {"，", ','},
    {"\u00A0", kNoBreakSpace},
    {"\u202F", kNoBreakSpace},  // NARROW NO-BREAK SPACE
    {"\u200B", kInvisible},     // ZERO WIDTH SPACE, (NON-)JOINER, LRM, RLM
    {"\u200C", kInvisible},
    {"\u200D", kInvisible},
    {"\u200E", kInvisible},
    {"\u200F", kInvisible},
    {"\u2066", kInvisible},  // the isolates LRI, RLI, FSI, PDI
    {"\u2067", kInvisible},
    {"\u2068", kInvisible},
    {"\u2069", kInvisible},
    {"\uFEFF", kInvisible},  // BYTE ORDER MARK
    {"\u061C", kInvisible},  // ARABIC LETTER MARK
};
constexpr std::string_view kFullWidthDigitLead = "\xEF\xBC";
constexpr unsigned char kFullWidthZeroTail = 0x90;
constexpr std::string_view kTrimmed = " \t\r\n\x1F\x1E";
constexpr std::string_view kGroupMarks = ",'\x1F";
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
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        // A run of ASCII at once: a long clipboard is checked in one pass.
        const auto* run_end =
            std::find_if(utf8.begin() + static_cast<std::ptrdiff_t>(i), utf8.end(), [](char ch) {
                return static_cast<unsigned char>(ch) >= 0x80 || ch == kNoBreakSpace ||
                       ch == kInvisible;
            });
        const auto run = static_cast<std::size_t>(run_end - utf8.begin()) - i;
        out.append(utf8.substr(i, run));
        i += run;
        if (i == utf8.size()) break;
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) return std::nullopt;  // a stand-in's byte, typed
        if (utf8.substr(i).starts_with(kFullWidthDigitLead) && i + 2 < utf8.size()) {
            const auto tail = static_cast<unsigned char>(utf8[i + 2]);
            if (tail >= kFullWidthZeroTail && tail < kFullWidthZeroTail + 10) {
                out += static_cast<char>('0' + (tail - kFullWidthZeroTail));
                i += 3;
                continue;
            }
        }
        const auto* form = std::find_if(std::begin(kForms), std::end(kForms), [&](const auto& f) {
            return utf8.substr(i).starts_with(f.first);
        });
        if (form == std::end(kForms)) return std::nullopt;
        out += form->second;
        i += form->first.size();
    }
    return out;
}

std::string_view trimmed(std::string_view t) {
    const std::size_t first = t.find_first_not_of(kTrimmed);
    if (first == std::string_view::npos) return {};
    return t.substr(first, t.find_last_not_of(kTrimmed) - first + 1);
}

bool all_digits(std::string_view t) {
    return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits, with a group mark allowed between groups of three: the digits alone. A first
// group of 0 or with a leading zero is no grouping: "0,125" is a decimal comma's 0.125.
std::optional<std::string> grouped_digits(std::string_view t) {
    std::string digits;
    for (bool first = true;; first = false) {
        const std::size_t mark = t.find_first_of(kGroupMarks);
        const std::string_view group = t.substr(0, mark);
        if (group.empty() || !all_digits(group)) return std::nullopt;
        const bool grouped = !first || mark != std::string_view::npos;
        if (grouped && (first ? group.size() > kGroupSize || group.front() == '0'
                              : group.size() != kGroupSize))
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
    const auto digit_or_mark = [](char c) {
        return (c >= '0' && c <= '9') || kGroupMarks.find(c) != std::string_view::npos;
    };
    std::string out;
    for (std::size_t i = 0; i < t.size();) {
        if (!digit_or_mark(t[i])) {
            out += t[i++];
            continue;
        }
        const std::size_t end = static_cast<std::size_t>(
            std::find_if_not(t.begin() + static_cast<std::ptrdiff_t>(i), t.end(), digit_or_mark) -
            t.begin());
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

// A decimal the keypad cannot key as written (more places or digits than it takes), and a
// recurring one, are keyed as the fraction in lowest terms.
WrittenNumber as_keyed(WrittenNumber n) {
    if (n.rep != REP_DECIMAL) return n;
    if (n.places >= 0 && n.places <= kKeyedPlaces && magnitude(n.value.num) < kKeyedValueLimit)
        return n;
    n.value = reduce(n.value);
    n.places = -1;
    if (n.value.den == 1) n.rep = REP_INTEGER;
    return n;
}

// Whether the keypad can key the number exactly so.
bool keyable(const WrittenNumber& n) {
    if (magnitude(n.value.num) >= kKeyedValueLimit) return false;
    return n.places >= 0 || n.rep == REP_INTEGER || magnitude(n.value.den) < kKeyedValueLimit;
}

void key_digits(std::vector<Command>& keys, std::string_view digits) {
    for (const char c : digits)
        keys.push_back(digit_command(c - '0'));
}

}  // namespace

std::optional<KeyedNumber> ParsePastedNumber(std::string_view utf8) {
    const auto ascii = ascii_of(utf8);
    if (!ascii) return std::nullopt;
    std::string text(trimmed(*ascii));
    // Beside a fraction bar a no-break space is the space of a mixed number ("2 1/3");
    // elsewhere it separates groups of digits.
    if (text.find('/') != std::string::npos)
        std::replace(text.begin(), text.end(), kNoBreakSpace, ' ');
    const auto plain = without_group_marks(text);
    if (!plain) return std::nullopt;
    const auto read = ReadNumber(*plain);
    if (!read) return std::nullopt;
    const WrittenNumber written = as_keyed(*read);
    if (!keyable(written)) return std::nullopt;
    KeyedNumber n;
    n.negative = written.negative;
    n.digits = magnitude(written.value.num);
    n.places = written.places;
    if (written.rep != REP_INTEGER && written.places < 0)
        n.denominator = magnitude(written.value.den);
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
