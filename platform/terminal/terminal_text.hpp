// Which characters reach the terminal. The locale says what the terminal's character set is:
// in a UTF-8 locale every text is drawn as it is; in another (ISO 8859-1, EUC-JP, Shift_JIS)
// a text whose every character that set holds is drawn in it, and any other text as its ASCII
// form: the program's Japanese texts romanised, so that every control stays identifiable.
// Boxes and lines then come from the terminal's own line-drawing set, which curses uses
// outside UTF-8 by itself. No text ever puts a C1 control byte (0x80 to 0x9F) on the screen.
#pragma once

#include <string>
#include <string_view>

namespace tomaro::platform::terminal {

enum class Charset {
    Utf8,    // a UTF-8 locale, or none chosen at all (C or POSIX): taken as UTF-8
    Locale,  // the locale's own character set, not UTF-8
    Ascii,   // the locale asked for is not installed and names no UTF-8: 7-bit ASCII only
};

// Sets the program's locale from the environment (LC_ALL, LC_CTYPE, LANG) and answers how
// texts are drawn; the answer also holds for ShowableText from then on.
Charset UseTerminalLocale();

// The text as the terminal can show it: the text itself, or its ASCII form.
std::string ShowableText(std::string_view utf8);

// The ASCII form of a text: romanised (Hepburn, long vowels doubled) where it is one of the
// program's texts, else character by character (full-width forms become ASCII, anything else
// "?"). An ASCII text is its own form.
std::string AsciiForm(std::string_view utf8);

// Lines and boxes in ASCII ("+", "-", "|") instead of the terminal's line-drawing set: for a
// terminal whose line drawing takes the character-set slot that the locale's encoding uses
// for its own characters (EUC-JP's G1).
void UseAsciiLines();
bool LinesInAscii();

// The stand-in for the program's icon (in a UTF-8 or Japanese terminal, 分: fractions).
std::string_view IconText();

// The first character of a UTF-8 text and its length in bytes; a stray byte is U+FFFD.
struct Utf8Char {
    char32_t value;
    std::size_t bytes;
};
Utf8Char FirstUtf8Char(std::string_view utf8);

}  // namespace tomaro::platform::terminal
