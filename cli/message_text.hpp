// Text from the user (a token, an option, a file name) as an error message shows it: safe
// to write to a terminal, and short.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tomaro {

// The most characters of a text a message shows.
inline constexpr std::size_t kShownChars = 40;

// The text with every control character, backslash and byte that is not UTF-8 escaped
// ("\x1b", "\0", "\\", "\xff"); more than kShownChars characters are cut to those,
// followed by "…" and the length in bytes. length is the whole text's length when text is
// only its beginning.
std::string MessageText(std::string_view text, std::uint64_t length);
inline std::string MessageText(std::string_view text) {
    return MessageText(text, text.size());
}

// The same between single quotes, the length after the closing one: 'bogus', '12x…' (N bytes).
std::string Quoted(std::string_view text, std::uint64_t length);
inline std::string Quoted(std::string_view text) {
    return Quoted(text, text.size());
}

}  // namespace tomaro
