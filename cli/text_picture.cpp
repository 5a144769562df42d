#include "cli/text_picture.hpp"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "display/cp932.hpp"

namespace tomaro {
namespace {

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

// The integer with each of the display's group marks before the digit it stands over.
void append_integer(std::string& out, const DisplayModel& m) {
    std::size_t from = 0;
    for (const GroupMark& mark : m.marks) {
        out.append(m.mainText, from, mark.digit - from);
        out += kGroupMark;
        from = mark.digit;
    }
    out.append(m.mainText, from);
    out += '\n';
}

void append_field(std::string& out, std::string_view text, char after) {
    out += '[';
    out += text;
    out += ']';
    out += after;
}

}  // namespace

void AppendTextPicture(std::string& out, const CalcState& s, const DisplayModel& m) {
    switch (m.layout) {
        case DisplayLayout::Integer:
            append_integer(out, m);
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
            append_line(out, static_cast<std::size_t>(m.lowerIndent), m.denText);
            break;
    }
    append_field(out, s.memText, ' ');
    append_field(out, s.readoutText, ' ');
    append_field(out, s.kindText, ' ');
    append_field(out, s.opText, '\n');
}

}  // namespace tomaro
