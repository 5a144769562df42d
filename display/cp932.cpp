#include "display/cp932.hpp"

namespace tomaro {

Cp932Char cp932_first_char(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s[0]);
    if (lead < 0x80) return {1, 1};
    const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (n > s.size()) return {1, 2};
    if (n == 3) {
        // Half-width katakana U+FF61 to U+FF9F: EF BD A1..BF and EF BE 80..9F.
        const auto b1 = static_cast<unsigned char>(s[1]);
        const auto b2 = static_cast<unsigned char>(s[2]);
        const bool half_width =
            lead == 0xEF && ((b1 == 0xBD && b2 >= 0xA1) || (b1 == 0xBE && b2 <= 0x9F));
        if (half_width) return {3, 1};
    }
    return {n, 2};
}

std::size_t cp932_length(std::string_view utf8) {
    std::size_t length = 0;
    while (!utf8.empty()) {
        const Cp932Char c = cp932_first_char(utf8);
        length += c.cp932_bytes;
        utf8.remove_prefix(c.utf8_bytes);
    }
    return length;
}

std::string_view cp932_prefix(std::string_view utf8, std::size_t limit) {
    std::size_t taken = 0, length = 0;
    while (taken < utf8.size()) {
        const Cp932Char c = cp932_first_char(utf8.substr(taken));
        if (length + c.cp932_bytes > limit) break;
        length += c.cp932_bytes;
        taken += c.utf8_bytes;
    }
    return utf8.substr(0, taken);
}

}  // namespace tomaro
