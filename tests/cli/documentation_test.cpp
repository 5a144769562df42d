// The README and the manual pages show the tables of tokens, keys and menu items that the
// program has: each table sits between "doc-table NAME (...)" and "doc-table end" marks
// and is exactly what its source writes (on a difference, paste the expected text).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/key_help.hpp"
#include "resources/resources.hpp"

namespace tomaro {
namespace {

std::string read(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The lines between the marks of the table, each ended by a newline.
std::string block(const std::string& text, const std::string& name) {
    const std::size_t mark = text.find("doc-table " + name + " (");
    const std::size_t start = text.find('\n', mark) + 1;
    const std::size_t end = text.rfind('\n', text.find("doc-table end", start)) + 1;
    return mark == std::string::npos || end < start ? "no table " + name
                                                    : text.substr(start, end - start);
}

// Tokens in code, other text with the characters that Markdown acts on escaped.
std::string markdown(const std::vector<KeyHelpRow>& rows, std::string_view header, bool tokens) {
    const auto escaped = [](std::string_view text) {
        std::string out;
        for (const char c : text)
            out += std::string_view("\\|*_`").find(c) == std::string_view::npos
                       ? std::string(1, c)
                       : std::string{'\\', c};
        return out;
    };
    std::string out = std::string(header) + "\n|---|---|\n";
    for (const KeyHelpRow& r : rows)
        out += "| " + (tokens ? "`" + r.keys + "`" : escaped(r.keys)) + " | " + escaped(r.does) +
               " |\n";
    return out;
}

std::string roff(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x80) {  // a character of UTF-8, by its code point
            const int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
            unsigned code = b & (0x3Fu >> more);
            for (int k = 0; k < more; ++k)
                code = code << 6 | (static_cast<unsigned char>(text[++i]) & 0x3F);
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\[u%04X]", code);
            out += escape;
        } else {
            out += b == '\\'  ? "\\e"
                   : b == '-' ? "\\-"
                   : b == '"' ? "\\(dq"
                              : std::string(1, text[i]);
        }
    }
    return out;
}

// A tagged paragraph a row: the codes or the keys in bold, then what they do.
std::string roff(const std::vector<KeyHelpRow>& rows, int indent, bool codes) {
    std::string out;
    for (const KeyHelpRow& r : rows) {
        out += out.empty() ? ".TP " + std::to_string(indent) + "\n" : ".TP\n";
        out += ".B " + roff(codes ? r.codes : r.keys) + "\n";
        out += (codes ? roff(r.keys) + ": " : "") + roff(r.does) + "\n";
    }
    return out;
}

// The menu's items as a table's first column shows them: "コピー(&C)" in a README row,
// コピー(C) as a manual page's tag.
std::string menu_items(const std::string& table) {
    std::istringstream in(table);
    std::string items;
    bool tag = false;
    for (std::string line; std::getline(in, line); tag = line.starts_with(".TP")) {
        if (tag) items += line + "\n";
        if (line.starts_with("| \"")) items += line.substr(2, line.find(" |", 2) - 2) + "\n";
    }
    return items;
}

TEST(Documentation, TablesOfTokensKeysAndMenuAreTheProgramsOwn) {
    const std::string readme = read(TOMARO_README);
    const std::string cli = read(TOMARO_CLI_MANUAL);
    const std::string tui = read(TOMARO_TUI_MANUAL);
    std::string readme_menu, manual_menu;
    for (const MenuItem& item : ContextMenuPopup()) {
        if (item.separator()) continue;
        readme_menu += "\"" + std::string(item.text) + "\"\n";
        std::string shown(item.text);
        std::erase(shown, '&');  // the mnemonic's mark
        manual_menu += roff(shown) + "\n";
    }
    // The keys a person presses: the key map, then the shortcuts that hold Ctrl or Shift.
    std::vector<KeyHelpRow> keys = KeyMapHelp();
    for (KeyHelpRow& row : ShortcutHelp())
        keys.push_back(std::move(row));
    const struct {
        std::string found, expected;
    } tables[] = {
        {block(readme, "tokens"), markdown(TokenHelp(), "| token | key |", true)},
        {block(readme, "keys"), markdown(keys, "| keys | button |", false)},
        {menu_items(block(readme, "menu")), readme_menu},
        {block(cli, "tokens"), roff(TokenHelp(), 14, false)},
        {block(cli, "keys"), roff(KeyMapHelp(), 24, true)},
        {block(tui, "keys"), roff(KeyMapHelp(), 14, false)},  // Ctrl+C ends it there
        {menu_items(block(tui, "menu")), manual_menu},
    };
    for (const auto& t : tables)
        EXPECT_EQ(t.found, t.expected) << "expected:\n" << t.expected;
}

}  // namespace
}  // namespace tomaro
