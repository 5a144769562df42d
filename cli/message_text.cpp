#include "cli/message_text.hpp"

#include "cli/utf8.hpp"

namespace tomaro {
namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // "…"

void append_escaped(std::string& out, unsigned char b) {
    static constexpr char kHex[] = "0123456789abcdef";
    if (b == 0) {
        out += "\\0";
    } else if (b == '\\') {
        out += "\\\\";
    } else {
        out += "\\x";
        out += kHex[b >> 4];
        out += kHex[b & 0xF];
    }
}

// The length of the UTF-8 sequence text starts with, or 0 if it does not start with one.
std::size_t sequence_length(std::string_view text) {
    Utf8Reader reader;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto r = reader.Step(static_cast<unsigned char>(text[i]));
        if (r == Utf8Reader::Complete) return i + 1;
        if (r == Utf8Reader::Invalid) return 0;
    }
    return 0;
}

// Terminals act on C0 and C1 control characters and DEL: those are escaped, byte by byte.
bool is_control(std::string_view sequence) {
    const auto b = static_cast<unsigned char>(sequence[0]);
    return b < 0x20 || b == 0x7F || (b == 0xC2 && static_cast<unsigned char>(sequence[1]) < 0xA0);
}

// Appends the shown text; true if it was cut.
bool append_shown(std::string& out, std::string_view text, std::uint64_t length) {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < text.size() && chars < kShownChars; ++chars) {
        const std::size_t n = sequence_length(text.substr(i));
        if (n == 0 || text[i] == '\\' || is_control(text.substr(i, n))) {
            for (const std::size_t end = i + (n == 0 ? 1 : n); i < end; ++i)
                append_escaped(out, static_cast<unsigned char>(text[i]));
        } else {
            out.append(text, i, n);
            i += n;
        }
    }
    return i < length;
}

void append_length(std::string& out, std::uint64_t length) {
    out += kEllipsis;
    out += " (";
    out += std::to_string(length);
    out += " bytes)";
}

}  // namespace

std::string MessageText(std::string_view text, std::uint64_t length) {
    std::string out;
    if (append_shown(out, text, length)) append_length(out, length);
    return out;
}

std::string Quoted(std::string_view text, std::uint64_t length) {
    std::string out = "'";
    const bool cut = append_shown(out, text, length);
    out += '\'';
    if (cut) append_length(out, length);
    return out;
}

}  // namespace tomaro
