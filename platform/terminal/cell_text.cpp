#include "platform/terminal/cell_text.hpp"

#include <array>

#include "display/cp932.hpp"
#include "platform/terminal/terminal_text.hpp"

namespace tomaro::platform::terminal {
namespace {

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
    return static_cast<int>(cp932_length(ShowableText(utf8)));
}

ShownText WithoutMnemonics(std::string_view text) {
    const std::string utf8 = ShowableText(text);
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

void PutText(WINDOW* w, int row, int col, std::string_view text, int left, int right,
             attr_t attrs) {
    ForEachCharacter(ShowableText(text), [&](std::string_view c, int cells) {
        if (col >= left && col + cells <= right) {
            const wchar_t wide[2] = {static_cast<wchar_t>(FirstUtf8Char(c).value), L'\0'};
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

const cchar_t* LineCell(Line line) {
    // In the order of Line.
    static const auto ascii = [] {
        constexpr std::wstring_view kCharacters = L"-|++++++.:";
        std::array<cchar_t, kCharacters.size()> cells{};
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const wchar_t c[2] = {kCharacters[i], L'\0'};
            setcchar(&cells[i], c, A_NORMAL, 0, nullptr);
        }
        return cells;
    }();
    const auto i = static_cast<std::size_t>(line);
    if (LinesInAscii()) return &ascii[i];
    // In the order of Line; curses fills these in when the screen starts.
    const cchar_t* const drawn[] = {WACS_HLINE,    WACS_VLINE,    WACS_ULCORNER, WACS_URCORNER,
                                    WACS_LLCORNER, WACS_LRCORNER, WACS_LTEE,     WACS_RTEE,
                                    WACS_BULLET,   WACS_BULLET};
    return drawn[i];
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
