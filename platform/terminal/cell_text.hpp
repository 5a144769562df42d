// Texts in cells: a character is as wide as the Japanese code page counts it (a Japanese
// character two cells, ASCII and half-width katakana one), which is how terminals show them.
// Each function takes a text as the program holds it and works on the form the terminal can
// show (ShowableText).
#pragma once

#include <curses.h>

#include <string>
#include <string_view>

namespace tomaro::platform::terminal {

int CellsOf(std::string_view utf8);

// The text as shown, without its "&" mnemonic marks ("&&" is one "&"), and the cell at which
// the mnemonic letter stands (-1: none).
struct ShownText {
    std::string text;
    int mnemonic_cell = -1;
    char mnemonic = 0;  // 0: none
};
ShownText WithoutMnemonics(std::string_view utf8);

// Puts the text with its first cell at (row, col), keeping only the characters that lie
// wholly within the columns [left, right).
void PutText(WINDOW* w, int row, int col, std::string_view utf8, int left, int right, attr_t attrs);

// A space, for PutRun.
const cchar_t* BlankCell();

// The characters boxes and lines are drawn with: the terminal's line-drawing set, or ASCII
// where that set cannot be used (UseAsciiLines).
enum class Line {
    Across,
    Down,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
    LeftTee,
    RightTee,
    DottedAcross,
    DottedDown,
};
const cchar_t* LineCell(Line line);

// Fills cells [col, col + count) of a row with one character.
void PutRun(WINDOW* w, int row, int col, int count, const cchar_t* glyph, attr_t attrs);

}  // namespace tomaro::platform::terminal
