#include "cli/key_help.hpp"

#include <algorithm>
#include <string_view>
#include <utility>

#include "cli/key_tokens.hpp"
#include "platform/key_names.hpp"
#include "resources/resources.hpp"
#include "shell/button_commands.hpp"
#include "shell/key_map.hpp"

namespace tomaro {
namespace {

// What a command does, where its button's caption does not say it.
constexpr std::pair<Command, std::string_view> kGlosses[] = {
    {Command::Point, "point"},
    {Command::Equals, "evaluate; repeated: another form"},
    {Command::AllClear, "all clear"},
    {Command::ClearEntry, "clear entry"},
    {Command::Backspace, "backspace"},
    {Command::Sign, "sign change"},
    {Command::FractionBar, "fraction bar: denominator first"},
    {Command::Reciprocal, "reciprocal"},
    {Command::MemoryAdd, "memory add"},
    {Command::MemorySubtract, "memory subtract"},
    {Command::MemoryRecall, "memory recall"},
    {Command::MemoryClear, "memory clear"}};

std::string button(Command c) {
    const int id = ButtonOfCommand(c);
    const auto& controls = CalcDialogTemplate().controls;
    const auto control = std::find_if(controls.begin(), controls.end(),
                                      [&](const ControlTemplate& t) { return t.id == id; });
    std::string does = "\"" + std::string(control->text) + "\"";
    for (const auto& [command, gloss] : kGlosses) {
        if (command == c) does += " (" + std::string(gloss) + ")";
    }
    return does;
}

// A command and the tokens or keys that run it.
struct Entry {
    Command command;
    std::vector<std::string> codes;
    std::vector<std::string> keys;
};

std::string joined(const std::vector<std::string>& parts) {
    std::string s;
    for (const std::string& p : parts)
        s += (s.empty() ? "" : ", ") + p;
    return s;
}

// A row a command; the ten digits make one, "0 ... 9", of their first and last side by side.
std::vector<KeyHelpRow> rows_of(const std::vector<Entry>& entries) {
    std::vector<KeyHelpRow> rows;
    const Entry* zero = nullptr;
    for (const Entry& e : entries) {
        if (e.command == digit_command(0)) zero = &e;
        if (e.command >= digit_command(0) && e.command < digit_command(9)) continue;
        const Entry* first = e.command == digit_command(9) ? zero : nullptr;
        const auto through = [&](const std::vector<std::string> Entry::*parts) {
            std::vector<std::string> p = e.*parts;
            for (std::size_t i = 0; first != nullptr && i < p.size(); ++i)
                p[i] = (first->*parts).at(i) + " ... " + p[i];
            return joined(p);
        };
        rows.push_back({through(&Entry::codes), through(&Entry::keys),
                        first != nullptr ? button(first->command) + " ... " + button(e.command)
                                         : button(e.command)});
    }
    return rows;
}

// A key with the modifiers a shortcut needs held: "Ctrl+C".
std::string shortcut_name(const Shortcut& s) {
    return std::string(s.held.ctrl ? "Ctrl+" : "") + (s.held.shift ? "Shift+" : "") +
           vk::Name(s.virtual_key);
}

// The context-menu item a shortcut runs, without its mnemonic: "the menu's \"コピー\"".
std::string menu_item(int id) {
    for (const MenuItem& item : ContextMenuPopup()) {
        if (item.separator() || item.id != id) continue;
        const std::string_view text = item.text.substr(0, item.text.find("(&"));
        return "the menu's \"" + std::string(text) + "\"";
    }
    return "nothing";
}

}  // namespace

std::vector<KeyHelpRow> TokenHelp() {
    std::vector<Entry> entries;
    std::vector<KeyHelpRow> others;
    for (const auto& [word, c] : KeyWords()) {
        if (c.key == Key::Button) {
            entries.push_back({*CommandOfButton(c.code), {}, {std::string(word)}});
        } else if (c.key == Key::MenuItem) {
            others.push_back({{}, std::string(word), menu_item(c.code)});
        } else {  // the only other word is the notice timer's
            others.push_back({{}, std::string(word), "the notice timer expires (if it runs)"});
        }
    }
    std::vector<KeyHelpRow> rows = rows_of(entries);
    rows.push_back({{}, "12.50", "digits and points: one key per character"});
    rows.insert(rows.end(), others.begin(), others.end());
    rows.push_back({{}, "vk:N", "a key-down of virtual-key code N (0 to 255) through the key map"});
    return rows;
}

std::vector<KeyHelpRow> KeyMapHelp() {
    std::vector<Entry> entries;
    for (const KeyBinding& b : KeyMap()) {
        auto e = std::find_if(entries.begin(), entries.end(),
                              [&](const Entry& x) { return x.command == b.command; });
        if (e == entries.end()) e = entries.insert(e, {b.command, {}, {}});
        e->codes.push_back(std::to_string(b.virtual_key));
        e->keys.push_back(vk::Name(b.virtual_key));
    }
    return rows_of(entries);
}

// A row for each menu item the shortcuts run, and one for those that do nothing.
std::vector<KeyHelpRow> ShortcutHelp() {
    std::vector<std::pair<int, KeyHelpRow>> shortcuts;
    for (const Shortcut& s : Shortcuts()) {
        auto row = std::find_if(shortcuts.begin(), shortcuts.end(),
                                [&](const auto& r) { return r.first == s.menu_command; });
        if (row == shortcuts.end())
            row = shortcuts.insert(row, {s.menu_command, {{}, {}, menu_item(s.menu_command)}});
        row->second.keys += (row->second.keys.empty() ? "" : ", ") + shortcut_name(s);
    }
    std::vector<KeyHelpRow> rows;
    for (auto& [id, row] : shortcuts)
        rows.push_back(std::move(row));
    return rows;
}

}  // namespace tomaro
