#include "platform/terminal/cell_text.hpp"

#include "display/cp932.hpp"

namespace tomaro::platform::terminal {
namespace {

wchar_t Decode(std::string_view c) {
    const auto lead = static_cast<unsigned char>(c[0]);
    if (c.size() == 1) return lead < 0x80 ? static_cast<wchar_t>(lead) : L'?';
    std::uint32_t value = lead & (0x7Fu >> c.size());
    for (std::size_t i = 1; i < c.size(); ++i)
        value = (value << 6) | (static_cast<unsigned char>(c[i]) & 0x3Fu);
    return static_cast<wchar_t>(value);
}

// Calls use(character, its cells) for each character of the text.
template <typename Use>
void ForEachCharacter(std::string_view utf8, Use use) {
    while (!utf8.empty()) {
        const Cp932Char c = cp932_first_char(utf8);
        use(utf8.substr(0, c.utf8_bytes), static_cast<int>(c.cp932_bytes));
        utf8.remove_prefix(c.utf8_bytes);
    }
}

}  // namespace

int CellsOf(std::string_view utf8) {
    return static_cast<int>(cp932_length(utf8));
}

ShownText WithoutMnemonics(std::string_view utf8) {
    ShownText shown;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '&' && i + 1 < utf8.size()) {
            ++i;
            if (utf8[i] != '&' && shown.mnemonic == 0) {
                shown.mnemonic_cell = CellsOf(shown.text);
                shown.mnemonic = utf8[i];
            }
        }
        shown.text += utf8[i];
    }
    return shown;
}

void PutText(WINDOW* w, int row, int col, std::string_view utf8, int left, int right,
             attr_t attrs) {
    ForEachCharacter(utf8, [&](std::string_view c, int cells) {
        if (col >= left && col + cells <= right) {
            const wchar_t wide[2] = {Decode(c), L'\0'};
            cchar_t glyph;
            setcchar(&glyph, wide, attrs, 0, nullptr);
            mvwadd_wch(w, row, col, &glyph);
        }
        col += cells;
    });
}

const cchar_t* BlankCell() {
    static const cchar_t blank = [] {
        cchar_t c;
        setcchar(&c, L" ", A_NORMAL, 0, nullptr);
        return c;
    }();
    return &blank;
}

void PutRun(WINDOW* w, int row, int col, int count, const cchar_t* glyph, attr_t attrs) {
    cchar_t shown = *glyph;
    wchar_t wide[CCHARW_MAX];
    attr_t old_attrs = 0;
    short pair = 0;
    getcchar(glyph, wide, &old_attrs, &pair, nullptr);
    setcchar(&shown, wide, attrs | old_attrs, pair, nullptr);
    for (int i = 0; i < count; ++i)
        mvwadd_wch(w, row, col + i, &shown);
}

}  // namespace tomaro::platform::terminal
