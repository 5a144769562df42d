// Lengths that decide the layout are counted as the display's Japanese code page counts
// them: ASCII and half-width katakana take one byte, every other character two. Texts are
// held in UTF-8.
#pragma once

#include <cstddef>
#include <string_view>

namespace tomaro {

std::size_t cp932_length(std::string_view utf8);

// The first character of a non-empty utf8: how many bytes it takes there and in the code
// page. A stray or cut-off byte counts as one character.
struct Cp932Char {
    std::size_t utf8_bytes;
    std::size_t cp932_bytes;
};
Cp932Char cp932_first_char(std::string_view utf8);

// The longest prefix of utf8 that is at most `limit` code-page bytes, never splitting a
// character.
std::string_view cp932_prefix(std::string_view utf8, std::size_t limit);

}  // namespace tomaro
