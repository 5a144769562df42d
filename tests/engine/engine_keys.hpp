// Plays keys straight on the engine, with a chosen window answering its requests, so that a
// test can look at the state and at the requests one command makes.
#pragma once

#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/key_tokens.hpp"
#include "engine/calc_state.hpp"
#include "engine/command.hpp"
#include "shell/button_commands.hpp"
#include "tests/support/recording_window.hpp"

namespace tomaro {

// Readable failure messages for the value types.
inline std::ostream& operator<<(std::ostream& os, const Fraction& f) {
    return os << f.num << "/" << f.den;
}

}  // namespace tomaro

namespace tomaro::testing {

inline void press(CalcState& s, WindowRequests& w, std::string_view keys) {
    auto parsed = ParseKeyTokens(SplitTokens(keys));
    if (const auto* error = std::get_if<TokenError>(&parsed)) {
        throw std::invalid_argument("bad key in test: " + error->token);
    }
    for (const Key& key : std::get<std::vector<Key>>(parsed)) {
        switch (key.kind) {
            case Key::Button:
                Run(*CommandOfButton(key.code), s, w);
                break;
            case Key::NoticeTimer:
                ExpireNotice(s, w);
                break;
            case Key::VirtualKey:
                throw std::invalid_argument("no key map here: " + key.text);
        }
    }
}

// A started calculator whose window answers nothing until a test asks what a key requests.
struct Engine {
    CalcState s;
    NoWindow quiet;

    explicit Engine(std::string_view keys = "") {
        StartUp(s, quiet);
        press(s, quiet, keys);
    }

    std::vector<std::string> requests(std::string_view keys) {
        RecordingWindow w;
        press(s, w, keys);
        return w.requests;
    }
};

using Requests = std::vector<std::string>;

inline const std::string kDivideNotice = "notice:" + std::string(kNoticeDivideByZero);
inline const std::string kZeroDenominatorNotice = "notice:" + std::string(kNoticeZeroDenominator);

// A keyed product far past 2^63, for the error lock.
inline constexpr std::string_view kOverflowKeys = "99999999999999999 * 99999999999999999";

}  // namespace tomaro::testing
