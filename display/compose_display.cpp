#include "display/compose_display.hpp"

#include <algorithm>
#include <cmath>

#include "display/cp932.hpp"
#include "display/expand_decimal.hpp"
#include "display/number_text.hpp"

namespace tomaro {
namespace {

constexpr std::int32_t kMixedSplitGap = 3;  // pixels between the integer part and fraction
constexpr std::int32_t kGroupMarkRise = 3;  // marks sit this many pixels above the main line
constexpr std::int32_t kFewestMarkedDigits = 4;

// Decimal placement: one centred line up to 40 bytes; beyond, two left-aligned lines.
constexpr std::size_t kOneLineLimit = 40;
constexpr std::size_t kTwoLineLimit = 72;
constexpr std::size_t kFirstLineCut = 37;
constexpr std::size_t kSecondLineCut = 33;
constexpr std::int32_t kLowerLineIndent = 4;  // cells; the upper line starts half a cell in

struct Geometry {
    std::int32_t width;   // W
    std::int32_t centre;  // c = W / 2
    std::int32_t cell;    // cw
};

std::int32_t length_of(const std::string& t) {
    return static_cast<std::int32_t>(cp932_length(t));
}

// The bar spans the longer of the two lines plus one cell, centred.
void centre_fraction(DisplayModel& m, const Geometry& l) {
    m.numX = m.denX = l.centre;
    const std::int32_t w = (std::max(length_of(m.numText), length_of(m.denText)) + 1) * l.cell;
    m.barLeft = (l.width - w) / 2;
    m.barRight = (l.width + w) / 2;
}

// The advance of a character of an integer in the display font, in 1/kAdvanceRun pixels.
std::int64_t advance_of(const DisplayModel& m, char c) {
    const std::size_t i = kIntegerCharacters.find(c);
    return i == std::string_view::npos ? std::int64_t{m.charWidth} * kAdvanceRun : m.advances[i];
}

// A mark over every third digit from the right of a number of four digits or more, over the
// centre of that digit as the centred text draws it. Where every character is one cell wide
// this is the cell rule: mainX - 1 + ((2 * digit + 1 - length) * cell) / 2.
void place_group_marks(DisplayModel& m) {
    m.marks.clear();
    const std::string& t = m.mainText;
    const auto length = static_cast<std::int32_t>(t.size());
    const std::int32_t digits = length - (t.starts_with('-') ? 1 : 0);
    if (digits < kFewestMarkedDigits) return;
    std::int64_t width = 0;
    for (const char c : t)
        width += advance_of(m, c);
    std::int64_t before = 0;  // the advances left of the digit
    std::size_t next = 0;
    for (std::int32_t k = (digits - 1) / 3; k >= 1; --k) {
        const auto digit = static_cast<std::size_t>(length - 3 * k);  // the 3k-th from the right
        for (; next < digit; ++next)
            before += advance_of(m, t[next]);
        // Twice the offset of the digit's centre from the text's, over twice the run.
        const std::int64_t offset =
            (2 * before + advance_of(m, t[digit]) - width) / (2 * std::int64_t{kAdvanceRun});
        m.marks.push_back(
            {digit, m.mainX - 1 + static_cast<std::int32_t>(offset), m.mainY - kGroupMarkRise});
    }
}

void compose_integer(const Fraction& e, DisplayModel& m) {
    Int64 q = wrapping_div(e.num, e.den);
    const UInt64 r = magnitude(wrapping_rem(e.num, e.den));
    // Half away from zero; 2|r| >= |den| is tested as |r| >= |den| - |r| so it cannot wrap.
    if (r != 0 && r >= magnitude(e.den) - r) {
        q = is_negative(e) ? wrapping_sub(q, 1) : wrapping_add(q, 1);
    }
    format_integer(m.mainText, q);
    m.layout = DisplayLayout::Integer;
}

void compose_fraction(const Fraction& e, DisplayModel& m) {
    format_integer(m.numText, e.num);
    format_integer(m.denText, e.den);
    m.layout = DisplayLayout::Fraction;
}

void compose_mixed(const Fraction& e, DisplayModel& m) {
    format_whole_part(m.mainText, e);
    // Magnitudes are written unsigned: |den| may be 2^63.
    format_magnitude(m.numText, wrapping_rem(e.num, e.den));
    format_magnitude(m.denText, e.den);
    m.layout = DisplayLayout::Mixed;
}

void place_mixed(DisplayModel& m, const Geometry& l) {
    const std::int32_t w = (std::max(length_of(m.numText), length_of(m.denText)) + 1) * l.cell;
    const std::int32_t s = ((length_of(m.mainText) - length_of(m.denText)) * l.cell) / 2;
    m.mainX = l.centre - kMixedSplitGap + s;
    m.numX = m.denX = l.centre + kMixedSplitGap + s;
    m.barLeft = l.centre + s;
    m.barRight = l.centre + w + s;
}

void compose_error(const Shadow& shadow, DisplayModel& m) {
    format_fixed(m.numText, shadow.num, 0);
    format_fixed(m.denText, shadow.den, 0);
    m.layout = DisplayLayout::Error;
}

// The decimal text stands in mainText; a long one moves to the upper and lower lines.
void split_decimal(DisplayModel& m) {
    const std::string& t = m.mainText;
    const std::size_t len = cp932_length(t);
    if (len <= kOneLineLimit) {
        m.numText.clear();
        m.denText.clear();
        m.layout = DisplayLayout::DecimalOneLine;
        return;
    }
    const std::string_view first = cp932_prefix(t, kFirstLineCut);
    const std::string_view rest = std::string_view(t).substr(first.size());
    m.numText = first;
    if (len <= kTwoLineLimit) {
        m.denText = rest;
    } else {
        m.denText = cp932_prefix(rest, kSecondLineCut);
        m.denText += kCutMark;
    }
    m.mainText.clear();
    m.lowerIndent = kLowerLineIndent;
    m.layout = DisplayLayout::DecimalTwoLines;
}

std::string_view fraction_kind(const Fraction& e) {
    return magnitude(e.num) < magnitude(e.den) ? kKindProper : kKindImproper;
}

}  // namespace

int readout_precision(double v) {
    const long double lg = std::log10(std::fabs(static_cast<long double>(v)));
    const int j = std::isfinite(lg) ? static_cast<int>(lg) : 0;  // truncated toward zero
    return std::max(15 - j, 0);
}

// Only the positions of the lines the layout draws are written.
void PlaceDisplay(DisplayModel& m) {
    const Geometry l{m.displayRect.right - m.displayRect.left,
                     (m.displayRect.right - m.displayRect.left) / 2, m.charWidth};
    switch (m.layout) {
        case DisplayLayout::Integer:
            m.mainX = l.centre;
            place_group_marks(m);
            break;
        case DisplayLayout::DecimalOneLine:
            m.mainX = l.centre;
            break;
        case DisplayLayout::Fraction:
        case DisplayLayout::Error:
            centre_fraction(m, l);
            break;
        case DisplayLayout::Mixed:
            place_mixed(m, l);
            break;
        case DisplayLayout::DecimalTwoLines:
            m.numX = l.cell / 2;
            m.denX = m.lowerIndent * l.cell;
            break;
    }
}

void ComposeDisplay(CalcState& s, DisplayModel& m) {
    const Fraction& e = s.entry;
    double v = 0;
    switch (s.entryRep) {
        case REP_INTEGER:
            compose_integer(e, m);
            s.kindText = kKindInteger;
            break;
        case REP_FRACTION:
            compose_fraction(e, m);
            s.kindText = fraction_kind(e);
            break;
        case REP_MIXED:
            compose_mixed(e, m);
            s.kindText = kKindMixed;
            break;
        case REP_DECIMAL:
            s.kindText = ExpandDecimal(e, m.mainText);
            split_decimal(m);
            break;
        case REP_ERROR:
            compose_error(s.accShadow, m);
            s.kindText = kKindError;
            v = s.accShadow.num / s.accShadow.den;
            break;
    }
    PlaceDisplay(m);
    if (s.entryRep != REP_ERROR) v = nearest_quotient(e.num, e.den);

    if (s.noticeText.empty()) {
        format_fixed(s.readoutText, v, readout_precision(v));
    } else {
        s.readoutText = s.noticeText;
    }
    s.opText.assign(1, s.pendingOp);
}

}  // namespace tomaro
