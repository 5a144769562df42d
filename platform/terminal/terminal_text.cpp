#include "platform/terminal/terminal_text.hpp"

#include <langinfo.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <clocale>
#include <cstdlib>
#include <cwchar>
#include <utility>
#include <vector>

#include "display/compose_display.hpp"
#include "display/expand_decimal.hpp"
#include "engine/calc_state.hpp"
#include "platform/terminal/control_look.hpp"
#include "resources/resources.hpp"
#include "shell/pasted_number.hpp"

namespace tomaro::platform::terminal {
namespace {

Charset g_charset = Charset::Utf8;
bool g_ascii_lines = false;

constexpr std::string_view kIcon = "分";
constexpr std::string_view kIconAscii = "1/2";

// The About box's line that says what the program does: its one label that is not ASCII.
std::string_view AboutDescription() {
    for (const ControlTemplate& c : AboutDialogTemplate().controls)
        if (LookOf(c) == Look::Label &&
            std::ranges::any_of(c.text, [](char b) { return (b & 0x80) != 0; }))
            return c.text;
    return {};
}

std::string_view MenuText(int id) {
    for (const MenuItem& item : ContextMenuPopup())
        if (item.id == id) return item.text;
    return {};
}

// Every Japanese text the terminal shows, romanised to fit where it is shown: a kind label
// in ten cells, a notice in the readout's fifty-two.
const std::vector<std::pair<std::string_view, std::string_view>>& Romanised() {
    static const std::vector<std::pair<std::string_view, std::string_view>> table = {
        {kKindInteger, "seisuu"},
        {kKindProper, "shinbunsuu"},
        {kKindImproper, "kabunsuu"},
        {kKindMixed, "taibunsuu"},
        {kKindError, "eraa"},
        {kKindDecimal, "shousuu"},
        {kKindTerminating, "yuugen"},
        {kKindRecurring, "junkan"},
        {kTooLargeMessage, "suuji ga ookisugiru tame hyouji dekimasen."},
        {kNoticeDivideByZero, "0 (zero) de josan suru koto wa dekimasen."},
        {kNoticeZeroDenominator, "0 (zero) o bunbo ni suru koto wa dekimasen."},
        {kNoticePasteRefused, "seikaku ni nyuuryoku dekinai tame haritsukemasen."},
        {MenuText(ID_MENU_COPY), "kopii(&C)"},
        {MenuText(ID_MENU_PASTE), "haritsuke(&P)"},
        {MenuText(ID_MENU_ABOUT), "baajon jouhou(&A)"},
        {MenuText(ID_MENU_EXIT), "shuuryou(&X)"},
        {AboutDialogTemplate().caption, "Tomaro no baajon jouhou"},
        {AboutDescription(), "bunsuu o bunsuu no mama seikaku ni keisan shimasu."},
    };
    return table;
}

bool NamesUtf8(std::string_view locale_name) {
    std::string lower;
    for (const char c : locale_name)
        if (c != '-') lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("utf8") != std::string::npos;
}

// The locale the environment asks for character handling, as setlocale reads it.
std::string_view RequestedCtype() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') return value;
    return {};
}

bool Shows(char32_t c) {
    if (c < 0x80) return true;
    switch (g_charset) {
        case Charset::Utf8:
            return true;
        case Charset::Ascii:
            return false;
        case Charset::Locale:
            break;
    }
    if (c < 0xA0) return false;  // C1 controls
    char bytes[MB_LEN_MAX];
    std::mbstate_t state{};
    const std::size_t n = std::wcrtomb(bytes, static_cast<wchar_t>(c), &state);
    if (n == static_cast<std::size_t>(-1)) return false;
    // A single-byte set may put a character on a byte that 8-bit terminals take as C1.
    const auto first = static_cast<unsigned char>(bytes[0]);
    return !(n == 1 && first >= 0x80 && first < 0xA0);
}

bool ShowsAll(std::string_view utf8) {
    while (!utf8.empty()) {
        const Utf8Char c = FirstUtf8Char(utf8);
        if (!Shows(c.value)) return false;
        utf8.remove_prefix(c.bytes);
    }
    return true;
}

char AsciiOf(char32_t c) {
    if (c < 0x80) return static_cast<char>(c);
    if (c >= 0xFF01 && c <= 0xFF5E) return static_cast<char>(c - 0xFEE0);  // full-width forms
    switch (c) {
        case U'\u3000':  // ideographic space
            return ' ';
        case U'\u3001':  // 、
            return ',';
        case U'\u3002':  // 。
            return '.';
        case U'\u30FC':  // ー
        case U'\u2500':  // ─
            return '-';
        default:
            return '?';
    }
}

}  // namespace

Charset UseTerminalLocale() {
    // Another category than LC_CTYPE may name the locale that is missing.
    if (std::setlocale(LC_ALL, "") == nullptr) std::setlocale(LC_CTYPE, "");
    if (std::string_view(nl_langinfo(CODESET)) == "UTF-8") return g_charset = Charset::Utf8;
    const std::string_view in_effect = std::setlocale(LC_CTYPE, nullptr);
    if (in_effect != "C" && in_effect != "POSIX") return g_charset = Charset::Locale;
    // No locale in effect: none was asked for (a container, where terminals are UTF-8), or
    // the one asked for is not installed and its name is all there is to go by.
    const std::string_view requested = RequestedCtype();
    const bool none_asked = requested.empty() || requested == "C" || requested == "POSIX";
    if ((none_asked || NamesUtf8(requested)) && std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr)
        return g_charset = Charset::Utf8;
    return g_charset = Charset::Ascii;
}

std::string ShowableText(std::string_view utf8) {
    if (g_charset == Charset::Utf8 || ShowsAll(utf8)) return std::string(utf8);
    return AsciiForm(utf8);
}

std::string AsciiForm(std::string_view utf8) {
    for (const auto& [text, ascii] : Romanised())
        if (text == utf8) return std::string(ascii);
    std::string ascii;
    while (!utf8.empty()) {
        const Utf8Char c = FirstUtf8Char(utf8);
        ascii += AsciiOf(c.value);
        utf8.remove_prefix(c.bytes);
    }
    return ascii;
}

void UseAsciiLines() {
    g_ascii_lines = true;
}

bool LinesInAscii() {
    return g_ascii_lines;
}

std::string_view IconText() {
    return ShowsAll(kIcon) ? kIcon : kIconAscii;
}

Utf8Char FirstUtf8Char(std::string_view utf8) {
    constexpr Utf8Char kStray{U'\uFFFD', 1};
    const auto lead = static_cast<unsigned char>(utf8[0]);
    if (lead < 0x80) return {lead, 1};
    const std::size_t bytes = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (bytes == 0 || lead > 0xF4 || utf8.size() < bytes) return kStray;
    char32_t value = lead & (0x7Fu >> bytes);
    for (std::size_t i = 1; i < bytes; ++i) {
        const auto next = static_cast<unsigned char>(utf8[i]);
        if ((next & 0xC0) != 0x80) return kStray;
        value = (value << 6) | (next & 0x3Fu);
    }
    return {value, bytes};
}

}  // namespace tomaro::platform::terminal
