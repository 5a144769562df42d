#include "display/display_reading.hpp"

#include "display/expand_decimal.hpp"
#include "display/number_text.hpp"

namespace tomaro {
namespace {

constexpr std::string_view kSpokenMinus = "マイナス";
constexpr std::string_view kSpokenOver = "分の";          // "6分の5": the denominator first
constexpr std::string_view kSpokenAnd = "と";             // "2と3分の1"
constexpr std::string_view kSpokenRecurs = "の繰り返し";  // "以下3の繰り返し"
constexpr std::string_view kSpokenThereafter = "、以下";
constexpr std::string_view kSpokenCut = "、以下省略";
constexpr std::string_view kSpokenError = "エラー、";

// Takes a leading minus off `text`; answers whether there was one.
bool take_minus(std::string_view& text) {
    if (!text.starts_with('-')) return false;
    text.remove_prefix(1);
    return true;
}

std::string spoken_fraction(std::string_view num, std::string_view den) {
    const bool negative = take_minus(num) != take_minus(den);
    std::string out(negative ? kSpokenMinus : "");
    return out.append(den).append(kSpokenOver).append(num);
}

std::string spoken_decimal(std::string_view text) {
    if (text.empty() || (text[0] != '-' && (text[0] < '0' || text[0] > '9')))
        return std::string(text);  // a message in place of the number
    std::string out(take_minus(text) ? kSpokenMinus : "");
    if (text.ends_with(kCutMark)) {
        text.remove_suffix(kCutMark.size());
        for (const char c : text)
            if (c != '{') out += c;
        return out.append(kSpokenCut);
    }
    const std::size_t open = text.find('{');
    if (open == std::string_view::npos) return out.append(text);
    const std::string_view block = text.substr(open + 1, text.size() - open - 2);
    return out.append(text.substr(0, open))
        .append(block)
        .append(kSpokenThereafter)
        .append(block)
        .append(kSpokenRecurs);
}

// Shown with a sign on either line; written with one sign, in front.
std::optional<std::string> fraction_text(const Fraction& f) {
    if (f.den == 0) return std::nullopt;
    std::string num, den;
    format_magnitude(num, f.num);
    format_magnitude(den, f.den);
    return (is_negative(f) ? "-" : "") + num + "/" + den;
}

}  // namespace

std::string DisplayReading(const DisplayModel& m) {
    switch (m.layout) {
        case DisplayLayout::Integer:
        case DisplayLayout::DecimalOneLine:
            return m.mainText;
        case DisplayLayout::Fraction:
        case DisplayLayout::Error:
            return m.numText + "/" + m.denText;
        case DisplayLayout::Mixed:
            return m.mainText + " " + m.numText + "/" + m.denText;
        case DisplayLayout::DecimalTwoLines:
            return m.numText + m.denText;
    }
    return {};
}

std::string SpokenReading(const DisplayModel& m) {
    switch (m.layout) {
        case DisplayLayout::Integer: {
            std::string_view text = m.mainText;
            const bool negative = take_minus(text);
            return std::string(negative ? kSpokenMinus : "").append(text);
        }
        case DisplayLayout::Fraction:
            return spoken_fraction(m.numText, m.denText);
        case DisplayLayout::Error:
            return std::string(kSpokenError) + spoken_fraction(m.numText, m.denText);
        case DisplayLayout::Mixed: {
            std::string_view whole = m.mainText;
            const bool negative = take_minus(whole);
            return std::string(negative ? kSpokenMinus : "")
                .append(whole)
                .append(kSpokenAnd)
                .append(spoken_fraction(m.numText, m.denText));
        }
        case DisplayLayout::DecimalOneLine:
        case DisplayLayout::DecimalTwoLines:
            return spoken_decimal(DisplayReading(m));
    }
    return {};
}

std::optional<std::string> DisplayedValueText(const CalcState& s, const DisplayModel& m) {
    switch (s.entryRep) {
        case REP_ERROR:
            return std::nullopt;
        case REP_INTEGER:  // shown rounded, and so taken
        case REP_MIXED:
            return DisplayReading(m);
        case REP_FRACTION:
            return fraction_text(s.entry);
        case REP_DECIMAL: {
            DecimalText decimal = ExpandDecimal(s.entry);
            if (decimal.kind == kKindDecimal) return std::nullopt;  // the too-large message
            // A block cut short would be another number: the value goes as its fraction.
            if (!decimal.whole_period) return fraction_text(s.entry);
            return std::move(decimal.text);
        }
    }
    return std::nullopt;
}

}  // namespace tomaro
