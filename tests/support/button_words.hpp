// Every button of the keypad, by the word tomaro-cli plays for it: tests press a button in
// the window and the same word on the hosted calculator, and compare.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "cli/key_tokens.hpp"

namespace tomaro {

inline const std::map<std::string, int, std::less<>> kButtonWords = [] {
    std::map<std::string, int, std::less<>> words;
    for (const auto& [word, key] : KeyWords())
        if (key.key == Key::Button) words.emplace(word, key.code);
    return words;
}();

}  // namespace tomaro
