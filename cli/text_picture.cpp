#include "cli/text_picture.hpp"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "display/cp932.hpp"
#include "display/paint_display.hpp"

namespace tomaro {
namespace {

// The lower line of a long decimal starts this far right of the upper one, as on the display.
constexpr std::size_t kSecondLineIndent = 4;

// Columns a text takes in a terminal: the display's byte count gives double width to the
// Japanese characters, as terminals do.
std::size_t columns(std::string_view t) {
    return cp932_length(t);
}

void append_line(std::string& out, std::size_t indent, std::string_view text) {
    out.append(indent, ' ');
    out += text;
    out += '\n';
}

// The upper text centred over a bar one column longer on each side than the longer text,
// the lower text centred under it; `lead` stands before the bar (the integer part of a
// mixed number) and indents the other two lines as much.
void append_fraction(std::string& out, std::string_view lead, std::string_view upper,
                     std::string_view lower) {
    const std::size_t indent = columns(lead);
    const std::size_t bar = std::max(columns(upper), columns(lower)) + 2;
    append_line(out, indent + (bar - columns(upper)) / 2, upper);
    out += lead;
    out.append(bar, '-');
    out += '\n';
    append_line(out, indent + (bar - columns(lower)) / 2, lower);
}

// The integer with a mark before every group of three digits, counting from the right, as
// many as the display draws.
void append_integer(std::string& out, std::string_view text, std::size_t marks) {
    const std::size_t first_digit = text.starts_with('-') ? 1 : 0;
    const std::size_t digits = text.size() - first_digit;
    out += text.substr(0, first_digit);
    for (std::size_t i = 0; i < digits; ++i) {
        const std::size_t left = digits - i;  // digits from this one to the end
        if (i > 0 && left % 3 == 0 && left / 3 <= marks) out += kGroupMark;
        out += text[first_digit + i];
    }
    out += '\n';
}

std::size_t drawn_marks(std::span<const PaintOp> ops) {
    return static_cast<std::size_t>(std::count_if(ops.begin(), ops.end(), [](const PaintOp& op) {
        return op.kind == PaintOp::Text && op.text == kGroupMark;
    }));
}

void append_field(std::string& out, std::string_view text, char after) {
    out += '[';
    out += text;
    out += ']';
    out += after;
}

}  // namespace

void AppendTextPicture(std::string& out, const CalcState& s, const DisplayModel& m,
                       std::span<const PaintOp> display) {
    switch (m.layout) {
        case DisplayLayout::Integer:
            append_integer(out, m.mainText, drawn_marks(display));
            break;
        case DisplayLayout::Fraction:
        case DisplayLayout::Error:
            append_fraction(out, {}, m.numText, m.denText);
            break;
        case DisplayLayout::Mixed:
            append_fraction(out, m.mainText + ' ', m.numText, m.denText);
            break;
        case DisplayLayout::DecimalOneLine:
            append_line(out, 0, m.mainText);
            break;
        case DisplayLayout::DecimalTwoLines:
            append_line(out, 0, m.numText);
            append_line(out, kSecondLineIndent, m.denText);
            break;
    }
    append_field(out, s.memText, ' ');
    append_field(out, s.readoutText, ' ');
    append_field(out, s.kindText, ' ');
    append_field(out, s.opText, '\n');
}

}  // namespace tomaro
