// Plays keys as a person would press them ("3 BAR 2 + 6 BAR 1 =") on a fresh calculator.
#pragma once

#include <stdexcept>
#include <string_view>
#include <variant>

#include "cli/headless_calculator.hpp"

namespace tomaro::testing {

inline void play(HeadlessCalculator& calc, std::string_view keys) {
    auto parsed = ParseKeyTokens(SplitTokens(keys));
    if (const auto* error = std::get_if<TokenError>(&parsed)) {
        throw std::invalid_argument("bad key in test: " + error->token);
    }
    for (const Key& key : std::get<std::vector<Key>>(parsed))
        calc.Play(key);
}

inline HeadlessCalculator played(std::string_view keys, const DisplayGeometry& geometry = {}) {
    HeadlessCalculator calc(geometry);
    play(calc, keys);
    return calc;
}

}  // namespace tomaro::testing
