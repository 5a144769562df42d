#include "cli/options.hpp"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>

#include "cli/key_help.hpp"
#include "cli/message_text.hpp"

#include "resources/resources.hpp"

namespace tomaro {
namespace {

constexpr std::string_view kUsage = R"(Usage: tomaro-cli [OPTION]... TOKEN...
Plays keys on a freshly started Tomaro calculator and prints what it shows.

Options:
  --json             print the state as one JSON object on one line
  --trace            print the state after every key, after the start state;
                     with --json one line per key (the first has "key": null)
  --keys-from FILE   read whitespace-separated tokens from FILE ("-" for
                     standard input), played before those of the command line
  --clipboard TEXT   start with TEXT on the clipboard (for PASTE; COPY puts
                     the value there, and --json shows it as "clipboard")
  --width W          width of the display in pixels (default 200)
  --height H         height of the display in pixels (default 40)
  --char-width CX    width of "X" in the display font (default 8)
  --char-height CY   height of "X" in the display font (default 16)
  --help             show this help and exit
  --version          show the version and exit
  --                 end of options: every later argument is a token

Tokens (words in any case):
)";

constexpr std::string_view kKeyMap = R"(
The key map of vk:N, by the codes Windows gives the keys (Shift is not
consulted); a code not in the map does nothing:
)";

constexpr std::string_view kExit = R"(
Every token is checked before the first key plays. Exit status: 0 on success,
2 for a bad option, key file or token (then nothing is printed on standard
output), 1 if standard output cannot be written.
)";

// Two columns, the first as wide as its widest entry.
std::string columns(const std::vector<std::pair<std::string, std::string>>& rows) {
    std::size_t width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    std::string text;
    for (const auto& [left, right] : rows)
        text += "  " + left + std::string(width + 2 - left.size(), ' ') + right + "\n";
    return text;
}

struct NumberOption {
    std::string_view name;
    std::int32_t DisplayGeometry::*field;
    std::int32_t most;
};

constexpr NumberOption kNumberOptions[] = {
    {"--width", &DisplayGeometry::width, 100000},
    {"--height", &DisplayGeometry::height, 100000},
    {"--char-width", &DisplayGeometry::char_width, 1000},
    {"--char-height", &DisplayGeometry::char_height, 1000},
};

OptionError error(std::string message) {
    return {std::move(message)};
}

std::optional<std::int32_t> whole_number(std::string_view text, std::int32_t most) {
    std::int32_t v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || text.front() == '-' || ec != std::errc{} || ptr != end) return {};
    if (v < 1 || v > most) return {};
    return v;
}

}  // namespace

std::variant<CliOptions, OptionError> ParseOptions(std::span<const std::string_view> args) {
    CliOptions o;
    bool options_ended = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (options_ended || !arg.starts_with("--")) {
            o.tokens.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        const std::size_t eq = arg.find('=');
        const std::string_view name = arg.substr(0, eq);
        std::optional<std::string_view> attached;
        if (eq != std::string_view::npos) attached = arg.substr(eq + 1);
        // Named with its position among the arguments, as a bad token is among the tokens.
        const std::string option =
            "option " + MessageText(name) + " at argument " + std::to_string(i + 1);
        const auto value = [&]() -> std::optional<std::string_view> {
            if (attached) return attached;
            if (i + 1 < args.size()) return args[++i];
            return std::nullopt;
        };

        if (name == "--help" || name == "--version" || name == "--json" || name == "--trace") {
            if (attached) return error(option + " takes no value");
            if (name == "--help") o.action = CliOptions::Action::Help;
            if (name == "--version") o.action = CliOptions::Action::Version;
            if (o.action != CliOptions::Action::Play) return o;
            (name == "--json" ? o.json : o.trace) = true;
            continue;
        }
        if (name == "--keys-from") {
            const auto path = value();
            if (!path) return error(option + " needs a file name (or - for standard input)");
            if (path->empty()) return error(option + ": the file name is empty");
            if (o.keys_from) return error(option + ": --keys-from may be given only once");
            o.keys_from = std::string(*path);
            continue;
        }
        if (name == "--clipboard") {
            const auto text = value();
            if (!text) return error(option + " needs a text (it may be empty)");
            if (o.clipboard) return error(option + ": --clipboard may be given only once");
            o.clipboard = std::string(*text);
            continue;
        }
        const NumberOption* number = nullptr;
        for (const NumberOption& n : kNumberOptions) {
            if (n.name == name) number = &n;
        }
        if (number == nullptr) {
            return error("unknown option " + Quoted(arg) + " at argument " + std::to_string(i + 1));
        }
        const auto text = value();
        if (!text) return error(option + " needs a value");
        const auto v = whole_number(*text, number->most);
        if (!v) {
            return error(option + ": " + Quoted(*text) + " is not a whole number from 1 to " +
                         std::to_string(number->most));
        }
        o.geometry.*(number->field) = *v;
    }
    return o;
}

std::string_view HelpText() {
    static const std::string text = [] {
        std::vector<std::pair<std::string, std::string>> tokens, keys;
        for (const KeyHelpRow& row : TokenHelp())
            tokens.emplace_back(row.keys, row.does);
        for (const KeyHelpRow& row : KeyMapHelp())
            keys.emplace_back(row.codes, row.keys + ": " + row.does);
        return std::string(kUsage) + columns(tokens) + std::string(kKeyMap) + columns(keys) +
               std::string(kExit);
    }();
    return text;
}
std::string_view VersionText() {
    static const std::string text = std::string(VersionLine()) + "\n";  // as the About box
    return text;
}

}  // namespace tomaro
