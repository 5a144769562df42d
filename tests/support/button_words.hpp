// Every button of the keypad, by the word tomaro-cli plays for it: tests press a button in
// the window and the same word on the hosted calculator, and compare.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "engine/command.hpp"
#include "shell/button_commands.hpp"

namespace tomaro {

inline const std::map<std::string, int, std::less<>> kButtonWords = [] {
    std::map<std::string, int, std::less<>> words;
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const auto c = static_cast<Command>(i);
        words.emplace(CommandWord(c), ButtonOfCommand(c));
    }
    return words;
}();

}  // namespace tomaro
