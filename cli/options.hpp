// The command line of tomaro-cli: options, the key file and the key tokens, each checked
// before anything is played.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/hosted_calculator.hpp"

namespace tomaro {

struct CliOptions {
    enum class Action { Play, Help, Version };
    Action action = Action::Play;
    bool json = false;
    bool trace = false;
    DisplayGeometry geometry;
    std::optional<std::string> keys_from;  // a path, or "-" for standard input
    std::optional<std::string> clipboard;  // the clipboard's text when the calculator starts
    std::vector<std::string> tokens;       // key tokens of the command line, in order
};

struct OptionError {
    std::string message;  // one line, without the program name
};

// args excludes the program name. Options start with "--" and may stand anywhere before a
// lone "--"; everything else (a lone "-" too) is a key token. --help and --version end the
// parsing where they stand. A bad option is named with its position among the arguments.
std::variant<CliOptions, OptionError> ParseOptions(std::span<const std::string_view> args);

std::string_view HelpText();
std::string_view VersionText();  // with its newline

}  // namespace tomaro
