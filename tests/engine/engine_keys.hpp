// Plays keys straight on the engine, with a window that records its requests, so that a test
// can look at the state and at the requests one command makes. Keys are the engine's words
// for its commands ("3 BAR 2 + 6 BAR 1 ="), a number token one command per character, and
// TICK the expiry of the notice timer.
#pragma once

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/calc_state.hpp"
#include "engine/command.hpp"

namespace tomaro {

// Readable failure messages for the value types.
inline std::ostream& operator<<(std::ostream& os, const Fraction& f) {
    return os << f.num << "/" << f.den;
}

}  // namespace tomaro

namespace tomaro::testing {

using Requests = std::vector<std::string>;

// Records every request in order, and keeps what a window makes of them: whether the notice
// timer runs, whether the keypad is locked, and whether the focus was sent to A.C.
class TestWindow : public WindowRequests {
public:
    Requests requests;
    bool notice_timer_running = false;
    bool keypad_locked = false;
    bool all_clear_focused = false;

    void ComposeDisplay() override { requests.emplace_back("compose"); }
    void PaintDisplay() override { requests.emplace_back("paint"); }
    void PushFieldTexts() override { requests.emplace_back("push"); }
    void ShowNotice(std::string_view text) override {
        note("notice:" + std::string(text), notice_timer_running, true);
    }
    void StopNoticeTimer() override { note("stop-timer", notice_timer_running, false); }
    void LockKeypad() override { note("lock", keypad_locked, true); }
    void UnlockKeypad() override { note("unlock", keypad_locked, false); }
    void FocusAllClear() override { note("focus-ac", all_clear_focused, true); }

private:
    void note(std::string request, bool& flag, bool value) {
        requests.push_back(std::move(request));
        flag = value;
    }
};

inline Command command_of_word(std::string_view word) {
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const auto c = static_cast<Command>(i);
        if (CommandWord(c) == word) return c;
    }
    throw std::invalid_argument("bad key in test: " + std::string(word));
}

inline void press_token(CalcState& s, TestWindow& w, std::string_view token) {
    if (token == "TICK") {
        if (w.notice_timer_running) ExpireNotice(s, w);  // a timer that runs
        return;
    }
    const bool number = token.find_first_not_of("0123456789.") == std::string_view::npos;
    if (!number || token == "000") return Run(command_of_word(token), s, w);
    for (const char c : token)
        Run(command_of_word(std::string_view(&c, 1)), s, w);
}

inline void press(CalcState& s, TestWindow& w, std::string_view keys) {
    for (std::size_t i = 0; i < keys.size();) {
        const std::size_t end = std::min(keys.find(' ', i), keys.size());
        if (end > i) press_token(s, w, keys.substr(i, end - i));
        i = end + 1;
    }
}

// The calculator as the dialog opens it: A.C., then MC.
inline void start(CalcState& s, WindowRequests& w) {
    AllClear(s, w);
    MemoryClear(s, w);
}

// A started calculator after the keys.
struct Engine {
    CalcState s;
    TestWindow w;

    explicit Engine(std::string_view keys = "") {
        start(s, w);
        press(s, w, keys);
    }

    // The requests that these keys make.
    Requests requests(std::string_view keys) {
        w.requests.clear();
        press(s, w, keys);
        return w.requests;
    }

    const CalcState& state() const { return s; }
};

inline Engine played(std::string_view keys) {
    return Engine(keys);
}

inline void play(Engine& e, std::string_view more) {
    press(e.s, e.w, more);
}

inline const std::string kDivideNotice = "notice:" + std::string(kNoticeDivideByZero);
inline const std::string kZeroDenominatorNotice = "notice:" + std::string(kNoticeZeroDenominator);

// A keyed product far past 2^63, for the error lock.
inline constexpr std::string_view kOverflowKeys = "99999999999999999 * 99999999999999999";

}  // namespace tomaro::testing
