#include "cli/json_output.hpp"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>

namespace tomaro {
namespace {

template <typename Integer>
void append_integer(std::string& out, Integer v) {
    char buf[24];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

void append_fraction(std::string& out, const Fraction& f) {
    out += '[';
    append_integer(out, f.num);
    out += ',';
    append_integer(out, f.den);
    out += ']';
}

// Writes `"name":`, with the comma that separates it from the field before.
void name(std::string& out, std::string_view n) {
    if (out.back() != '{') out += ',';
    out += '"';
    out += n;
    out += "\":";
}

void append_bool(std::string& out, bool b) {
    out += b ? "true" : "false";
}

void append_numbers(std::string& out, std::initializer_list<std::int32_t> values) {
    for (const std::int32_t v : values) {
        out += ',';
        append_integer(out, v);
    }
}

// One drawing operation as an array: its name, its numbers, and a text's text.
void append_op(std::string& out, const PaintOp& op) {
    switch (op.kind) {
        case PaintOp::Fill:
            out += "[\"fill\"";
            append_numbers(out, {op.a, op.b, op.c, op.d});
            break;
        case PaintOp::Align:
            out += "[\"align\"";
            append_numbers(out, {op.a});
            break;
        case PaintOp::Text:
            out += "[\"text\"";
            append_numbers(out, {op.a, op.b});
            out += ',';
            AppendJsonString(out, op.text);
            break;
        case PaintOp::Line:
            out += "[\"line\"";
            append_numbers(out, {op.a, op.b, op.c, op.d});
            break;
    }
    out += ']';
}

// In the order of DisplayLayout.
constexpr std::string_view kLayoutNames[] = {
    "integer", "fraction", "mixed", "decimalOneLine", "decimalTwoLines", "error",
};
static_assert(std::size(kLayoutNames) == static_cast<std::size_t>(DisplayLayout::Error) + 1);

// The layout the display was composed in, with what it places beyond the texts and their
// positions: an integer's group marks, the lower line's indent of a long decimal.
void append_layout(std::string& out, const DisplayModel& m) {
    out += '{';
    name(out, "name");
    AppendJsonString(out, kLayoutNames[static_cast<std::size_t>(m.layout)]);
    if (m.layout == DisplayLayout::Integer) {
        name(out, "marks");
        out += '[';
        for (std::size_t i = 0; i < m.marks.size(); ++i) {
            if (i > 0) out += ',';
            out += '{';
            name(out, "digit");
            append_integer(out, m.marks[i].digit);
            name(out, "x");
            append_integer(out, m.marks[i].x);
            name(out, "y");
            append_integer(out, m.marks[i].y);
            out += '}';
        }
        out += ']';
    }
    if (m.layout == DisplayLayout::DecimalTwoLines) {
        name(out, "lowerIndent");
        append_integer(out, m.lowerIndent);
    }
    out += '}';
}

void append_paint(std::string& out, std::span<const PaintOp> ops) {
    out += '[';
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (i > 0) out += ',';
        append_op(out, ops[i]);
    }
    out += ']';
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += ch;
        }
    }
    out += '"';
}

void AppendJsonNumber(std::string& out, double v) {
    char buf[32];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

void AppendJsonState(std::string& out, const Key* key, const CalcState& s, const DisplayModel& m,
                     std::span<const PaintOp> display, std::string_view clipboard) {
    out += '{';
    name(out, "key");
    if (key != nullptr) {
        AppendJsonString(out, key->text);
    } else {
        out += "null";
    }
    name(out, "entry");
    append_fraction(out, s.entry);
    name(out, "entryRep");
    append_integer(out, static_cast<int>(s.entryRep));
    name(out, "acc");
    append_fraction(out, s.acc);
    name(out, "accRep");
    append_integer(out, static_cast<int>(s.accRep));
    name(out, "memory");
    append_fraction(out, s.memory);
    name(out, "memoryRep");
    append_integer(out, static_cast<int>(s.memoryRep));
    name(out, "accShadow");
    out += '[';
    AppendJsonNumber(out, s.accShadow.num);
    out += ',';
    AppendJsonNumber(out, s.accShadow.den);
    out += ']';
    name(out, "pendingOp");
    AppendJsonString(out, std::string_view(&s.pendingOp, 1));
    name(out, "resultShown");
    append_bool(out, s.resultShown);
    name(out, "locked");
    append_bool(out, s.locked);

    const struct {
        std::string_view name;
        const std::string& text;
    } texts[] = {
        {"noticeText", s.noticeText}, {"memText", s.memText}, {"readoutText", s.readoutText},
        {"kindText", s.kindText},     {"opText", s.opText},   {"mainText", m.mainText},
        {"numText", m.numText},       {"denText", m.denText},
    };
    for (const auto& t : texts) {
        name(out, t.name);
        AppendJsonString(out, t.text);
    }
    const struct {
        std::string_view name;
        std::int32_t value;
    } positions[] = {
        {"mainX", m.mainX},     {"numX", m.numX},         {"denX", m.denX},
        {"barLeft", m.barLeft}, {"barRight", m.barRight},
    };
    for (const auto& p : positions) {
        name(out, p.name);
        append_integer(out, p.value);
    }

    name(out, "layout");
    append_layout(out, m);
    name(out, "paint");
    append_paint(out, display);
    name(out, "clipboard");
    AppendJsonString(out, clipboard);
    out += "}\n";
}

}  // namespace tomaro
